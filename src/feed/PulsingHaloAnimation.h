// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QEasingCurve>
#include <QList>

// One pulse of the searching halo: the disc grows from `fromScale` to full size while its
// opacity runs through keyframes, then rests until the group's duration is over, and the
// whole group repeats `repeatCount` times. Times are in seconds.
struct PulsingHaloAnimation {
    /// What a disc looks like at one moment.
    struct Frame {
        qreal scale = 1;
        qreal opacity = 0;
        bool active = false; // false: outside the pulse, the disc shows its resting state
    };

    qreal groupDuration = 3;
    qreal repeatCount = 1;
    bool eased = true;
    qreal scaleDuration = 3;
    qreal fromScale = 0;
    qreal opacityDuration = 3;
    QList<qreal> opacityValues;
    QList<qreal> keyTimes;

    /// The disc `seconds` after the group began (negative: not begun yet).
    [[nodiscard]] Frame frameAt(qreal seconds) const;
    /// The curve a group with the default easing follows.
    [[nodiscard]] static QEasingCurve defaultEasing();

private:
    [[nodiscard]] qreal opacityAt(qreal progress) const;
};
