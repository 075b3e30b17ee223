// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "StdoutCapture.h"

#include "platform/DiagnosticLog.h"

#include <QFile>
#include <QTest>
#include <cstdio>
#include <unistd.h>

StdoutCapture::StdoutCapture() {
    if (!m_file.open())
        qFatal("Cannot create a file to capture standard output");
    std::fflush(stdout);
    m_savedFd = ::dup(STDOUT_FILENO);
    ::dup2(m_file.handle(), STDOUT_FILENO);
    m_savedHandler = DiagnosticLog::install(DiagnosticLog::Warnings::AlsoPassOn);
}

StdoutCapture::~StdoutCapture() {
    qInstallMessageHandler(m_savedHandler);
    std::fflush(stdout);
    ::dup2(m_savedFd, STDOUT_FILENO);
    ::close(m_savedFd);
    // A check that failed while the capture ran wrote its report into the capture too.
    if (QTest::currentTestFailed()) {
        const QByteArray captured = text().toUtf8();
        std::fwrite(captured.constData(), 1, size_t(captured.size()), stdout);
        std::fflush(stdout);
    }
}

QString StdoutCapture::text() {
    std::fflush(stdout);
    QFile reader(m_file.fileName());
    if (!reader.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(reader.readAll());
}
