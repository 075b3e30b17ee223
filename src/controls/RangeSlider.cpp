// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/RangeSlider.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kLowestMinimum = 18;
constexpr double kTrackHeight = 4;
constexpr double kThumbInset = 2;
constexpr double kLineWidth = 2;
} // namespace

RangeSlider::RangeSlider(QQuickItem *parent)
    : SliderBase(parent) {
    setImplicitHeight(31);
}

void RangeSlider::setMinimumValue(double value) {
    m_minimumValue = std::max(value, kLowestMinimum);
    if (m_minimumValue > m_lowerValue)
        setLowerValue(m_minimumValue);
    Q_EMIT valuesChanged();
    update();
}

void RangeSlider::setMaximumValue(double value) {
    m_maximumValue = value;
    if (m_upperValue > m_maximumValue)
        setUpperValue(m_lowerValue > m_maximumValue ? m_lowerValue : m_maximumValue);
    Q_EMIT valuesChanged();
    update();
}

void RangeSlider::setLowerValue(double value) {
    m_lowerValue = std::max(m_minimumValue, std::min(m_upperValue, value));
    Q_EMIT valuesChanged();
    update();
}

void RangeSlider::setUpperValue(double value) {
    m_upperValue = std::max(m_lowerValue, std::min(m_maximumValue, value));
    Q_EMIT valuesChanged();
    update();
}

void RangeSlider::setCurvaceousness(double value) {
    m_curvaceousness = value;
    Q_EMIT appearanceChanged();
    update();
}

QColor RangeSlider::trackTintColor() const {
    return m_trackTint.isValid() ? m_trackTint : rangeTrackColor();
}

void RangeSlider::setTrackTintColor(const QColor &color) {
    m_trackTint = color;
    Q_EMIT appearanceChanged();
    update();
}

void RangeSlider::setTrackHighlightTintColor(const QColor &color) {
    m_trackHighlightTint = color;
    Q_EMIT appearanceChanged();
    update();
}

void RangeSlider::setThumbTintColor(const QColor &color) {
    m_thumbTint = color;
    Q_EMIT appearanceChanged();
    update();
}

QString RangeSlider::keyboardThumb() const {
    return m_keyboardThumb == Thumb::Upper ? QStringLiteral("upper") : QStringLiteral("lower");
}

double RangeSlider::value() const {
    return m_keyboardThumb == Thumb::Upper ? m_upperValue : m_lowerValue;
}

double RangeSlider::positionForValue(double value) const {
    const double thumb = height();
    if (span() <= 0)
        return thumb / 2;
    return (value - m_minimumValue) * (width() - thumb) / span() + thumb / 2;
}

QRectF RangeSlider::thumbFrame(double value) const {
    const double thumb = height();
    return {positionForValue(value) - thumb / 2, 0, thumb, thumb};
}

QRectF RangeSlider::lowerThumbFrame() const {
    return thumbFrame(m_lowerValue);
}

QRectF RangeSlider::upperThumbFrame() const {
    return thumbFrame(m_upperValue);
}

double RangeSlider::gap() const {
    return width() > 0 ? span() * height() / width() : 0;
}

void RangeSlider::paint(QPainter *painter) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF track(0, (height() - kTrackHeight) / 2, width(), kTrackHeight);
    const double radius = track.height() * m_curvaceousness * 0.5;
    painter->setPen(Qt::NoPen);
    painter->setBrush(trackTintColor());
    painter->drawRoundedRect(track, radius, radius);
    const double lower = positionForValue(m_lowerValue);
    const double upper = positionForValue(m_upperValue);
    painter->setBrush(m_trackHighlightTint);
    painter->drawRect(QRectF(lower, track.y(), upper - lower, track.height()));

    // The thumb the keyboard is on shows it as a dragged one does.
    const auto marked = [this](Thumb thumb) {
        return m_highlighted == thumb || (hasActiveFocus() && m_keyboardThumb == thumb);
    };
    drawThumb(painter, lowerThumbFrame(), marked(Thumb::Lower));
    drawThumb(painter, upperThumbFrame(), marked(Thumb::Upper));
}

void RangeSlider::drawThumb(QPainter *painter, const QRectF &frame, bool highlighted) const {
    const QRectF inset = frame.adjusted(kThumbInset, kThumbInset, -kThumbInset, -kThumbInset);
    const double radius = inset.height() * m_curvaceousness * 0.5;
    painter->setBrush(m_thumbTint);
    painter->setPen(QPen(thumbOutlineColor(), kLineWidth));
    painter->drawRoundedRect(inset, radius, radius);
    if (highlighted) {
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(Theme::accent(), kLineWidth));
        painter->drawRoundedRect(inset, radius, radius);
    }
}

bool RangeSlider::press(QPointF position) {
    m_previousLocation = position;
    // Where the thumbs touch, the lower one is taken.
    if (lowerThumbFrame().contains(position))
        m_highlighted = Thumb::Lower;
    else if (upperThumbFrame().contains(position))
        m_highlighted = Thumb::Upper;
    else
        return false;
    setKeyboardThumb(m_highlighted);
    update();
    return true;
}

void RangeSlider::drag(QPointF position) {
    const double delta = span() * (position.x() - m_previousLocation.x()) / (width() - height());
    m_previousLocation = position;
    moveThumb(m_highlighted, delta);
    Q_EMIT valueChanged();
}

void RangeSlider::release() {
    m_highlighted = Thumb::None;
    update();
}

void RangeSlider::moveThumb(Thumb thumb, double delta) {
    if (thumb == Thumb::Lower)
        setLowerValue(
            std::min(m_upperValue - gap(), std::max(m_lowerValue + delta, m_minimumValue)));
    else if (thumb == Thumb::Upper)
        setUpperValue(
            std::min(m_maximumValue, std::max(m_upperValue + delta, m_lowerValue + gap())));
}

void RangeSlider::stepThumb(double delta) {
    moveThumb(m_keyboardThumb, delta);
    Q_EMIT valueChanged();
}

void RangeSlider::setKeyboardThumb(Thumb thumb) {
    if (thumb == m_keyboardThumb)
        return;
    m_keyboardThumb = thumb;
    Q_EMIT keyboardThumbChanged();
    Q_EMIT valuesChanged();
    update();
}

std::optional<RangeSlider::Thumb> RangeSlider::tabTarget(const QKeyEvent *event) const {
    // Tab goes from the lower thumb to the upper one before it leaves the slider.
    const bool shifted = event->modifiers() & Qt::ShiftModifier;
    const bool forward = event->key() == Qt::Key_Tab && !shifted;
    const bool backward =
        event->key() == Qt::Key_Backtab || (event->key() == Qt::Key_Tab && shifted);
    if (forward && m_keyboardThumb == Thumb::Lower)
        return Thumb::Upper;
    if (backward && m_keyboardThumb == Thumb::Upper)
        return Thumb::Lower;
    return std::nullopt;
}

bool RangeSlider::event(QEvent *event) {
    // A sheet's own Tab shortcut would take the key before the slider moves to its other thumb.
    if (event->type() == QEvent::ShortcutOverride && tabTarget(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return SliderBase::event(event);
}

void RangeSlider::keyPressEvent(QKeyEvent *event) {
    if (const std::optional<Thumb> thumb = tabTarget(event)) {
        setKeyboardThumb(*thumb);
        event->accept();
        return;
    }
    SliderBase::keyPressEvent(event);
}

void RangeSlider::focusInEvent(QFocusEvent *event) {
    if (event->reason() == Qt::TabFocusReason)
        setKeyboardThumb(Thumb::Lower);
    else if (event->reason() == Qt::BacktabFocusReason)
        setKeyboardThumb(Thumb::Upper);
    SliderBase::focusInEvent(event);
}
