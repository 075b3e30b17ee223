#include "ServiceProcess.h"

#include "BuildConfigValues.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

ServiceProcess::ServiceProcess(QStringList extraArguments)
    : m_extraArguments(std::move(extraArguments)) {
    m_process.setProcessChannelMode(QProcess::MergedChannels);
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
    m_output += m_process.readAll();
    return QString::fromUtf8(m_output);
}

bool ServiceProcess::start(int timeoutMs) {
    if (!m_dir.isValid()) {
        m_output = "no temporary directory for the database";
        return false;
    }
    // Port 0 lets the service take a free port, which it announces on its first line. The
    // service opens envelopes with the key the client under test was built with.
    QStringList arguments{
        QStringLiteral("--listen"),       QStringLiteral("127.0.0.1"),
        QStringLiteral("--port"),         QStringLiteral("0"),
        QStringLiteral("--database"),     databasePath(),
        QStringLiteral("--envelope-key"), QStringLiteral(ZIREL_BUILD_ENVELOPE_KEY)};
    arguments += m_extraArguments;
    m_process.start(QStringLiteral(ZIREL_SERVICE_BINARY), arguments);
    if (!m_process.waitForStarted(timeoutMs)) {
        m_output = m_process.errorString().toUtf8();
        return false;
    }
    static const QRegularExpression announced(QStringLiteral("listening on [^\\s]*:(\\d+)"));
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 200)));
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
    m_output += m_process.readAll();
}
