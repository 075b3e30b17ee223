// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <atomic>
#include <functional>

class QQuickWindow;

// Reports the first frame of a window that shows what a condition asks for, then quits the
// application. The report is one line on standard output with the time since the process
// started (as the system counts it, so library loading is included) and the resident memory;
// start-up benchmarks read it. The condition runs while the scene is synchronised, when the
// interface thread is blocked and the screens' state is what the frame will show.
class FirstFrameProbe : public QObject {
    Q_OBJECT
public:
    struct Report {
        qint64 msSinceStart = 0;
        qint64 residentKiB = 0;
    };

    FirstFrameProbe(QQuickWindow *window, std::function<bool()> shown, QObject *parent = nullptr);

    /// Milliseconds since this process was started, to the system clock's tick (10 ms); -1 when
    /// the system does not tell.
    [[nodiscard]] static qint64 msSinceProcessStart();
    /// VmRSS of this process in KiB, or -1.
    [[nodiscard]] static qint64 residentKiB();
    /// The report line as the probe prints it; the start-up benchmark reads this form.
    [[nodiscard]] static QString line(const Report &report);

private:
    std::function<bool()> m_shown;
    std::atomic<bool> m_frameShows = false;
    std::atomic<bool> m_reported = false;
};
