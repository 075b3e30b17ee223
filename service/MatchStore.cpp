// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "MatchStore.h"

#include "ApiError.h"
#include "Database.h"
#include "Discovery.h"
#include "EventBus.h"
#include "ServiceContext.h"
#include "UserStore.h"

#include <QJsonObject>
#include <QSqlQuery>
#include <QUuid>

#include <cmath>

namespace {

QString newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QString pairKey(const QString &a, const QString &b) {
    return std::min(a, b) + QLatin1Char(':') + std::max(a, b);
}

QString wireDate(qint64 secs) {
    return QDateTime::fromSecsSinceEpoch(secs, Qt::UTC).toString(Qt::ISODate);
}

QJsonObject messageJson(const QString &id, const QString &senderId, const QString &content,
                        qint64 createdAt) {
    return {{QStringLiteral("id"), id},
            {QStringLiteral("senderID"), senderId},
            {QStringLiteral("content"), content},
            {QStringLiteral("createdAt"), wireDate(createdAt)}};
}

QJsonArray messagesOf(QSqlQuery &q, bool reversed) {
    QJsonArray list;
    while (q.next()) {
        const QJsonObject message = messageJson(q.value(0).toString(), q.value(1).toString(),
                                                q.value(2).toString(), q.value(3).toLongLong());
        if (reversed)
            list.prepend(message);
        else
            list.append(message);
    }
    return list;
}

// A partner who deleted or froze the account, or was banned, is out of reach.
const QString kReachable = QStringLiteral("u.deleted = 0 AND u.active = 1 AND u.banned = 0");

const QString kMessageColumns = QStringLiteral("SELECT id, sender_id, content, created_at "
                                               "FROM messages WHERE chat_id = ? ");

} // namespace

MatchStore::MatchStore(Database &db, UserStore &users, EventBus &events)
    : m_db(db)
    , m_users(users)
    , m_events(events) {}

MatchStore::PairState MatchStore::pairState(const QString &from, const QString &to) {
    // One statement, as each round trip to the database is most of a swipe's cost.
    QSqlQuery q = m_db.exec(
        QStringLiteral(
            "SELECT (SELECT registered FROM users WHERE id = ?), s.kind, s.message, s.status, "
            "(SELECT chat_id FROM matches WHERE pair_key = ?), "
            "EXISTS (SELECT 1 FROM blocks WHERE from_id = ? AND to_id = ?) OR "
            "EXISTS (SELECT 1 FROM blocks WHERE from_id = ? AND to_id = ?) OR "
            "EXISTS (SELECT 1 FROM ended_pairs WHERE user_low = ? AND user_high = ?), "
            "EXISTS (SELECT 1 FROM swipes WHERE from_id = ? AND to_id = ? AND "
            "kind IN ('right', 'superlike')) "
            "FROM (SELECT 1 AS one) o LEFT JOIN swipes s ON s.from_id = ? AND s.to_id = ?"),
        {to, pairKey(from, to), from, to, to, from, std::min(from, to), std::max(from, to), to,
         from, from, to});
    if (!q.next())
        return {};
    return {q.value(0).toBool(),   q.value(1).toString(), q.value(2).toString(),
            q.value(3).toString(), q.value(4).toString(), q.value(5).toBool(),
            q.value(6).toBool()};
}

QString MatchStore::chatBetween(const QString &a, const QString &b) {
    return m_db
        .scalar(QStringLiteral("SELECT chat_id FROM matches WHERE pair_key = ?"), {pairKey(a, b)})
        .toString();
}

MatchStore::SwipeResult MatchStore::swipe(const QString &from, const QString &to,
                                          const QString &kind, const QString &message) {
    if (from == to)
        throw ApiError(400, QStringLiteral("Нельзя выбрать самого себя"));
    // The reviewers' account and real people never meet, even by a known identifier.
    if (from == ServiceContext::reviewerId() || to == ServiceContext::reviewerId()) {
        const QString other = from == ServiceContext::reviewerId() ? to : from;
        if (!m_db.scalar(QStringLiteral("SELECT is_demo FROM users WHERE id = ?"), {other})
                 .toBool())
            throw ApiError(404, QStringLiteral("Пользователь не найден"));
    }
    m_db.transaction();
    try {
        // Swipes of one pair take turns, also across processes sharing the database, so two
        // likes at once see each other and form exactly one match.
        if (m_db.isPostgres())
            m_db.exec(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext(?))"),
                      {pairKey(from, to)});
        const PairState pair = pairState(from, to);
        if (!pair.registered)
            throw ApiError(404, QStringLiteral("Пользователь не найден"));
        // The same swipe again (an outbox resends one whose answer was lost) gets the first
        // answer and changes nothing, unless a block or a dissolved match came in between.
        if (pair.earlierKind == kind && pair.earlierMessage == message &&
            !pair.earlierStatus.isEmpty() && !pair.separated) {
            m_db.commit();
            return {pair.earlierStatus, pair.chatId};
        }
        if (kind == QLatin1String("superlike")) {
            const int left =
                m_db.scalar(QStringLiteral("SELECT superlikes FROM users WHERE id = ?"), {from})
                    .toInt();
            // A conflict with the account's state, not a refused session (403), which a client
            // would keep sending again.
            if (left <= 0)
                throw ApiError(409, QStringLiteral("Суперлайки закончились"));
            m_db.exec(QStringLiteral("UPDATE users SET superlikes = superlikes - 1 WHERE id = ?"),
                      {from});
        }
        SwipeResult result = outcome(pair, kind != QLatin1String("left"));
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        // Stored before the match forms: a super-like's note opens the new conversation.
        m_db.exec(QStringLiteral("INSERT INTO swipes (from_id, to_id, kind, message, created_at, "
                                 "status) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (from_id, to_id) "
                                 "DO UPDATE SET kind = excluded.kind, message = excluded.message, "
                                 "created_at = excluded.created_at, status = excluded.status"),
                  {from, to, kind, message, now, result.status});
        if (result.status == QLatin1String("matchCreated") &&
            !createMatch(from, to, result.chatId, now)) {
            result = {QStringLiteral("matchAlreadyExists"), chatBetween(from, to)};
            m_db.exec(
                QStringLiteral("UPDATE swipes SET status = ? WHERE from_id = ? AND to_id = ?"),
                {result.status, from, to});
        }
        if (result.status == QLatin1String("matchCreated"))
            m_events.publish({from, to}, {{QStringLiteral("type"), "match"},
                                          {QStringLiteral("chatID"), result.chatId}});
        else if (kind != QLatin1String("left") && !pair.separated && result.chatId.isEmpty())
            m_events.publish({to}, {{QStringLiteral("type"), "like"}});
        m_db.commit();
        return result;
    } catch (...) {
        m_db.rollback();
        throw;
    }
}

MatchStore::SwipeResult MatchStore::outcome(const PairState &pair, bool like) {
    // Behind a block or a dissolved match a like goes nowhere and answers like any unanswered
    // like, so it tells nothing about the other side.
    if (pair.separated)
        return {QStringLiteral("swipeCreated"), {}};
    if (!like)
        return {QStringLiteral("swipeCreated"), pair.chatId};
    if (!pair.chatId.isEmpty())
        return {QStringLiteral("matchAlreadyExists"), pair.chatId};
    if (!pair.likedBack)
        return {QStringLiteral("swipeCreated"), {}};
    return {QStringLiteral("matchCreated"), newId()};
}

bool MatchStore::createMatch(const QString &a, const QString &b, const QString &chatId,
                             qint64 now) {
    // The unique pair key decides, so no second match of a pair is ever stored.
    if (m_db.exec(QStringLiteral("INSERT INTO matches (id, chat_id, user_a, user_b, created_at, "
                                 "last_activity, pair_key) VALUES (?, ?, ?, ?, ?, ?, ?) "
                                 "ON CONFLICT DO NOTHING"),
                  {newId(), chatId, a, b, now, now, pairKey(a, b)})
            .numRowsAffected() == 0)
        return false;
    // Notes sent with super-likes open the conversation.
    QSqlQuery notes = m_db.exec(
        QStringLiteral("SELECT from_id, message, created_at FROM swipes WHERE message <> '' AND "
                       "((from_id = ? AND to_id = ?) OR (from_id = ? AND to_id = ?)) "
                       "ORDER BY created_at"),
        {a, b, b, a});
    while (notes.next())
        (void)insertMessage(chatId, notes.value(0).toString(), notes.value(1).toString(),
                            notes.value(2).toLongLong(), {});
    return true;
}

QJsonArray MatchStore::chats(const QString &userId, int page, int perPage, const QString &origin) {
    QSqlQuery self =
        m_db.exec(QStringLiteral("SELECT lat, lon, has_geo FROM users WHERE id = ?"), {userId});
    const bool hasGeo = self.next() && self.value(2).toBool();
    const double lat = hasGeo ? self.value(0).toDouble() : 0;
    const double lon = hasGeo ? self.value(1).toDouble() : 0;
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT ") + UserStore::profileColumns() +
            QStringLiteral(", m.id, m.chat_id, m.created_at, "
                           "(CASE WHEN m.user_a = ? THEN m.opened_a ELSE m.opened_b END) "
                           "FROM matches m JOIN users u ON u.id = "
                           "(CASE WHEN m.user_a = ? THEN m.user_b ELSE m.user_a END) "
                           "WHERE (m.user_a = ? OR m.user_b = ?) AND ") +
            kReachable +
            QStringLiteral(
                " AND NOT EXISTS (SELECT 1 FROM blocks b WHERE b.from_id = ? AND b.to_id = u.id)"
                " AND NOT EXISTS (SELECT 1 FROM blocks b WHERE b.from_id = u.id AND b.to_id = ?) "
                "ORDER BY m.last_activity DESC, m.id LIMIT ? OFFSET ?"),
        {userId, userId, userId, userId, userId, userId, perPage, qint64(page - 1) * perPage});
    QJsonArray list;
    while (q.next()) {
        const double d =
            hasGeo ? Discovery::distanceKm(lat, lon, q.value(8).toDouble(), q.value(9).toDouble())
                   : 0.0;
        const QString chatId = q.value(11).toString();
        QSqlQuery last =
            m_db.exec(kMessageColumns + QStringLiteral("ORDER BY seq DESC LIMIT 1"), {chatId});
        const bool unread = !q.value(13).toBool() ||
                            m_db.scalar(QStringLiteral("SELECT 1 FROM messages WHERE chat_id = ? "
                                                       "AND sender_id <> ? AND is_read = 0"),
                                        {chatId, userId})
                                .isValid();
        QJsonObject profile = UserStore::profileJson(q, int(std::floor(d)));
        m_users.attachPhotos(profile, origin);
        list.append(QJsonObject{{QStringLiteral("id"), q.value(10).toString()},
                                {QStringLiteral("chatID"), chatId},
                                {QStringLiteral("createdAt"), wireDate(q.value(12).toLongLong())},
                                {QStringLiteral("profile"), profile},
                                {QStringLiteral("messages"), messagesOf(last, false)},
                                {QStringLiteral("isUnread"), unread}});
    }
    return list;
}

void MatchStore::markRead(const QString &userId, const QString &chatId) {
    // Most opened conversations have nothing new to mark, and looking first spares them the
    // write lock every other writer waits for.
    QSqlQuery pending = m_db.exec(
        QStringLiteral("SELECT EXISTS (SELECT 1 FROM messages WHERE chat_id = ? AND is_read = 0 "
                       "AND sender_id <> ?), EXISTS (SELECT 1 FROM matches WHERE chat_id = ? AND "
                       "((user_a = ? AND opened_a = 0) OR (user_b = ? AND opened_b = 0)))"),
        {chatId, userId, chatId, userId, userId});
    if (!pending.next())
        return;
    const Member member{true, pending.value(0).toBool(), pending.value(1).toBool(), {}};
    // An unfinished read keeps its snapshot, and SQLite refuses a write from a connection
    // whose snapshot another writer has moved past.
    pending.finish();
    markRead(userId, chatId, member);
}

void MatchStore::markRead(const QString &userId, const QString &chatId, const Member &member) {
    if (member.unread)
        m_db.exec(QStringLiteral("UPDATE messages SET is_read = 1 WHERE chat_id = ? AND "
                                 "sender_id <> ? AND is_read = 0"),
                  {chatId, userId});
    if (member.unopened)
        m_db.exec(QStringLiteral("UPDATE matches SET "
                                 "opened_a = CASE WHEN user_a = ? THEN 1 ELSE opened_a END, "
                                 "opened_b = CASE WHEN user_b = ? THEN 1 ELSE opened_b END "
                                 "WHERE chat_id = ?"),
                  {userId, userId, chatId});
}

MatchStore::Member MatchStore::requireMember(const QString &userId, const QString &chatId) {
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT m.user_a, m.user_b, (SELECT COUNT(*) FROM users u WHERE u.id = "
                       "(CASE WHEN m.user_a = ? THEN m.user_b ELSE m.user_a END) AND ") +
            kReachable +
            QStringLiteral("), EXISTS (SELECT 1 FROM messages WHERE chat_id = m.chat_id AND "
                           "is_read = 0 AND sender_id <> ?), "
                           "(CASE WHEN m.user_a = ? THEN m.opened_a ELSE m.opened_b END) "
                           "FROM matches m WHERE m.chat_id = ?"),
        {userId, userId, userId, chatId});
    if (!q.next())
        throw ApiError(404, QStringLiteral("Чат не найден"));
    if (q.value(0).toString() != userId && q.value(1).toString() != userId)
        throw ApiError(403, QStringLiteral("Это не твой чат"));
    const QString partner = q.value(q.value(0).toString() == userId ? 1 : 0).toString();
    return {q.value(2).toInt() > 0, q.value(3).toBool(), !q.value(4).toBool(), partner};
}

QJsonArray MatchStore::page(const QString &userId, const QString &chatId, bool forward,
                            const QDateTime &date, const QString &heldId) {
    requireMember(userId, chatId);
    // A held message of this chat marks the place exactly. Without one, newer pages hold the
    // whole second of the date (the caller drops what it already has, and nothing of that
    // second is lost) and older pages what came before that second.
    const QVariant seq = m_db.scalar(
        QStringLiteral("SELECT seq FROM messages WHERE chat_id = ? AND id = ?"), {chatId, heldId});
    const QString order = forward ? QStringLiteral(" ORDER BY seq LIMIT ?")
                                  : QStringLiteral(" ORDER BY seq DESC LIMIT ?");
    QSqlQuery q = seq.isValid() ? m_db.exec(kMessageColumns +
                                                (forward ? QStringLiteral("AND seq > ?")
                                                         : QStringLiteral("AND seq < ?")) +
                                                order,
                                            {chatId, seq, kMessagePage})
                                : m_db.exec(kMessageColumns +
                                                (forward ? QStringLiteral("AND created_at >= ?")
                                                         : QStringLiteral("AND created_at < ?")) +
                                                order,
                                            {chatId, date.toSecsSinceEpoch(), kMessagePage});
    const QJsonArray list = messagesOf(q, !forward);
    markRead(userId, chatId);
    return list;
}

MatchStore::Sent MatchStore::send(const QString &senderId, const QString &chatId,
                                  const QString &content, const QString &clientId) {
    const Member member = requireMember(senderId, chatId);
    if (!member.reachable)
        throw ApiError(403, QStringLiteral("Собеседник сейчас недоступен"));
    // A frozen account is hidden from everyone, so it writes to nobody either.
    if (!m_db.scalar(QStringLiteral("SELECT active FROM users WHERE id = ?"), {senderId}).toBool())
        throw ApiError(409, QStringLiteral("Аккаунт заморожен: включи его в настройках, чтобы "
                                           "писать"));
    markRead(senderId, chatId, member);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QString id = insertMessage(chatId, senderId, content, now, clientId);
    if (!id.isEmpty()) {
        // The sender's other devices show it too.
        m_events.publish({member.partner, senderId}, {{QStringLiteral("type"), "message"},
                                                      {QStringLiteral("chatID"), chatId},
                                                      {QStringLiteral("messageID"), id}});
        return {messageJson(id, senderId, content, now), true};
    }
    // The same send again: the answer is the copy stored the first time.
    QSqlQuery q = m_db.exec(kMessageColumns + QStringLiteral("AND sender_id = ? AND client_id = ?"),
                            {chatId, senderId, clientId});
    return {messagesOf(q, false).at(0).toObject(), false};
}

QString MatchStore::insertMessage(const QString &chatId, const QString &senderId,
                                  const QString &content, qint64 createdAt,
                                  const QString &clientId) {
    const QString id = newId();
    m_db.transaction();
    try {
        // Taking the next number locks the chat's row until the commit, so two senders at once
        // get numbers in the order their messages become visible.
        QSqlQuery next = m_db.exec(QStringLiteral("UPDATE matches SET last_seq = last_seq + 1, "
                                                  "last_activity = ? WHERE chat_id = ? "
                                                  "RETURNING last_seq"),
                                   {createdAt, chatId});
        if (!next.next())
            throw ApiError(404, QStringLiteral("Чат не найден"));
        const qint64 seq = next.value(0).toLongLong();
        next.finish();
        // The unique index on the client id decides, not a look before the insert: two sends
        // racing each other would both see nothing there. A send already stored leaves the
        // chat as it was.
        if (m_db.exec(QStringLiteral("INSERT INTO messages (id, chat_id, sender_id, content, "
                                     "created_at, client_id, seq) VALUES (?, ?, ?, ?, ?, ?, ?) "
                                     "ON CONFLICT DO NOTHING"),
                      {id, chatId, senderId, content, createdAt, clientId, seq})
                .numRowsAffected() == 0) {
            m_db.rollback();
            return {};
        }
        m_db.commit();
        return id;
    } catch (...) {
        m_db.rollback();
        throw;
    }
}

void MatchStore::cancel(const QString &userId, const QString &matchId) {
    QSqlQuery match = m_db.exec(QStringLiteral("SELECT chat_id, user_a, user_b FROM matches "
                                               "WHERE id = ? AND (user_a = ? OR user_b = ?)"),
                                {matchId, userId, userId});
    if (!match.next())
        throw ApiError(404, QStringLiteral("Пара не найдена"));
    const QString a = match.value(1).toString();
    const QString b = match.value(2).toString();
    match.finish();
    m_db.transaction();
    try {
        dissolve(a, b);
        m_db.commit();
    } catch (...) {
        m_db.rollback();
        throw;
    }
}

void MatchStore::dissolve(const QString &a, const QString &b) {
    const QString chatId = chatBetween(a, b);
    if (chatId.isEmpty())
        return;
    m_db.exec(QStringLiteral("DELETE FROM messages WHERE chat_id = ?"), {chatId});
    m_db.exec(QStringLiteral("DELETE FROM matches WHERE chat_id = ?"), {chatId});
    m_db.exec(QStringLiteral("INSERT INTO ended_pairs (user_low, user_high, created_at) "
                             "VALUES (?, ?, ?) ON CONFLICT DO NOTHING"),
              {std::min(a, b), std::max(a, b), QDateTime::currentSecsSinceEpoch()});
    m_events.publish({a, b},
                     {{QStringLiteral("type"), "unmatch"}, {QStringLiteral("chatID"), chatId}});
}

void MatchStore::block(const QString &from, const QString &to) {
    if (from == to)
        throw ApiError(400, QStringLiteral("Нельзя выбрать самого себя"));
    if (!m_users.state(to).exists)
        throw ApiError(404, QStringLiteral("Пользователь не найден"));
    // A block ends the pair's conversation for both: hiding it from lists alone would leave the
    // blocked person writing into and reading it by its identifier.
    m_db.transaction();
    try {
        m_db.exec(QStringLiteral("DELETE FROM blocks WHERE from_id = ? AND to_id = ?"), {from, to});
        m_db.exec(
            QStringLiteral("INSERT INTO blocks (from_id, to_id, created_at) VALUES (?, ?, ?)"),
            {from, to, QDateTime::currentSecsSinceEpoch()});
        dissolve(from, to);
        m_db.commit();
    } catch (...) {
        m_db.rollback();
        throw;
    }
}

void MatchStore::complain(const QString &from, const QString &to, const QString &message) {
    if (from == to)
        throw ApiError(400, QStringLiteral("Нельзя выбрать самого себя"));
    if (!m_users.state(to).exists)
        throw ApiError(404, QStringLiteral("Пользователь не найден"));
    m_db.exec(QStringLiteral("INSERT INTO complaints (id, from_id, to_id, message, created_at) "
                             "VALUES (?, ?, ?, ?, ?)"),
              {newId(), from, to, message, QDateTime::currentSecsSinceEpoch()});
}

QString MatchStore::otherMember(const QString &chatId, const QString &userId) {
    return m_db
        .scalar(QStringLiteral("SELECT CASE WHEN user_a = ? THEN user_b ELSE user_a END "
                               "FROM matches WHERE chat_id = ?"),
                {userId, chatId})
        .toString();
}
