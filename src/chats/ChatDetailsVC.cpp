// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "chats/ChatDetailsVC.h"

#include "api/Endpoints.h"
#include "api/EventChannel.h"
#include "cards/ProfileCardModel.h"
#include "chats/MatchListModel.h"
#include "platform/DiagnosticLog.h"
#include "store/UnsentMessages.h"
#include "store/UserManager.h"
#include "ui/ChoiceAlertVC.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"

#include <QTimeZone>

namespace {
bool hasRepeats(const QString &text) {
    return text.contains(QStringLiteral("\n\n")) || text.contains(QStringLiteral("  "));
}
} // namespace

ChatDetailsVC::ChatDetailsVC(Match match, Services services, QObject *parent)
    : ViewController(QStringLiteral("ChatDetailsVC"), services, parent)
    , m_match(std::move(match))
    , m_network(services.network())
    , m_unsent(services.unsentMessages())
    , m_olderRetry([this] {
        if (!m_isLoadingOlderMessages)
            loadOlder();
    }) {
    // What never reached the service comes after what did, as when it was written.
    if (const std::optional<QUuid> ownID =
            WireFormat::parseUuid(services.user().currentUser().userID))
        m_unconfirmed = m_unsent.of(m_match.chatID, *ownID);
    m_rows.setMessages(m_match.messages + m_unconfirmed);
    noteNewest(m_match.messages);
    connect(&m_unsent, &UnsentMessages::markChanged, this,
            [this](const QUuid &id, bool failed) { m_rows.setFailed(id, failed); });
    // With live events a message is asked for when it comes; the poll only makes sure.
    EventChannel &events = services.events();
    m_updateTimer.setInterval(events.isLive() ? EventChannel::kSafetyPollMs : pollIntervalMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &ChatDetailsVC::pollNewer);
    connect(&events, &EventChannel::arrived, this, [this](const LiveEvent &event) {
        if (m_updateTimer.isActive() && event.kind == LiveEvent::Kind::Message &&
            event.chatID == m_match.chatID)
            pollNewer();
    });
    connect(&events, &EventChannel::liveChanged, this, [this](bool live) {
        m_updateTimer.setInterval(live ? EventChannel::kSafetyPollMs : pollIntervalMs);
        // What came while the channel was changing is asked for at once, either way.
        if (m_updateTimer.isActive()) {
            m_updateTimer.start();
            pollNewer();
        }
    });
}

QString ChatDetailsVC::avatar() const {
    return MatchListModel::avatarAddress(m_match.profile);
}

void ChatDetailsVC::viewDidLoad() {
    m_rows.setOwnUserID(services().user().currentUser().userID);
}

void ChatDetailsVC::viewDidAppear() {
    // A desktop window behaves like a tablet: the field always takes the focus.
    Q_EMIT focusRequested();
    scrollToBottomSoon(true);
    m_updateTimer.start();
    // A new pair has nothing to poll after. Asking once for what is there tells the service the
    // conversation was opened, so its unread mark goes, and shows what came since the list.
    if (messages().isEmpty() && !m_isLoadingOlderMessages)
        loadOlder();
}

void ChatDetailsVC::viewWillDisappear(bool) {
    m_updateTimer.stop();
    NavigationContainer *navigation = navigationContainer();
    if (navigation && !navigation->stack().contains(this))
        emit closed();
}

void ChatDetailsVC::scrollToBottomSoon(bool animated) {
    QTimer::singleShot(10, this, [this, animated] { Q_EMIT scrollToBottomRequested(animated); });
}

void ChatDetailsVC::textEdited(const QString &proposed) {
    if (!hasRepeats(proposed))
        m_text = proposed.size() > maxLength ? proposed.left(maxLength) : proposed;
    Q_EMIT textChanged();
}

bool ChatDetailsVC::returnPressed() {
    if (!sendEnabled())
        return false;
    handleSendButton();
    return true;
}

void ChatDetailsVC::handleSendButton() {
    const std::optional<QUuid> ownID =
        WireFormat::parseUuid(services().user().currentUser().userID);
    if (!ownID || m_text.isEmpty())
        return;
    Message message;
    message.id = QUuid::createUuid();
    message.senderID = *ownID;
    message.content = m_text;
    message.createdAt = QDateTime::currentDateTimeUtc();
    m_rows.setOwnUserID(WireFormat::uuidText(*ownID));
    m_rows.append({message});
    m_unconfirmed.append(message);
    m_text.clear();
    Q_EMIT textChanged();
    scrollToBottomSoon(true);
    transmit(message);
}

void ChatDetailsVC::transmit(const Message &message) {
    // On disk before the request leaves, so quitting while it is under way loses nothing. The
    // answer goes to the store, which outlives this screen, and the store tells the bubble.
    m_unsent.sending(m_match.chatID, message);
    Endpoints::sendMessage(
        m_match.chatID, message.content, *message.id,
        [to = MainThreadReceiver(&m_unsent), chat = MainThreadReceiver(this),
         id = *message.id](const Result<SendMessageResponse> &result) {
            if (result.ok()) {
                qCInfo(lcChats).noquote() << QStringLiteral("Сообщение успешно отправлено");
                to.post([id](UnsentMessages &unsent) { unsent.sent(id); });
                if (const std::optional<QUuid> stored = result.value().id)
                    chat.post(
                        [id, stored](ChatDetailsVC &screen) { screen.confirmed(id, *stored); });
                return;
            }
            const APIError &error = result.error();
            qCWarning(lcChats).noquote()
                << QStringLiteral("Ошибка отправки сообщения: ") + error.reason;
            to.post([id](UnsentMessages &unsent) { unsent.failed(id); });
            const bool away = error.unanswered || error.status >= 500 || error.status == 408 ||
                              error.status == 429;
            chat.post([id, away](ChatDetailsVC &screen) { screen.sendFailed(id, away); });
        },
        m_network);
}

void ChatDetailsVC::sendFailed(const QUuid &id, bool serviceAway) {
    if (serviceAway && !m_stranded.contains(id))
        m_stranded.insert(id, 0);
    else if (!serviceAway)
        m_stranded.remove(id);
}

void ChatDetailsVC::resendStranded() {
    for (auto it = m_stranded.begin(); it != m_stranded.end(); ++it) {
        const auto row = std::find_if(messages().cbegin(), messages().cend(),
                                      [&](const Message &m) { return m.id == it.key(); });
        if (row != messages().cend() && row->failed && it.value() < kAutomaticResends) {
            ++it.value();
            transmit(*row);
        }
    }
}

void ChatDetailsVC::confirmed(const QUuid &sentID, const QUuid &storedID) {
    m_stranded.remove(sentID);
    // Known by its id from now on, the service's copy is told apart from a message of the same
    // text, and after an answer lost once, the copy shown already stands for this bubble.
    m_unconfirmed.removeIf([&sentID](const Message &m) { return m.id == sentID; });
    m_rows.confirm(sentID, storedID);
}

bool ChatDetailsVC::isFailedRow(int row) const {
    return row >= 0 && row < messages().size() && messages().at(row).failed &&
           messages().at(row).id;
}

void ChatDetailsVC::resendTapped(int row) {
    if (isFailedRow(row))
        transmit(messages().at(row));
}

void ChatDetailsVC::deleteTapped(int row) {
    if (!isFailedRow(row))
        return;
    const QUuid id = *messages().at(row).id;
    m_unsent.remove(id);
    m_stranded.remove(id);
    // Should the service have stored it after all, its copy shows when it comes.
    m_unconfirmed.removeIf([&id](const Message &m) { return m.id == id; });
    m_rows.removeMessage(row);
}

void ChatDetailsVC::didScroll(qreal offsetY) {
    m_offsetY = offsetY;
    if (offsetY > 0 || m_isLoadingOlderMessages || !m_hasMoreOlderMessages || messages().isEmpty())
        return;
    loadOlder();
}

void ChatDetailsVC::loadOlder() {
    m_isLoadingOlderMessages = true;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime before =
        messages().isEmpty() ? now : messages().first().createdAt.value_or(now);
    const QUuid first = messages().isEmpty() ? QUuid() : messages().first().id.value_or(QUuid());
    Endpoints::olderMessages(
        m_match.chatID, before, first,
        [to = MainThreadReceiver(this)](const Result<QList<Message>> &result) {
            to.post([result](ChatDetailsVC &chat) { chat.olderResult(result); });
        },
        m_network);
}

void ChatDetailsVC::olderResult(const Result<QList<Message>> &result) {
    if (!result.ok()) {
        qCWarning(lcChats).noquote()
            << QStringLiteral("Ошибка загрузки старых сообщений: ") + result.error().reason;
        m_olderRetry.failed();
    } else if (result.value().isEmpty()) {
        m_olderRetry.reset();
        m_hasMoreOlderMessages = false;
    } else {
        m_olderRetry.reset();
        m_heightBeforeInsert = std::pair{m_contentHeight, m_offsetY};
        m_rows.prepend(result.value());
        if (!m_pollAnchor)
            noteNewest(result.value());
    }
    m_isLoadingOlderMessages = false;
}

void ChatDetailsVC::didLayout(qreal contentHeight, qreal tableHeight) {
    m_contentHeight = contentHeight;
    if (m_heightBeforeInsert) {
        const auto [heightBefore, offsetBefore] = *m_heightBeforeInsert;
        m_heightBeforeInsert.reset();
        m_offsetY = offsetBefore + (contentHeight - heightBefore);
        Q_EMIT contentOffsetRequested(m_offsetY);
    }
    if (!m_didScrollToBottom && contentHeight > tableHeight) {
        m_didScrollToBottom = true;
        Q_EMIT scrollToBottomRequested(false);
    }
}

void ChatDetailsVC::noteNewest(const QList<Message> &page) {
    // The service answers in the chat's own order, so the last message of a page is its newest;
    // the dates cannot tell, as many messages share a second.
    for (auto message = page.crbegin(); message != page.crend(); ++message) {
        if (message->createdAt && message->id) {
            m_pollAnchor = PollAnchor{*message->createdAt, *message->id};
            return;
        }
    }
}

void ChatDetailsVC::pollNewer() {
    if (m_pollInFlight) {
        m_pollAgain = true;
        return;
    }
    m_pollInFlight = true;
    // The poll goes on from the newest message the service gave, not from one sent here: a
    // reply stored a moment before the user's own message would otherwise never come.
    // Before the service gave any message, everything since the pair was made.
    const QDateTime after =
        m_pollAnchor
            ? m_pollAnchor->createdAt
            : m_match.createdAt.value_or(QDateTime::fromSecsSinceEpoch(0, QTimeZone::utc()));
    Endpoints::newerMessages(
        m_match.chatID, after, m_pollAnchor ? m_pollAnchor->id : QUuid(),
        [to = MainThreadReceiver(this)](const Result<QList<Message>> &result) {
            to.post([result](ChatDetailsVC &chat) { chat.newerResult(result); });
        },
        m_network);
}

void ChatDetailsVC::newerResult(const Result<QList<Message>> &result) {
    m_pollInFlight = false;
    // After this answer has moved the anchor on.
    if (std::exchange(m_pollAgain, false))
        QMetaObject::invokeMethod(this, &ChatDetailsVC::pollNewer, Qt::QueuedConnection);
    if (!result.ok()) {
        qCWarning(lcChats).noquote()
            << QStringLiteral("Ошибка загрузки новых сообщений: ") + result.error().reason;
        return;
    }
    // The service answers again: the history it could not give comes now, not after the wait.
    if (m_olderRetry.isWaiting() && !m_isLoadingOlderMessages) {
        m_olderRetry.reset();
        loadOlder();
    }
    resendStranded();
    noteNewest(result.value());
    // The poll also brings back what this screen sent: the user's own message with the text of
    // one sent here and not seen back yet is that one. Nothing else the service holds is left
    // out, whatever its text; only a message already shown (the same id) is.
    QList<Message> kept;
    const QString own = services().user().currentUser().userID;
    for (const Message &received : result.value()) {
        const auto sameId = [&](const Message &m) { return received.id && m.id == received.id; };
        if (std::any_of(messages().cbegin(), messages().cend(), sameId) ||
            std::any_of(kept.cbegin(), kept.cend(), sameId))
            continue;
        if (WireFormat::uuidText(received.senderID) == own) {
            const auto sameText = [&](const Message &m) { return m.content == received.content; };
            const auto echoed =
                std::find_if(m_unconfirmed.cbegin(), m_unconfirmed.cend(), sameText);
            if (echoed != m_unconfirmed.cend()) {
                m_unconfirmed.erase(echoed);
                continue;
            }
        }
        kept.append(received);
    }
    if (kept.isEmpty())
        return;
    m_rows.append(kept);
    scrollToBottomSoon(false);
}

void ChatDetailsVC::flagButtonTapped() {
    auto *alert =
        new ChoiceAlertVC(tr("Удалить мэтч?"), tr("Ты действительно хочешь удалить мэтч?"),
                          tr("Да, удалить"), tr("Отмена"));
    connect(alert, &ChoiceAlertVC::accepted, this, &ChatDetailsVC::removeMatch);
    present(alert, PresentationStyle::CrossDissolve, true);
}

void ChatDetailsVC::removeMatch() {
    if (!m_match.id)
        return;
    Endpoints::cancelMatch(
        *m_match.id,
        [to = MainThreadReceiver(this)](const Result<EmptyResponse> &result) {
            const bool ok = result.ok();
            const QString reason = ok ? QString() : result.error().reason;
            if (!ok)
                qCWarning(lcChats).noquote() << QStringLiteral("Ошибка отмены матча: ") + reason;
            to.post([ok, reason](ChatDetailsVC &chat) {
                if (ok)
                    chat.backTapped();
                else
                    chat.present(new ChoiceAlertVC(tr("Ошибка"), reason, tr("ОК")),
                                 PresentationStyle::CrossDissolve, true);
            });
        },
        m_network);
}

void ChatDetailsVC::titleTapped() {
    const CardModel card =
        ProfileCardModel::make(m_match.profile, ProfileCardModel::Distance::Plain);
    present(services().screens().createUserInfo(card, {}, true, services()),
            PresentationStyle::Panel, false);
}

void ChatDetailsVC::backTapped() {
    if (NavigationContainer *navigation = navigationContainer())
        navigation->pop(true);
}
