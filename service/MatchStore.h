// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class Database;
class EventBus;
class UserStore;

// Swipes, the matches they form, the chats of matches, blocks and reports. Likes, matches,
// messages and ended matches are told to the people they concern as live events.
class MatchStore {
public:
    static constexpr int kMessagePage = 50;

    struct SwipeResult {
        QString status; // "swipeCreated", "matchCreated" or "matchAlreadyExists"
        QString chatId; // set when a match exists between the two
    };

    MatchStore(Database &db, UserStore &users, EventBus &events);

    // kind is "left", "right" or "superlike"; message is the note of a super-like.
    SwipeResult swipe(const QString &from, const QString &to, const QString &kind,
                      const QString &message);
    [[nodiscard]] QJsonArray chats(const QString &userId, int page, int perPage,
                                   const QString &origin);
    // A page of the chat after (forward) or before the held message heldId, in the order the
    // chat stored them, or by the date when heldId is not a message of the chat. Answers are
    // oldest first, and mark what the other person wrote as read.
    [[nodiscard]] QJsonArray page(const QString &userId, const QString &chatId, bool forward,
                                  const QDateTime &date, const QString &heldId);
    struct Sent {
        QJsonObject message; // as the message lists show it
        bool stored = false; // false when the client id was already used for this chat
    };
    // A non-empty clientId stores the message once: the same id again, even at the same time
    // from another connection, gives back the message stored first and changes nothing.
    Sent send(const QString &senderId, const QString &chatId, const QString &content,
              const QString &clientId = {});
    void cancel(const QString &userId, const QString &matchId);
    void block(const QString &from, const QString &to);
    void complain(const QString &from, const QString &to, const QString &message);
    // The other member of a chat, for replies; empty when the chat is gone.
    [[nodiscard]] QString otherMember(const QString &chatId, const QString &userId);

private:
    // A chat as one of its members finds it.
    struct Member {
        bool reachable = false; // the partner can still be written to
        bool unread = false;    // the partner wrote something this member has not read
        bool unopened = false;  // this member has not opened the match yet
        QString partner;
    };
    // Everything the other side wrote is read, and the match is no longer new, for this user.
    void markRead(const QString &userId, const QString &chatId);
    void markRead(const QString &userId, const QString &chatId, const Member &member);
    // Throws 404/403 unless userId belongs to the chat.
    Member requireMember(const QString &userId, const QString &chatId);
    // What a swipe from one to the other depends on.
    struct PairState {
        bool registered = false; // the other side exists and finished registering
        QString earlierKind;     // the earlier swipe of this direction, if any
        QString earlierMessage;
        QString earlierStatus;
        QString chatId;         // of the pair's match
        bool separated = false; // either blocked the other, or their match was dissolved
        bool likedBack = false; // the other side liked or super-liked this one
    };
    [[nodiscard]] PairState pairState(const QString &from, const QString &to);
    [[nodiscard]] QString chatBetween(const QString &a, const QString &b);
    // Ends the pair's match and conversation for good; inside the caller's transaction.
    void dissolve(const QString &a, const QString &b);
    // What a swipe answers; a new match's chat id when it forms one.
    [[nodiscard]] static SwipeResult outcome(const PairState &pair, bool like);
    // False when the pair has a match already.
    bool createMatch(const QString &a, const QString &b, const QString &chatId, qint64 now);
    // Stores a message as the chat's next one; its id, or "" when the client id was used.
    QString insertMessage(const QString &chatId, const QString &senderId, const QString &content,
                          qint64 createdAt, const QString &clientId);

    Database &m_db;
    UserStore &m_users;
    EventBus &m_events;
};
