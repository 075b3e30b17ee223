// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "chats/ChatsVC.h"

#include "api/Endpoints.h"
#include "api/EventChannel.h"
#include "chats/ChatDetailsVC.h"
#include "platform/DesktopNotifier.h"
#include "platform/DiagnosticLog.h"
#include "store/ChatCashManager.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"
#include "ui/TabContainer.h"

namespace {
// A new pair or the latest message of a conversation, on the desktop.
void announce(DesktopNotifier &notifier, const Match &match) {
    const bool newPair = match.messages.isEmpty();
    const QString summary = newPair ? ChatsVC::tr("Новая пара") : match.profile.name;
    const QString body = newPair ? ChatsVC::tr("Вы образовали пару с ") + match.profile.name
                                 : match.messages.last().content;
    notifier.announce(summary, body, match.chatID);
}
} // namespace

ChatsVC::ChatsVC(Services services, QObject *parent)
    : ViewController(QStringLiteral("ChatsVC"), services, parent)
    , m_cache(services.savedMatches())
    , m_network(services.network()) {
    m_rows.setMatches(m_cache.load().value_or(QList<Match>()));
}

void ChatsVC::viewDidLoad() {
    updateTableHidden();
    updateBadge();
    setLoading(true);
    requestPage(m_currentPage, perPage, false);

    EventChannel &events = services().events();
    m_updateTimer.setInterval(events.isLive() ? EventChannel::kSafetyPollMs : refreshIntervalMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &ChatsVC::refresh);
    m_updateTimer.start();
    connect(&events, &EventChannel::arrived, this, [this](const LiveEvent &event) {
        if (!event.changesMatches())
            return;
        if (m_refreshing)
            m_refreshAgain = true;
        else
            refresh();
    });
    connect(&events, &EventChannel::liveChanged, this, [this](bool live) {
        m_updateTimer.start(live ? EventChannel::kSafetyPollMs : refreshIntervalMs);
        refresh();
    });
}

void ChatsVC::requestPage(int page, int count, bool isRefresh) {
    Endpoints::chats(
        page, count,
        [to = MainThreadReceiver(this), page, isRefresh](const Result<QList<Match>> &result) {
            to.post([page, isRefresh, result](ChatsVC &chats) {
                if (isRefresh)
                    chats.refreshResult(page, result);
                else
                    chats.pageResult(page, result);
            });
        },
        m_network);
}

void ChatsVC::pageResult(int page, const Result<QList<Match>> &result) {
    setLoading(false);
    if (!result.ok()) {
        qCWarning(lcChats).noquote() << result.error().reason;
        return;
    }
    const QList<Match> &matches = result.value();
    // The server's page size, whatever this screen asked for.
    if (matches.size() < 20)
        m_hasMoreData = false;
    if (page == 1) {
        assign(matches);
    } else {
        const QList<Match> all = data() + matches;
        m_rows.setMatches(all);
        m_cache.save(all);
    }
    updateTableHidden();
    updateBadge();
}

void ChatsVC::refresh() {
    if (m_isLoading || m_refreshing)
        return;
    // Everything loaded is asked for again, in pages the service still gives whole.
    m_refreshWanted = std::max<int>(perPage, int(data().size()));
    m_refreshed.clear();
    m_refreshing = true;
    requestPage(1, refreshPageSize(), true);
}

int ChatsVC::refreshPageSize() const {
    return std::min(m_refreshWanted, largestPage);
}

void ChatsVC::refreshResult(int page, const Result<QList<Match>> &result) {
    if (!result.ok()) {
        m_refreshing = false;
        qCWarning(lcChats).noquote() << result.error().reason;
        if (std::exchange(m_refreshAgain, false))
            refresh();
        return;
    }
    m_refreshed += result.value();
    if (result.value().size() == refreshPageSize() && m_refreshed.size() < m_refreshWanted) {
        requestPage(page + 1, refreshPageSize(), true);
        return;
    }
    m_refreshing = false;
    const QList<Match> before = data();
    assign(std::exchange(m_refreshed, {}));
    updateBadge();
    for (const Match &match : freshActivity(before, data()))
        announce(services().desktopNotifier(), match);
    if (std::exchange(m_refreshAgain, false))
        refresh();
}

void ChatsVC::assign(const QList<Match> &matches) {
    m_rows.setMatches(matches);
    updateTableHidden();
    m_cache.save(matches);
}

void ChatsVC::didScroll(qreal offsetY, qreal contentHeight, qreal tableHeight) {
    if (offsetY <= contentHeight - tableHeight - 100 || m_isLoading || !m_hasMoreData)
        return;
    m_currentPage += 1;
    setLoading(true);
    requestPage(m_currentPage, perPage, false);
}

void ChatsVC::selectRow(int row) {
    if (row < 0 || row >= data().size())
        return;
    NavigationContainer *navigation = navigationContainer();
    if (!navigation)
        return;
    const Match &match = data().at(row);
    // Beside the list, choosing the open conversation again keeps it as it is.
    if (navigation->depth() > 1 && m_rows.openChat() == match.chatID)
        return;
    ViewController *conversation = openedConversation(match);
    conversation->setHidesTabBar(true);
    closePanel();
    showOpen(navigation, match.chatID);
    // With the list beside the conversation, another row replaces the one on view rather than
    // stacking conversations that Escape would then walk back through.
    if (navigation->depth() > 1)
        navigation->setStack({this, conversation}, false);
    else
        navigation->push(conversation, true);
}

void ChatsVC::showOpen(NavigationContainer *navigation, const QUuid &chatID) {
    m_rows.setOpenChat(chatID);
    updateBadge();
    connect(navigation, &NavigationContainer::stackChanged, this, &ChatsVC::stackChanged,
            Qt::UniqueConnection);
}

void ChatsVC::stackChanged() {
    const NavigationContainer *navigation = navigationContainer();
    if (!navigation || navigation->depth() < 2) {
        m_rows.setOpenChat({});
        updateBadge();
    }
}

ViewController *ChatsVC::conversationFor(const QUuid &chatID) {
    for (const Match &match : data()) {
        if (match.chatID != chatID)
            continue;
        if (NavigationContainer *navigation = navigationContainer())
            showOpen(navigation, chatID);
        return openedConversation(match);
    }
    return nullptr;
}

ViewController *ChatsVC::openedConversation(const Match &match) {
    ViewController *conversation = services().screens().createChatDetails(match, services());
    if (auto *details = qobject_cast<ChatDetailsVC *>(conversation))
        connect(details, &ChatDetailsVC::closed, this, &ChatsVC::refresh);
    return conversation;
}

QString ChatsVC::badgeText() const {
    const qsizetype unread = m_rows.shownUnreadCount();
    return unread == 0 ? QString() : QString::number(unread);
}

QList<Match> ChatsVC::freshActivity(const QList<Match> &before, const QList<Match> &now) {
    QList<Match> fresh;
    for (const Match &match : now) {
        const auto old = std::find_if(before.cbegin(), before.cend(),
                                      [&](const Match &m) { return m.chatID == match.chatID; });
        const bool isNew = old == before.cend();
        const bool newlyUnread =
            match.isUnread && (isNew || !old->isUnread || old->messages != match.messages);
        if (isNew || newlyUnread)
            fresh.append(match);
    }
    return fresh;
}

void ChatsVC::setLoading(bool loading) {
    if (loading == m_isLoading)
        return;
    m_isLoading = loading;
    Q_EMIT loadingChanged();
}

void ChatsVC::updateTableHidden() {
    const bool hidden = data().isEmpty();
    if (hidden == m_tableHidden)
        return;
    m_tableHidden = hidden;
    Q_EMIT tableHiddenChanged();
}

void ChatsVC::updateBadge() {
    if (TabContainer *tabs = tabBarController())
        tabs->setBadge(this, badgeText());
}
