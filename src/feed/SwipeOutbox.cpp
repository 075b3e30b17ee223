// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/SwipeOutbox.h"

#include "api/Endpoints.h"
#include "platform/DiagnosticLog.h"
#include "ui/MainThreadReceiver.h"

#include <algorithm>

namespace {
// A swipe is kept until the service has it: after anything but an answer or a final refusal.
bool notStored(const Result<SwipeResponse> &result) {
    return !result.ok() && result.error().mayNotHaveStored();
}
} // namespace

SwipeOutbox::SwipeOutbox(std::unique_ptr<QSettings> defaults, NetworkService &network,
                         Answer resent, QObject *parent)
    : QObject(parent)
    , m_defaults(std::move(defaults))
    , m_writer(*m_defaults)
    , m_network(network)
    , m_resent(std::move(resent))
    , m_retry([this] { resend(m_owner); }) {
    load();
}

void SwipeOutbox::setRetryDelays(RetrySchedule::Delay first, RetrySchedule::Delay longest) {
    m_retry.setDelays(first, longest);
}

void SwipeOutbox::transmit(const Swipe &swipe, Step then) {
    Endpoints::swipeFromFeed(
        swipe.toUserID, swipe.type, swipe.message,
        [to = MainThreadReceiver(this), then = std::move(then)](Result<SwipeResponse> result) {
            to.post([then, result = std::move(result)](SwipeOutbox &self) { then(self, result); });
        },
        m_network);
}

void SwipeOutbox::send(const Swipe &swipe, Answer answered) {
    transmit(swipe, [swipe, answered](SwipeOutbox &self, const Result<SwipeResponse> &result) {
        if (notStored(result))
            self.keep(swipe);
        answered(result);
    });
}

void SwipeOutbox::keep(const Swipe &swipe) {
    if (!m_kept.contains(swipe)) {
        m_kept.append(swipe);
        store();
    }
    m_owner = swipe.owner;
    // A round of sending again that is under way plans the next one when it ends.
    if (m_onTheirWay.isEmpty() && !m_retry.isWaiting())
        m_retry.failed();
}

void SwipeOutbox::resend(const QString &owner) {
    m_owner = owner;
    for (const Swipe &swipe : std::as_const(m_kept)) {
        if (swipe.owner != owner || m_onTheirWay.contains(swipe))
            continue;
        m_onTheirWay.append(swipe);
        transmit(swipe, [swipe](SwipeOutbox &self, const Result<SwipeResponse> &result) {
            self.resentAnswered(swipe, result);
        });
    }
}

void SwipeOutbox::resentAnswered(const Swipe &swipe, const Result<SwipeResponse> &result) {
    m_onTheirWay.removeOne(swipe);
    if (!notStored(result) && m_kept.removeOne(swipe))
        store();
    m_resent(result);
    if (!m_onTheirWay.isEmpty())
        return;
    const bool anyLeft = std::any_of(m_kept.cbegin(), m_kept.cend(),
                                     [this](const Swipe &s) { return s.owner == m_owner; });
    if (anyLeft)
        m_retry.failed();
    else
        m_retry.reset();
}

void SwipeOutbox::load() {
    const QByteArray stored = m_defaults->value(key()).toByteArray();
    if (stored.isEmpty())
        return;
    std::optional<QList<Swipe>> kept = PendingSwipesFormat::decode(stored);
    if (!kept) {
        qCWarning(lcFeed).noquote() << QStringLiteral("Ошибка загрузки неотправленных свайпов");
        return;
    }
    m_kept = std::move(*kept);
}

void SwipeOutbox::store() {
    m_writer.write(key(), PendingSwipesFormat::encode(m_kept));
}
