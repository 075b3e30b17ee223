// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/CardOverlayLabelView.h"

#include "cards/ImageNode.h"
#include "controls/Theme.h"
#include "media/ImageBudget.h"

#include <QCache>
#include <QFontMetricsF>
#include <QPainter>
#include <QQuickWindow>
#include <QtMath>

CardOverlayLabelView::CardOverlayLabelView(qreal angle, const QString &title, const QColor &color,
                                           QQuickItem *parent)
    : CardOverlayLabelView(angle, title, color, Style{}, parent) {}

CardOverlayLabelView::CardOverlayLabelView(qreal angle, const QString &title, const QColor &color,
                                           const Style &style, QQuickItem *parent)
    : QQuickItem(parent)
    , m_angle(angle)
    , m_title(title)
    , m_color(color)
    , m_style(style) {
    setFlag(ItemHasContents);
    setRotation(qRadiansToDegrees(angle));
}

QFont CardOverlayLabelView::font(int pixelSize) const {
    QFont f(Theme::fontFamily());
    f.setBold(true);
    f.setPixelSize(pixelSize);
    f.setLetterSpacing(QFont::AbsoluteSpacing, m_style.letterSpacing);
    return f;
}

QSizeF CardOverlayLabelView::naturalSize() const {
    const QFontMetricsF metrics(font(m_style.fontPixelSize));
    return {metrics.horizontalAdvance(m_title) + 2 * (kHorizontalPadding + m_style.borderWidth),
            metrics.height() + 2 * (kVerticalPadding + m_style.borderWidth)};
}

int CardOverlayLabelView::fittedPixelSize() const {
    const qreal room = width() - 2 * (kHorizontalPadding + m_style.borderWidth);
    const int smallest = qCeil(m_style.fontPixelSize * m_style.minimumScale);
    int size = m_style.fontPixelSize;
    while (size > smallest && QFontMetricsF(font(size)).horizontalAdvance(m_title) > room)
        --size;
    return size;
}

QImage CardOverlayLabelView::image() const {
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize pixels = (size() * ratio).toSize();
    if (pixels.isEmpty())
        return {};
    // Titles, colours and sizes are few; a resized window makes a few more.
    static QCache<QString, QImage> drawn(ImageBudget::kStamps);
    const QString key = QStringLiteral("%1|%2|%3x%4|%5|%6")
                            .arg(m_title, m_color.name(QColor::HexArgb))
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(ratio)
                            .arg(m_style.fontPixelSize);
    if (const QImage *image = drawn.object(key))
        return *image;
    const QImage image = draw(pixels, ratio);
    drawn.insert(key, new QImage(image), ImageBudget::costOf(image));
    return image;
}

QImage CardOverlayLabelView::draw(QSize pixels, qreal ratio) const {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = m_style.borderWidth / 2;
    const QRectF box = QRectF(0, 0, width(), height()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(m_color, m_style.borderWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box, m_style.cornerRadius, m_style.cornerRadius);
    painter.setFont(font(fittedPixelSize()));
    painter.drawText(box, Qt::AlignCenter, m_title);
    return image;
}

void CardOverlayLabelView::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        update();
}

QSGNode *CardOverlayLabelView::updatePaintNode(QSGNode *old, UpdatePaintNodeData *) {
    // Not laid out yet: its overlay has not shown.
    if (!old && size().isEmpty())
        return nullptr;
    return ImageNode::update(*this, old, image(), true);
}
