// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "app/FirstFrameProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QQuickWindow>
#include <QRegularExpression>
#include <cstdio>
#include <ctime>
#include <unistd.h>

FirstFrameProbe::FirstFrameProbe(QQuickWindow *window, std::function<bool()> shown, QObject *parent)
    : QObject(parent)
    , m_shown(std::move(shown)) {
    // Both signals may come from the render thread; the direct connections keep the check
    // inside the synchronisation of the frame it describes.
    connect(
        window, &QQuickWindow::afterSynchronizing, this,
        [this] {
            if (!m_frameShows && m_shown())
                m_frameShows = true;
        },
        Qt::DirectConnection);
    connect(
        window, &QQuickWindow::frameSwapped, this,
        [this] {
            if (!m_frameShows || m_reported.exchange(true))
                return;
            const QByteArray text = line({msSinceProcessStart(), residentKiB()}).toUtf8() + '\n';
            std::fputs(text.constData(), stdout);
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

qint64 FirstFrameProbe::msSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // The command name may hold spaces; the fields after it are plain. The start time is the
    // 22nd field, in clock ticks since boot.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    bool ok = false;
    const qint64 startTicks = fields.value(19).toLongLong(&ok);
    timespec now{};
    if (!ok || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const qint64 ticksPerSecond = sysconf(_SC_CLK_TCK);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000 - startTicks * 1000 / ticksPerSecond;
}

qint64 FirstFrameProbe::residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression vmRss(QStringLiteral("^VmRSS:\\s*(\\d+) kB"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = vmRss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

QString FirstFrameProbe::line(const Report &report) {
    return QStringLiteral("First frame: %1 ms after process start, VmRSS %2 kB")
        .arg(report.msSinceStart)
        .arg(report.residentKiB);
}
