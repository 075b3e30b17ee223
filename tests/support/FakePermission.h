// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/NotificationPermission.h"

// The notification permission as the test sets it, answering every request at once, and the
// push service's token when the test hands one over.
class FakePermission : public NotificationPermission {
public:
    Status answer = Status::Authorized;
    bool grants = true;
    QString error;
    int requests = 0;
    int registrations = 0;

    Status status() const override { return answer; }
    void requestAuthorization(PermissionPrompt::Asked,
                              std::function<void(bool, QString)> answered) override {
        ++requests;
        answered(grants, error);
    }
    void registerForRemoteNotifications() override { ++registrations; }
    void deliverToken(const QByteArray &token) { Q_EMIT deviceTokenReceived(token); }
};
