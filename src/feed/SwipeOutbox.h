// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Result.h"
#include "api/RetrySchedule.h"
#include "api/SwipeResponse.h"
#include "feed/PendingSwipesFormat.h"
#include "platform/SettingsWriter.h"

#include <QList>
#include <QObject>
#include <QSettings>
#include <functional>
#include <memory>

class NetworkService;

// The feed's likes and passes on their way to the service. One the service may not have stored
// (no answer, a time-out, a server error, a refused session) is kept, in the user defaults under
// "pendingSwipes" too so quitting does not lose it, and sent again, waiting longer after each
// failure, until the service answers. The service keeps one swipe per pair of people, so a swipe
// sent twice does no harm.
class SwipeOutbox : public QObject {
    Q_OBJECT
public:
    using Swipe = PendingSwipesFormat::Swipe;
    using Answer = std::function<void(const Result<SwipeResponse> &)>;

    /// Picks up the swipes kept by an earlier run. `resent` hears the answer to every swipe
    /// sent again, failures included.
    SwipeOutbox(std::unique_ptr<QSettings> defaults, NetworkService &network, Answer resent,
                QObject *parent = nullptr);

    [[nodiscard]] static QString key() { return QStringLiteral("pendingSwipes"); }

    /// Sends a swipe; `answered` hears the first answer, on the main thread.
    void send(const Swipe &swipe, Answer answered);
    /// Sends the kept swipes of `owner` again now, those not already on their way.
    void resend(const QString &owner);
    [[nodiscard]] const QList<Swipe> &kept() const { return m_kept; }
    void setRetryDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest);

private:
    using Step = std::function<void(SwipeOutbox &, const Result<SwipeResponse> &)>;
    /// One call to the service; `then` runs on the main thread while the outbox lives.
    void transmit(const Swipe &swipe, Step then);
    void keep(const Swipe &swipe);
    void resentAnswered(const Swipe &swipe, const Result<SwipeResponse> &result);
    void load();
    void store();

    std::unique_ptr<QSettings> m_defaults;
    SettingsWriter m_writer;
    NetworkService &m_network;
    Answer m_resent;
    QList<Swipe> m_kept;
    QList<Swipe> m_onTheirWay;
    QString m_owner;
    RetrySchedule m_retry;
};
