// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DemoCrowd.h"

#include "ApiError.h"
#include "ServiceContext.h"

#include <QDate>
#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTextStream>
#include <QUuid>

namespace {

const QStringList kReplies{QStringLiteral("Привет! Рада знакомству 🙂"),
                           QStringLiteral("Привет! Как проходит день?"),
                           QStringLiteral("Ого, интересно! Расскажи подробнее"),
                           QStringLiteral("Ха-ха, согласна"),
                           QStringLiteral("А чем ты любишь заниматься в выходные?"),
                           QStringLiteral("Звучит здорово!"),
                           QStringLiteral("Давай как-нибудь выпьем кофе?"),
                           QStringLiteral("Я сейчас немного занят(а), напишу позже"),
                           QStringLiteral("Классные фотографии!"),
                           QStringLiteral("Тоже люблю путешествовать")};

constexpr int kNewcomerLikes = 3;
// How often due actions are looked for: well within the pause before any of them.
constexpr int kPollMs = 200;

} // namespace

DemoCrowd::DemoCrowd(ServiceContext &ctx, QObject *parent)
    : QObject(parent)
    , m_ctx(ctx) {
    connect(&m_poll, &QTimer::timeout, this, &DemoCrowd::runDue);
    m_poll.start(kPollMs);
}

bool DemoCrowd::isDemo(const QString &userId) {
    return m_ctx.db.scalar(QStringLiteral("SELECT is_demo FROM users WHERE id = ?"), {userId})
        .toBool();
}

void DemoCrowd::later(int ms, const QString &kind, const QString &actor, const QString &target,
                      const QString &content) {
    m_ctx.db.exec(QStringLiteral("INSERT INTO demo_actions (id, due_at, kind, actor, target, "
                                 "content) VALUES (?, ?, ?, ?, ?, ?)"),
                  {QUuid::createUuid().toString(QUuid::WithoutBraces),
                   QDateTime::currentMSecsSinceEpoch() + ms, kind, actor, target, content});
}

void DemoCrowd::runDue() {
    try {
        QSqlQuery due = m_ctx.db.exec(
            QStringLiteral("SELECT id, kind, actor, target, content FROM demo_actions WHERE "
                           "due_at <= ? ORDER BY due_at LIMIT 50"),
            {QDateTime::currentMSecsSinceEpoch()});
        QList<QStringList> actions;
        while (due.next())
            actions.append({due.value(0).toString(), due.value(1).toString(),
                            due.value(2).toString(), due.value(3).toString(),
                            due.value(4).toString()});
        for (const QStringList &a : actions) {
            // Whoever deletes the row does the action, so two processes never both do it.
            if (m_ctx.db.exec(QStringLiteral("DELETE FROM demo_actions WHERE id = ?"), {a.at(0)})
                    .numRowsAffected() != 1)
                continue;
            try {
                runAction(a.at(1), a.at(2), a.at(3), a.at(4));
            } catch (const ApiError &e) {
                QTextStream(stdout) << "Demo action refused: " << e.reason() << Qt::endl;
            }
        }
    } catch (const DbError &e) {
        QTextStream(stdout) << "Demo action failed: " << e.what() << Qt::endl;
    }
}

void DemoCrowd::runAction(const QString &kind, const QString &actor, const QString &target,
                          const QString &content) {
    if (kind == QLatin1String("admire")) {
        // Only people either side's feed would show the other: the gender each wants and the
        // ages each accepts, as the newcomer has them when the likes are given.
        const QDate today = QDate::currentDate();
        const int todayYmd = today.year() * 10000 + today.month() * 100 + today.day();
        QSqlQuery q = m_ctx.db.exec(
            QStringLiteral(
                "SELECT u.id FROM users u JOIN users n ON n.id = ? WHERE u.is_demo = 1 "
                "AND u.active = 1 AND u.registered = 1 AND u.deleted = 0 AND u.banned = 0 "
                "AND (n.selected_gender = 'all' OR u.gender = n.selected_gender) "
                "AND (u.selected_gender = 'all' OR u.selected_gender = n.gender) "
                "AND (n.show_more_age = 1 OR (u.birth_ymd <= ? - n.age_start * 10000 "
                "AND u.birth_ymd > ? - (n.age_end + 1) * 10000)) "
                "AND (u.show_more_age = 1 OR (n.birth_ymd <= ? - u.age_start * 10000 "
                "AND n.birth_ymd > ? - (u.age_end + 1) * 10000)) "
                "ORDER BY random() LIMIT ?"),
            {target, todayYmd, todayYmd, todayYmd, todayYmd, kNewcomerLikes});
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QStringList admirers;
        while (q.next())
            admirers.append(q.value(0).toString());
        for (const QString &id : admirers)
            m_ctx.db.exec(QStringLiteral("INSERT INTO swipes (from_id, to_id, kind, message, "
                                         "created_at) VALUES (?, ?, 'right', '', ?) "
                                         "ON CONFLICT DO NOTHING"),
                          {id, target, now});
    } else if (kind == QLatin1String("likeBack")) {
        (void)m_ctx.matches.swipe(actor, target, QStringLiteral("right"), {});
    } else if (kind == QLatin1String("answer")) {
        m_ctx.matches.send(actor, target, content);
    }
}

void DemoCrowd::onRegistered(const QString &userId) {
    later(m_ctx.options.demoDelayMs, QStringLiteral("admire"), {}, userId);
}

void DemoCrowd::onSwipe(const QString &from, const QString &to, const QString &kind,
                        const QString &status) {
    if (kind == QLatin1String("left") || status != QLatin1String("swipeCreated") || !isDemo(to))
        return;
    if (QRandomGenerator::global()->generateDouble() >= m_ctx.options.likeBack)
        return;
    later(m_ctx.options.demoDelayMs +
              QRandomGenerator::global()->bounded(m_ctx.options.demoDelayMs / 2 + 1),
          QStringLiteral("likeBack"), to, from);
}

void DemoCrowd::onMessage(const QString &chatId, const QString &senderId) {
    const QString other = m_ctx.matches.otherMember(chatId, senderId);
    if (other.isEmpty() || !isDemo(other))
        return;
    const QString reply = kReplies.at(QRandomGenerator::global()->bounded(int(kReplies.size())));
    later(m_ctx.options.demoDelayMs, QStringLiteral("answer"), other, chatId, reply);
}
