// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The built zirel-service as a child process for end-to-end tests: it listens on a free port of
// 127.0.0.1 (the service picks it and announces it) over a SQLite database in a temporary
// directory, and stops when this object goes away.
class ServiceProcess {
public:
    // `extraArguments` are appended to the service's command line (for example "--no-demo").
    explicit ServiceProcess(QStringList extraArguments = {});
    ~ServiceProcess();
    ServiceProcess(const ServiceProcess &) = delete;
    ServiceProcess &operator=(const ServiceProcess &) = delete;

    // Starts the service and waits until it listens; false (see output()) when it did not.
    // Started again after stop(), it listens on the port it had, over the same database.
    [[nodiscard]] bool start(int timeoutMs = 20000);
    // Terminates the service and waits for it; does nothing when it is not running.
    void stop();

    // "http://127.0.0.1:PORT/" once started.
    [[nodiscard]] QString baseUrl() const;
    [[nodiscard]] quint16 port() const { return m_port; }
    [[nodiscard]] QString databasePath() const;
    // Everything the service printed so far, for failure messages.
    [[nodiscard]] QString output();

private:
    QStringList m_extraArguments;
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_failure;
    quint16 m_port = 0;
};
