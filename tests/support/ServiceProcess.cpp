// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ServiceProcess.h"

#include "BuildConfigValues.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>

namespace {
const QString kLogName = QStringLiteral("service.log");
} // namespace

ServiceProcess::ServiceProcess(QStringList extraArguments)
    : m_extraArguments(std::move(extraArguments)) {
    // The service logs every request. Through a pipe nobody drains while a caller blocks on
    // something else (a benchmark timing a client start), the pipe fills and the service stops
    // answering; a file never pushes back.
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(m_dir.filePath(kLogName));
}

ServiceProcess::~ServiceProcess() {
    stop();
}

QString ServiceProcess::databasePath() const {
    return m_dir.filePath(QStringLiteral("service.sqlite"));
}

QString ServiceProcess::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_port);
}

QString ServiceProcess::output() {
    QFile log(m_dir.filePath(kLogName));
    return m_failure +
           (log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString());
}

bool ServiceProcess::start(int timeoutMs) {
    if (!m_dir.isValid()) {
        m_failure = QStringLiteral("no temporary directory for the database");
        return false;
    }
    // Port 0 lets the service take a free port, which it announces on its first line. The
    // service opens envelopes with the key the client under test was built with. Tests sign
    // in many people from one address.
    QStringList arguments{QStringLiteral("--listen"),
                          QStringLiteral("127.0.0.1"),
                          QStringLiteral("--port"),
                          QStringLiteral("0"),
                          QStringLiteral("--database"),
                          databasePath(),
                          QStringLiteral("--envelope-key"),
                          QStringLiteral(ZIREL_BUILD_ENVELOPE_KEY),
                          QStringLiteral("--review-token"),
                          QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN),
                          QStringLiteral("--sign-ins-per-hour"),
                          QStringLiteral("1000000")};
    arguments += m_extraArguments;
    // Started again after stop(): the same address, as a restarted service has.
    if (m_port != 0)
        arguments += {QStringLiteral("--port"), QString::number(m_port)};
    m_process.start(QStringLiteral(ZIREL_SERVICE_BINARY), arguments);
    if (!m_process.waitForStarted(timeoutMs)) {
        m_failure = m_process.errorString();
        return false;
    }
    static const QRegularExpression announced(QStringLiteral("listening on [^\\s]*:(\\d+)"));
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForFinished(int(qMin<qint64>(deadline.remainingTime(), 20)));
        const QRegularExpressionMatch match = announced.match(output());
        if (match.hasMatch()) {
            m_port = match.captured(1).toUShort();
            return m_port != 0;
        }
    }
    stop();
    return false;
}

void ServiceProcess::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
