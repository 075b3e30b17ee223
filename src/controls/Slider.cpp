// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/Slider.h"

#include "controls/Theme.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr double kThumb = 30;
constexpr double kTrackHeight = 4;
constexpr double kOutline = 2;
} // namespace

Slider::Slider(QQuickItem *parent)
    : SliderBase(parent) {
    setImplicitHeight(31);
}

void Slider::setValue(double value) {
    value = std::clamp(value, minimumValue(), maximumValue());
    if (value == m_value)
        return;
    m_value = value;
    Q_EMIT valueChanged();
    update();
}

double Slider::positionForValue(double value) const {
    return kThumb / 2 + (value - minimumValue()) * (width() - kThumb) / span();
}

double Slider::valueAt(double x) const {
    const double travel = width() - kThumb;
    return travel > 0 ? minimumValue() + (x - kThumb / 2) * span() / travel : m_value;
}

QRectF Slider::thumbFrame() const {
    return {positionForValue(m_value) - kThumb / 2, (height() - kThumb) / 2, kThumb, kThumb};
}

void Slider::paint(QPainter *painter) {
    painter->setRenderHint(QPainter::Antialiasing);
    const double middle = height() / 2;
    const double thumb = positionForValue(m_value);
    const double radius = kTrackHeight / 2;
    painter->setPen(Qt::NoPen);
    painter->setBrush(rangeTrackColor());
    painter->drawRoundedRect(QRectF(0, middle - radius, width(), kTrackHeight), radius, radius);
    painter->setBrush(Theme::accent());
    painter->drawRoundedRect(QRectF(0, middle - radius, thumb, kTrackHeight), radius, radius);

    // A white disc with an outline drawn on the circle one point in, in the accent colour while
    // it is held (or the keyboard is on it).
    const QRectF circle = thumbFrame().adjusted(1, 1, -1, -1);
    painter->setBrush(Qt::white);
    painter->setPen(
        QPen(m_pressed || hasActiveFocus() ? Theme::accent() : thumbOutlineColor(), kOutline));
    painter->drawEllipse(circle);
}

void Slider::setPressed(bool pressed) {
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    Q_EMIT pressedChanged();
    update();
}

void Slider::move(double value) {
    const double before = m_value;
    setValue(value);
    if (m_value != before)
        Q_EMIT moved();
}

bool Slider::press(QPointF position) {
    const QRectF thumb = thumbFrame();
    if (thumb.contains(position)) {
        m_grabOffset = position.x() - thumb.center().x();
    } else {
        m_grabOffset = 0;
        move(valueAt(position.x()));
    }
    setPressed(true);
    return true;
}

void Slider::drag(QPointF position) {
    move(valueAt(position.x() - m_grabOffset));
}

void Slider::release() {
    setPressed(false);
}

void Slider::stepThumb(double delta) {
    move(m_value + delta);
}
