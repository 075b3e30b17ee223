// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "profile/CircularImageProgressView.h"

#include "controls/SymbolIcons.h"
#include "controls/Theme.h"

#include <QBrush>
#include <QPainter>
#include <QPainterPath>

CircularImageProgressView::CircularImageProgressView(QQuickItem *parent)
    : QQuickPaintedItem(parent) {
    setAntialiasing(true);
    m_animation.setDuration(kAnimationMs);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_presented = value.toReal();
        update();
    });
}

void CircularImageProgressView::setProgress(int progress) {
    m_progress = progress;
    const qreal fraction = qreal(m_progress) / m_total;
    // The ring goes on from where it is drawn, also when an earlier change is still running.
    const qreal from = m_presented;
    m_animation.stop();
    m_strokeEnd = fraction;
    m_animation.setStartValue(from);
    m_animation.setEndValue(fraction);
    m_animation.start();
    Q_EMIT progressChanged();
}

void CircularImageProgressView::setTotal(int total) {
    if (total < 1 || total == m_total)
        return;
    m_total = total;
    Q_EMIT progressChanged();
}

void CircularImageProgressView::setImageVariant(const QVariant &image) {
    m_image = image.value<QImage>();
    update();
    Q_EMIT imageChanged();
}

QString CircularImageProgressView::percentText() const {
    const int percent = int(qreal(m_progress) / m_total * 100);
    return QString::number(percent) + tr("% ЗАПОЛНЕНО");
}

void CircularImageProgressView::setTrackColor(const QColor &color) {
    m_trackColor = color;
    update();
    Q_EMIT colorsChanged();
}

void CircularImageProgressView::setPlaceholderColor(const QColor &color) {
    m_placeholderColor = color;
    update();
    Q_EMIT colorsChanged();
}

qreal CircularImageProgressView::animationStart() const {
    return m_animation.state() == QAbstractAnimation::Running ? m_animation.startValue().toReal()
                                                              : m_presented;
}

void CircularImageProgressView::paint(QPainter *painter) {
    const qreal side = qMin(width(), height());
    const qreal radius = side / 2 - kLineWidth / 2;
    const QPointF centre(width() / 2, height() / 2);
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);

    // The picture fills the inside of the ring and is cut round.
    const QRectF inside = ring.adjusted(kLineWidth, kLineWidth, -kLineWidth, -kLineWidth);
    QPainterPath round;
    round.addEllipse(inside);
    if (m_image.isNull()) {
        const QSize symbol = inside.size().toSize() * 0.6;
        const QImage circle =
            SymbolIcons::render(QStringLiteral("circle.fill"), m_placeholderColor, false,
                                symbol * painter->device()->devicePixelRatioF());
        painter->drawImage(QRectF(centre - QPointF(symbol.width(), symbol.height()) / 2, symbol),
                           circle);
    } else {
        const QSizeF filled =
            QSizeF(m_image.size()).scaled(inside.size(), Qt::KeepAspectRatioByExpanding);
        painter->save();
        painter->setClipPath(round);
        painter->drawImage(QRectF(centre - QPointF(filled.width(), filled.height()) / 2, filled),
                           m_image);
        painter->restore();
    }

    QPen track(m_trackColor, kLineWidth, Qt::SolidLine, Qt::RoundCap);
    painter->setPen(track);
    painter->drawEllipse(ring);
    if (m_presented <= 0)
        return;
    QLinearGradient gradient(QPointF(0, height() / 2), QPointF(width(), height() / 2));
    gradient.setColorAt(0, Theme::gradientStart());
    gradient.setColorAt(1, Theme::gradientEnd());
    painter->setPen(QPen(QBrush(gradient), kLineWidth, Qt::SolidLine, Qt::RoundCap));
    // Qt's angles run counter-clockwise from three o'clock in sixteenths of a degree.
    const int span = -qRound(qMin<qreal>(m_presented, 1) * 360 * 16);
    painter->drawArc(ring, 90 * 16, span);
}
