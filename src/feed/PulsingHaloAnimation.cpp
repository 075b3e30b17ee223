// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/PulsingHaloAnimation.h"

#include <QPointF>
#include <cmath>

QEasingCurve PulsingHaloAnimation::defaultEasing() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.25, 0.1), QPointF(0.25, 1.0), QPointF(1.0, 1.0));
    return curve;
}

PulsingHaloAnimation::Frame PulsingHaloAnimation::frameAt(qreal seconds) const {
    if (seconds < 0 || groupDuration <= 0 || seconds >= groupDuration * repeatCount)
        return {};
    qreal local = std::fmod(seconds, groupDuration);
    if (eased) {
        static const QEasingCurve curve = defaultEasing();
        local = groupDuration * curve.valueForProgress(local / groupDuration);
    }
    Frame frame;
    if (local < scaleDuration && scaleDuration > 0) {
        frame.scale = fromScale + (1 - fromScale) * (local / scaleDuration);
        frame.active = true;
    }
    if (local < opacityDuration && opacityDuration > 0) {
        frame.opacity = opacityAt(local / opacityDuration);
        frame.active = true;
    }
    return frame;
}

qreal PulsingHaloAnimation::opacityAt(qreal progress) const {
    if (opacityValues.isEmpty() || opacityValues.size() != keyTimes.size())
        return 0;
    if (progress <= keyTimes.first())
        return opacityValues.first();
    for (qsizetype i = 1; i < keyTimes.size(); ++i) {
        if (progress <= keyTimes[i]) {
            const qreal span = keyTimes[i] - keyTimes[i - 1];
            const qreal t = span > 0 ? (progress - keyTimes[i - 1]) / span : 1;
            return opacityValues[i - 1] + (opacityValues[i] - opacityValues[i - 1]) * t;
        }
    }
    return opacityValues.last();
}
