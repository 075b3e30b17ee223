#include "DemoCrowd.h"

#include "ApiError.h"
#include "ServiceContext.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTextStream>
#include <QTimer>

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

} // namespace

DemoCrowd::DemoCrowd(ServiceContext &ctx, QObject *parent)
    : QObject(parent)
    , m_ctx(ctx) {}

bool DemoCrowd::isDemo(const QString &userId) {
    return m_ctx.db.scalar(QStringLiteral("SELECT is_demo FROM users WHERE id = ?"), {userId})
        .toBool();
}

void DemoCrowd::later(int ms, std::function<void()> action) {
    // Requests arrive on worker threads, which have no event loop to run a timer.
    QMetaObject::invokeMethod(
        this,
        [this, ms, action = std::move(action)]() mutable {
            QTimer::singleShot(ms, this, [action = std::move(action)] {
                try {
                    action();
                } catch (const DbError &e) {
                    QTextStream(stdout) << "Demo action failed: " << e.what() << Qt::endl;
                } catch (const ApiError &e) {
                    QTextStream(stdout) << "Demo action refused: " << e.reason() << Qt::endl;
                }
            });
        },
        Qt::QueuedConnection);
}

void DemoCrowd::onSignIn(const QString &userId, bool newAccount) {
    if (!newAccount)
        return;
    later(m_ctx.options.demoDelayMs, [this, userId] {
        QSqlQuery q =
            m_ctx.db.exec(QStringLiteral("SELECT id FROM users WHERE is_demo = 1 AND active = 1 "
                                         "ORDER BY random() LIMIT ?"),
                          {kNewcomerLikes});
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QStringList admirers;
        while (q.next())
            admirers.append(q.value(0).toString());
        for (const QString &id : admirers)
            m_ctx.db.exec(QStringLiteral("INSERT INTO swipes (from_id, to_id, kind, message, "
                                         "created_at) VALUES (?, ?, 'right', '', ?)"),
                          {id, userId, now});
    });
}

void DemoCrowd::onSwipe(const QString &from, const QString &to, const QString &kind,
                        const QString &status) {
    if (kind == QLatin1String("left") || status != QLatin1String("swipeCreated") || !isDemo(to))
        return;
    if (QRandomGenerator::global()->generateDouble() >= m_ctx.options.likeBack)
        return;
    later(m_ctx.options.demoDelayMs +
              QRandomGenerator::global()->bounded(m_ctx.options.demoDelayMs / 2 + 1),
          [this, from, to] { (void)m_ctx.matches.swipe(to, from, QStringLiteral("right"), {}); });
}

void DemoCrowd::onMessage(const QString &chatId, const QString &senderId) {
    const QString other = m_ctx.matches.otherMember(chatId, senderId);
    if (other.isEmpty() || !isDemo(other))
        return;
    const QString reply = kReplies.at(QRandomGenerator::global()->bounded(int(kReplies.size())));
    later(m_ctx.options.demoDelayMs,
          [this, chatId, other, reply] { m_ctx.matches.send(other, chatId, reply); });
}
