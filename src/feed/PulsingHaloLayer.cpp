// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/PulsingHaloLayer.h"

#include <QGuiApplication>
#include <QPainter>
#include <limits>

namespace {
constexpr int kFrameIntervalMs = 16;
} // namespace

PulsingHaloLayer::PulsingHaloLayer(QQuickItem *parent)
    : QQuickPaintedItem(parent) {
    m_clock.start();
    m_effect.opacity = 0;
    m_effect.attached = true;
    // Defaults go through the setters so their rules apply, in this order.
    setFromValueForRadius(0);
    setKeyTimeForHalfOpacity(0.2);
    setAnimationDuration(3);
    setPulseInterval(0);
    setUseTimingFunction(true);
    setRepeatCount(std::numeric_limits<float>::max());
    setRadius(60);
    setHaloLayerNumber(1);
    setStartInterval(1);
    setBackgroundColor(QColor::fromRgbF(0, 0.455f, 0.756f, 0.45f));

    m_frameTimer.setInterval(kFrameIntervalMs);
    connect(&m_frameTimer, &QTimer::timeout, this, [this] { update(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                // A window behind another one is still on screen: only a hidden or suspended
                // application is away. Losing the focus leaves the halo pulsing.
                if (state == Qt::ApplicationActive || state == Qt::ApplicationInactive)
                    onWillEnterForeground();
                else
                    onDidEnterBackground();
            });
}

PulsingHaloLayer::~PulsingHaloLayer() = default;

void PulsingHaloLayer::setRadius(qreal radius) {
    m_radius = radius;
    m_effect.bounds = QRectF(0, 0, 2 * radius, 2 * radius);
    m_effect.cornerRadius = radius;
    setImplicitSize(2 * radius, 2 * radius);
    setSize(QSizeF(2 * radius, 2 * radius));
    Q_EMIT settingsChanged();
    update();
}

void PulsingHaloLayer::setAnimationDuration(qreal seconds) {
    m_animationDuration = seconds;
    applyCopyDelayRule();
}

void PulsingHaloLayer::setPulseInterval(qreal seconds) {
    m_pulseInterval = seconds;
    applyCopyDelayRule();
}

void PulsingHaloLayer::setHaloLayerNumber(int count) {
    m_haloLayerNumber = count;
    m_instanceCount = count;
    applyCopyDelayRule();
}

void PulsingHaloLayer::setStartInterval(qreal seconds) {
    m_startInterval = seconds;
    m_instanceDelay = seconds;
}

void PulsingHaloLayer::applyCopyDelayRule() {
    if (m_haloLayerNumber > 0)
        m_instanceDelay = (m_animationDuration + m_pulseInterval) / m_haloLayerNumber;
}

void PulsingHaloLayer::setRepeatCount(qreal count) {
    m_repeatCount = count;
    if (m_animationGroup)
        m_animationGroup->repeatCount = count;
    if (m_pulse)
        m_pulse->repeatCount = count;
}

void PulsingHaloLayer::setBackgroundColor(const QColor &color) {
    m_backgroundColor = color;
    m_effect.backgroundColor = color;
    Q_EMIT settingsChanged();
    update();
}

void PulsingHaloLayer::setBorderWidth(qreal width) {
    m_effect.borderWidth = width;
    update();
}

void PulsingHaloLayer::setBorderColor(const QColor &color) {
    m_effect.borderColor = color;
    update();
}

void PulsingHaloLayer::setFrame(const QRectF &frame) {
    setPosition(frame.topLeft());
    setSize(frame.size());
    m_effect.bounds = QRectF(QPointF(0, 0), frame.size());
    update();
}

void PulsingHaloLayer::centerOn(const QPointF &point) {
    setPosition(point - QPointF(width() / 2, height() / 2));
}

PulsingHaloAnimation PulsingHaloLayer::buildGroup() const {
    PulsingHaloAnimation group;
    group.groupDuration = m_animationDuration + m_pulseInterval;
    group.repeatCount = m_repeatCount;
    group.eased = m_useTimingFunction;
    group.scaleDuration = m_animationDuration;
    group.fromScale = m_fromValueForRadius;
    group.opacityDuration = m_animationDuration;
    const qreal alpha = m_backgroundColor.isValid() ? m_backgroundColor.alphaF() : 1.0;
    group.opacityValues = {alpha, alpha * 0.5, 0};
    group.keyTimes = {0, m_keyTimeForHalfOpacity, 1};
    return group;
}

void PulsingHaloLayer::start() {
    m_effect.attached = true;
    if (m_pulse)
        return;
    m_animationGroup = buildGroup();
    setPulse(m_animationGroup, 0);
}

void PulsingHaloLayer::stop() {
    setPulse(std::nullopt, 0);
    m_effect.opacity = 0;
}

void PulsingHaloLayer::setPulse(std::optional<PulsingHaloAnimation> pulse, qreal elapsedSeconds) {
    const bool wasRunning = isRunning();
    m_pulse = std::move(pulse);
    m_pulseBeganMs = m_clock.elapsed() - qint64(elapsedSeconds * 1000);
    if (m_pulse)
        m_frameTimer.start();
    else
        m_frameTimer.stop();
    // Without a pulse nothing shows; a hidden item is not painted into a texture either.
    setVisible(m_pulse.has_value());
    update();
    if (wasRunning != isRunning())
        Q_EMIT runningChanged();
}

qreal PulsingHaloLayer::elapsed() const {
    return m_pulse ? qreal(m_clock.elapsed() - m_pulseBeganMs) / 1000 : 0;
}

PulsingHaloAnimation::Frame PulsingHaloLayer::copyFrameAt(int index, qreal seconds) const {
    if (!m_pulse || index < 0 || index >= m_instanceCount)
        return {};
    PulsingHaloAnimation::Frame frame = m_pulse->frameAt(seconds - index * m_instanceDelay);
    if (!frame.active)
        frame.opacity = m_effect.opacity;
    return frame;
}

void PulsingHaloLayer::onDidEnterBackground() {
    if (!m_pulse && !m_prevAnimation)
        return;
    if (m_pulse) {
        m_prevSuperlayer = parentItem();
        m_prevLayerIndex = parentItem() ? int(parentItem()->childItems().indexOf(this)) : 0;
        m_prevAnimation = m_pulse;
        m_prevElapsed = elapsed();
    }
    // Nothing is drawn while the application is away; the pulse is put back on return.
    setPulse(std::nullopt, 0);
}

void PulsingHaloLayer::onWillEnterForeground() {
    if (!m_shouldResume || !m_prevAnimation)
        return;
    if (QQuickItem *superlayer = m_prevSuperlayer) {
        if (parentItem() != superlayer)
            setParentItem(superlayer);
        const QList<QQuickItem *> siblings = superlayer->childItems();
        if (m_prevLayerIndex < siblings.size() && siblings[m_prevLayerIndex] != this)
            stackBefore(siblings[m_prevLayerIndex]);
    }
    setPulse(std::exchange(m_prevAnimation, std::nullopt), m_prevElapsed);
}

QSGNode *PulsingHaloLayer::updatePaintNode(QSGNode *old, UpdatePaintNodeData *data) {
    // A halo that has not pulsed on screen yet costs no texture: the feed starts one while its
    // first people load and stops it when they come, often before the first frame.
    if (!old && !m_pulse)
        return nullptr;
    return QQuickPaintedItem::updatePaintNode(old, data);
}

void PulsingHaloLayer::paint(QPainter *painter) {
    if (!m_pulse || !m_effect.attached)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    const qreal now = elapsed();
    const QPointF centre(width() / 2, height() / 2);
    for (int i = 0; i < m_instanceCount; ++i) {
        const PulsingHaloAnimation::Frame frame = copyFrameAt(i, now);
        if (frame.opacity <= 0)
            continue;
        const QSizeF size = m_effect.bounds.size() * frame.scale;
        const QRectF disc(centre - QPointF(size.width() / 2, size.height() / 2), size);
        const qreal corner = m_effect.cornerRadius * frame.scale;
        painter->setOpacity(frame.opacity);
        painter->setBrush(m_effect.backgroundColor);
        if (m_effect.borderWidth > 0)
            painter->setPen(QPen(m_effect.borderColor, m_effect.borderWidth));
        else
            painter->setPen(Qt::NoPen);
        painter->drawRoundedRect(disc, corner, corner);
    }
}
