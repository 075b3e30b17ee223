// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/ProfileView.h"
#include "api/Result.h"

#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class NetworkService;

// The feed's first profiles, asked for while the main screen is still being built so that they
// travel together with the user's own record instead of after it. They may serve one load, the
// one that the answer to that record's call starts (or its failure, with the stored record): a
// load for any other reason before it (a settings change) spends them unused and asks the
// service again, since they may no longer fit.
class MainVCPrefetch : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(const Result<QList<ProfileView>> &)>;

    /// Sends the request at once.
    MainVCPrefetch(NetworkService &network, QObject *parent = nullptr);

    /// The user's record arrived or failed to: the answer may serve the load that follows (with
    /// the fresh record or the stored one).
    void userAnswered();
    /// Hands the answer to `completion` on the main thread, at once when it is in, else when it
    /// arrives. False when it cannot serve this load; it is spent either way.
    [[nodiscard]] bool take(Completion completion);

private:
    void arrived(const Result<QList<ProfileView>> &result);

    bool m_usable = false;
    bool m_spent = false;
    std::optional<Result<QList<ProfileView>>> m_answer;
    Completion m_waiting;
};
