// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TourStops.h"
#include "api/NetworkService.h"
#include "app/TabBar.h"
#include "chats/ChatDetailsVC.h"
#include "chats/ChatsVC.h"
#include "store/ChatCashManager.h"
#include "store/UserManager.h"
#include "ui/NavigationContainer.h"
#include "ui/Services.h"

namespace {
// The conversations shown in the tour, built in place of a service answer.
const QUuid ownID = QUuid::fromString(u"6F1C2B7E-3A4D-4E5F-8A9B-0C1D2E3F4A5B");

Message chatLine(int minute, bool own, const QString &content) {
    Message message;
    message.id = QUuid::createUuid();
    message.senderID = own ? ownID : QUuid::fromString(u"0E1F2A3B-4C5D-4E6F-8A7B-9C0D1E2F3A4B");
    message.content = content;
    message.createdAt = QDateTime(QDate(2025, 3, 1), QTime(17, minute), Qt::UTC);
    return message;
}

QList<Match> cannedMatches(bool withUnread) {
    const QList<std::tuple<QString, bool, QList<Message>>> people = {
        {QStringLiteral("Мария"),
         true,
         {chatLine(1, true, QStringLiteral("Привет! Как прошёл день?")),
          chatLine(3, false, QStringLiteral("Отлично, была на выставке. А у тебя?"))}},
        {QStringLiteral("Алина"), false, {}},
        {QStringLiteral("Катя"), false, {chatLine(2, false, QStringLiteral("Давай в субботу?"))}},
        {QStringLiteral("Соня"), true, {chatLine(5, true, QStringLiteral("До встречи!"))}},
    };
    QList<Match> matches;
    for (const auto &[name, verified, messages] : people) {
        Match match;
        match.id = QUuid::createUuid();
        match.chatID = QUuid::createUuid();
        match.profile.name = name;
        match.profile.hasCheckmark = verified;
        match.messages = messages;
        match.isUnread = withUnread && !messages.isEmpty() && !messages.last().senderID.isNull() &&
                         messages.last().senderID != ownID;
        matches.append(match);
    }
    return matches;
}

// The matches list in the chat tab, showing `matches` as if they were its local copy. The
// network points nowhere so no answer replaces them.
ViewController *chatsTab(const QList<Match> &matches, const Services &services) {
    services.network().setBaseUrl(QStringLiteral("http://127.0.0.1:9/"));
    services.savedMatches().save(matches);
    User user = services.user().currentUser();
    user.userID = ownID.toString(QUuid::WithoutBraces).toUpper();
    services.user().setCurrentUser(user);
    auto *tabs = new TabBar(services);
    tabs->loadViewIfNeeded();
    tabs->setSelectedIndex(TabBar::chatTab);
    return tabs;
}
} // namespace

QList<TourStop> chatStops() {
    return {
        {QStringLiteral("chats-empty"),
         [](const Services &services) { return chatsTab({}, services); }},
        {QStringLiteral("chats-cached"),
         [](const Services &services) { return chatsTab(cannedMatches(false), services); }},
        {QStringLiteral("chats-unread"),
         [](const Services &services) { return chatsTab(cannedMatches(true), services); }},
        {QStringLiteral("chat-conversation"),
         [](const Services &services) {
             const QList<Match> matches = cannedMatches(false);
             ViewController *tabs = chatsTab(matches, services);
             auto *nav =
                 qobject_cast<NavigationContainer *>(qobject_cast<TabBar *>(tabs)->selectedTab());
             Match match = matches.first();
             match.messages += {chatLine(4, true, QStringLiteral("Тоже неплохо. Какая выставка?")),
                                chatLine(6, false,
                                         QStringLiteral("Современная фотография — там были "
                                                        "огромные снимки северного сияния, "
                                                        "очень красиво.")),
                                chatLine(7, true, QStringLiteral("Сходим вместе ещё раз?"))};
             match.messages.last().failed = true;
             auto *conversation = new ChatDetailsVC(match, services);
             conversation->setHidesTabBar(true);
             nav->push(conversation, false);
             return tabs;
         }},
    };
}
