// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "feed/PulsingHaloAnimation.h"

#include <QColor>
#include <QElapsedTimer>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QTimer>
#include <optional>

// The searching animation: copies of one disc that grow out of the item's centre while they
// fade, started a fixed delay apart. The disc is the template every copy draws; the pulse runs
// on it. When the application stops being active the item remembers where it was and what ran,
// stops drawing, and puts both back when the application is active again.
class PulsingHaloLayer : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY settingsChanged)
    Q_PROPERTY(
        QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY settingsChanged)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)

public:
    /// The disc every copy draws.
    struct Effect {
        QRectF bounds;
        qreal cornerRadius = 0;
        QColor backgroundColor;
        qreal borderWidth = 0;
        QColor borderColor;
        qreal opacity = 0;
        bool attached = false;
    };

    explicit PulsingHaloLayer(QQuickItem *parent = nullptr);
    ~PulsingHaloLayer() override;

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    qreal fromValueForRadius() const { return m_fromValueForRadius; }
    void setFromValueForRadius(qreal value) { m_fromValueForRadius = value; }
    qreal keyTimeForHalfOpacity() const { return m_keyTimeForHalfOpacity; }
    void setKeyTimeForHalfOpacity(qreal value) { m_keyTimeForHalfOpacity = value; }
    qreal animationDuration() const { return m_animationDuration; }
    void setAnimationDuration(qreal seconds);
    qreal pulseInterval() const { return m_pulseInterval; }
    void setPulseInterval(qreal seconds);
    bool useTimingFunction() const { return m_useTimingFunction; }
    void setUseTimingFunction(bool use) { m_useTimingFunction = use; }
    int haloLayerNumber() const { return m_haloLayerNumber; }
    void setHaloLayerNumber(int count);
    qreal startInterval() const { return m_startInterval; }
    void setStartInterval(qreal seconds);
    bool shouldResume() const { return m_shouldResume; }
    void setShouldResume(bool resume) { m_shouldResume = resume; }
    qreal repeatCount() const { return m_repeatCount; }
    void setRepeatCount(qreal count);

    /// What the copies draw and how: the layer's own appearance is passed on to the disc.
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    void setBorderWidth(qreal width);
    void setBorderColor(const QColor &color);
    /// Places and sizes the layer; the disc takes the same frame.
    void setFrame(const QRectF &frame);
    /// Moves the layer so the discs grow out of `point` (in the parent's coordinates).
    Q_INVOKABLE void centerOn(const QPointF &point);

    /// Copies drawn and the delay between their starts.
    int instanceCount() const { return m_instanceCount; }
    qreal instanceDelay() const { return m_instanceDelay; }
    const Effect &effect() const { return m_effect; }
    /// The last group built by start, kept for inspection.
    const std::optional<PulsingHaloAnimation> &animationGroup() const { return m_animationGroup; }
    /// The pulse running on the disc, if any.
    const std::optional<PulsingHaloAnimation> &pulse() const { return m_pulse; }
    bool isRunning() const { return m_pulse.has_value(); }

    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();
    /// Seconds since the running pulse began; 0 when none runs.
    [[nodiscard]] qreal elapsed() const;
    /// How copy `index` looks `seconds` after the pulse began.
    [[nodiscard]] PulsingHaloAnimation::Frame copyFrameAt(int index, qreal seconds) const;

    void onDidEnterBackground();
    void onWillEnterForeground();

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void settingsChanged();
    void runningChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *data) override;

private:
    void applyCopyDelayRule();
    [[nodiscard]] PulsingHaloAnimation buildGroup() const;
    void setPulse(std::optional<PulsingHaloAnimation> pulse, qreal elapsedSeconds);

    qreal m_radius = 0;
    qreal m_fromValueForRadius = 0;
    qreal m_keyTimeForHalfOpacity = 0;
    qreal m_animationDuration = 0;
    qreal m_pulseInterval = 0;
    bool m_useTimingFunction = true;
    int m_haloLayerNumber = 0;
    qreal m_startInterval = 0;
    bool m_shouldResume = true;
    qreal m_repeatCount = 1;
    QColor m_backgroundColor;

    int m_instanceCount = 1;
    qreal m_instanceDelay = 0;
    Effect m_effect;
    std::optional<PulsingHaloAnimation> m_animationGroup;
    std::optional<PulsingHaloAnimation> m_pulse;
    QElapsedTimer m_clock;
    qint64 m_pulseBeganMs = 0;

    QPointer<QQuickItem> m_prevSuperlayer;
    int m_prevLayerIndex = 0;
    std::optional<PulsingHaloAnimation> m_prevAnimation;
    qreal m_prevElapsed = 0;
    QTimer m_frameTimer;
};
