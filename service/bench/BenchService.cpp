// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BenchService.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <unistd.h>

bool BenchService::start(const QString &path, const QString &database, const QStringList &extra) {
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(path,
                    QStringList{QStringLiteral("--database"), database, QStringLiteral("--port"),
                                QStringLiteral("0"), QStringLiteral("--no-demo")} +
                        extra);
    static const QRegularExpression announced(QStringLiteral("listening on [^\\s]*:(\\d+)"));
    QByteArray output;
    while (m_process.waitForReadyRead(20000)) {
        output += m_process.readAll();
        const QRegularExpressionMatch match = announced.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            m_port = match.captured(1).toUShort();
            // Request log lines are not needed here; drop them so the pipe never fills.
            QObject::connect(&m_process, &QProcess::readyRead, &m_process,
                             [this] { m_process.readAll(); });
            return true;
        }
    }
    QTextStream(stdout) << "Cannot start the service: " << output << Qt::endl;
    return false;
}

BenchService::~BenchService() {
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
}

double BenchService::cpuSeconds() const {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(m_process.processId()));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // The fields after the command name, which is in parentheses and may hold spaces:
    // state is the first, user time the twelfth, system time the thirteenth.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) /
           double(sysconf(_SC_CLK_TCK));
}

qint64 BenchService::residentBytes() const {
    QFile statm(QStringLiteral("/proc/%1/statm").arg(m_process.processId()));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    // Pages in all, then resident pages.
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}
