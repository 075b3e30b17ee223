// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class NetworkService;
class NotificationPermission;

// Hands the address the push service gave this machine to the service, so it can reach the
// user when the client is closed; once the service has it, later starts do not send it again.
class PushRegistration : public QObject {
    Q_OBJECT
public:
    PushRegistration(NotificationPermission &permission, NetworkService &network,
                     QObject *parent = nullptr);

    /// The token as the service takes it: two lower-case hexadecimal digits per byte.
    [[nodiscard]] static QString hex(const QByteArray &token);

private:
    void tokenReceived(const QByteArray &token);

    NetworkService &m_network;
};
