// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ChildStart.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

ChildStart::ChildStart(QString program, QStringList arguments, QProcessEnvironment environment)
    : m_program(std::move(program))
    , m_arguments(std::move(arguments))
    , m_environment(std::move(environment)) {}

std::optional<FirstFrameProbe::Report> ChildStart::report(const QString &line) {
    static const QRegularExpression pattern(
        QStringLiteral("^First frame: (-?\\d+) ms after process start, VmRSS (-?\\d+) kB$"));
    const QRegularExpressionMatch match = pattern.match(line.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return FirstFrameProbe::Report{match.captured(1).toLongLong(), match.captured(2).toLongLong()};
}

std::optional<ChildStart::Figures> ChildStart::run(int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QByteArray output;
    std::optional<Figures> figures;
    const QDeadlineTimer deadline(timeoutMs);
    QElapsedTimer clock;
    clock.start();
    process.start(m_program, m_arguments);
    while (!figures && !deadline.hasExpired()) {
        if (!process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 100))) &&
            process.state() == QProcess::NotRunning)
            break;
        const double elapsed = clock.nsecsElapsed() / 1e6;
        output += process.readAllStandardOutput();
        for (const QByteArray &text : output.split('\n'))
            if (const auto found = report(QString::fromUtf8(text)))
                figures = Figures{elapsed, *found};
    }
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    // Killed at the deadline, the program reads as crashed; the wait is what went wrong.
    const QString why = deadline.hasExpired()
                            ? QStringLiteral("none within %1 s").arg(timeoutMs / 1000)
                            : process.errorString();
    if (!figures)
        m_error = QStringLiteral("%1 gave no first-frame report: %2\n%3")
                      .arg(m_program, why,
                           QString::fromUtf8(output + process.readAllStandardError()).right(2000));
    return figures;
}
