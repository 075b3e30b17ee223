// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "PortraitPainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 800;

} // namespace

QByteArray PortraitPainter::paint(const QString &name, bool woman, quint32 seed, int scale) {
    QRandomGenerator random(seed);
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    const int hue = random.bounded(360);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient background(0, 0, kWidth, kHeight);
    background.setColorAt(0, QColor::fromHsv(hue, 120, 235));
    background.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 170, 160));
    p.fillRect(image.rect(), background);

    const QColor skin = QColor::fromHsv(25, 60 + random.bounded(90), 150 + random.bounded(90));
    const QColor hair = QColor::fromHsv(20 + random.bounded(20), 120 + random.bounded(120),
                                        30 + random.bounded(150));
    const QColor shirt = QColor::fromHsv((hue + 180) % 360, 150, 200);
    const QPointF head(kWidth / 2.0, 330);

    QPainterPath body;
    body.moveTo(90, kHeight);
    body.cubicTo(100, 560, 200, 500, kWidth / 2.0, 500);
    body.cubicTo(400, 500, 500, 560, 510, kHeight);
    body.closeSubpath();
    p.fillPath(body, shirt);
    p.fillRect(QRectF(head.x() - 35, 400, 70, 110), skin);

    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    if (woman) {
        p.drawRoundedRect(QRectF(head.x() - 130, head.y() - 125, 260, 330), 120, 120);
    } else {
        p.drawEllipse(head + QPointF(0, -30), 118, 105);
    }
    p.setBrush(skin);
    p.drawEllipse(head, 105, 125);
    p.setBrush(QColor(40, 40, 50));
    p.drawEllipse(head + QPointF(-38, -10), 10, 12);
    p.drawEllipse(head + QPointF(38, -10), 10, 12);
    p.setPen(QPen(QColor(150, 60, 60), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(head.x() - 35, head.y() + 25, 70, 40), 200 * 16, 140 * 16);

    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString initials;
    for (const QString &word : words)
        initials += word.at(0).toUpper();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(120);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 220));
    p.drawText(QRectF(0, 600, kWidth, 180), Qt::AlignCenter, initials.left(2));
    p.end();

    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 82);
    return jpeg;
}
