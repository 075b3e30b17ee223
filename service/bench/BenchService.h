// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcess>
#include <QStringList>

// A zirel-service process for a benchmark, on a free port, with its request log dropped.
class BenchService {
public:
    // `extra` is added to the command line; the demo crowd never acts.
    bool start(const QString &path, const QString &database, const QStringList &extra = {});
    ~BenchService();
    [[nodiscard]] quint16 port() const { return m_port; }
    // Processor time the service has used so far, user and system, from the kernel's account
    // of the process: unlike a rate, it hardly moves with what else the machine is doing.
    [[nodiscard]] double cpuSeconds() const;
    // The memory the process holds now.
    [[nodiscard]] qint64 residentBytes() const;

private:
    QProcess m_process;
    quint16 m_port = 0;
};
