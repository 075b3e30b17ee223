// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Database.h"
#include "DemoSeeder.h"
#include "PostgresCluster.h"
#include "ServiceContext.h"
#include "ServiceHarness.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QTest>

#include <memory>

// Requests served at the same time: by the worker threads of one process.
class TestServiceConcurrency : public QObject {
    Q_OBJECT

    std::unique_ptr<PostgresCluster> m_cluster;

    static QNetworkReply *send(QNetworkAccessManager &network, quint16 port, const QByteArray &verb,
                               const QString &path, const QJsonObject &body, const QString &token) {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port) + path));
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QByteArrayLiteral("application/json"));
        request.setRawHeader("auth", "bear " + token.toUtf8());
        return network.sendCustomRequest(request, verb,
                                         QJsonDocument(body).toJson(QJsonDocument::Compact));
    }
    static bool allFinished(const std::vector<QNetworkReply *> &replies) {
        return QTest::qWaitFor(
            [&replies] {
                return std::all_of(replies.begin(), replies.end(),
                                   [](QNetworkReply *r) { return r->isFinished(); });
            },
            30000);
    }

private Q_SLOTS:
    void initTestCase() {
        // Set-up installs the server programs: a missing cluster is a failure, not a skip.
        m_cluster = std::make_unique<PostgresCluster>();
        QVERIFY2(m_cluster->error().isEmpty(),
                 qPrintable("no PostgreSQL cluster: " + m_cluster->error()));
    }

    void aHeldWriteHoldsNoOtherCaller_data() {
        QTest::addColumn<bool>("postgres");
        QTest::newRow("sqlite") << false;
        QTest::newRow("postgres") << true;
    }

    // One caller's write waits for a lock someone else holds in the database; meanwhile
    // another is answered at once, and then a burst of writes all land, none "locked".
    void aHeldWriteHoldsNoOtherCaller() {
        QFETCH(bool, postgres);
        ServiceHarness service(postgres ? QStringList{"--database", m_cluster->url()}
                                        : QStringList{});
        const QString location = postgres ? m_cluster->url() : service.databasePath();
        const QString a = ServiceHarness::newUserId();
        const QString b = ServiceHarness::newUserId();
        const QString ta = service.signUp(a, "man", "all", 30, 55.75, 37.61);
        const QString tb = service.signUp(b, "woman", "all", 30, 55.76, 37.62);

        Database locker(location);
        QString error;
        QVERIFY2(locker.open(&error), qPrintable(error));
        locker.transaction();
        locker.exec("UPDATE users SET job = 'held' WHERE id = ?", {a});
        QNetworkAccessManager network;
        QNetworkReply *held = send(network, service.port(), "PUT", "user/bio",
                                   {{"bio", "после"}, {"job", ""}, {"edu", ""}, {"city", ""}}, ta);
        QTest::qWait(300);
        QElapsedTimer timer;
        timer.start();
        const auto feed = service.call("GET", "fetchProfiles", {}, tb);
        QCOMPARE(feed.status, 200);
        QVERIFY(feed.body.contains(a.toUtf8()));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!held->isFinished());
        locker.commit();
        QTRY_VERIFY_WITH_TIMEOUT(held->isFinished(), 10000);
        QCOMPARE(held->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        QCOMPARE(locker.scalar("SELECT bio FROM users WHERE id = ?", {a}).toString(),
                 QString("после"));

        service.swipe(ta, b, "right");
        service.swipe(tb, a, "right");
        const QString chat = service.chats(ta).at(0).toObject().value("chatID").toString();
        std::vector<std::unique_ptr<QNetworkAccessManager>> clients;
        std::vector<QNetworkReply *> replies;
        for (int i = 0; i < 48; ++i) {
            if (i % 4 == 0)
                clients.push_back(std::make_unique<QNetworkAccessManager>());
            replies.push_back(send(*clients.back(), service.port(), "POST", "sendMessage",
                                   {{"chatID", chat},
                                    {"content", QString::number(i)},
                                    {"clientMessageID", ServiceHarness::newUserId()}},
                                   i % 2 ? ta : tb));
        }
        QVERIFY(allFinished(replies));
        for (QNetworkReply *reply : replies)
            QVERIFY2(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200,
                     reply->readAll().constData());
        QCOMPARE(locker.scalar("SELECT COUNT(DISTINCT seq) FROM messages WHERE chat_id = ?", {chat})
                     .toInt(),
                 48);
    }

    // Two processes on one PostgreSQL, as behind a load balancer: people signed in at one are
    // known at the other, and pairs like each other and write through both at once. Every
    // pair ends with one match, and every acknowledged message is stored exactly once, also
    // when the client resends it to the other process.
    void twoProcessesShareOnePostgres() {
        ServiceHarness first({"--database", m_cluster->url(), "--no-demo"});
        quint16 port = 0;
        const auto second = ServiceHarness::serveBinary(
            {"--database", m_cluster->url(), "--no-demo", "--envelope-key",
             QString::fromLatin1(first.envelopeKey().toBase64())},
            &port);
        QVERIFY(second);
        const quint16 ports[] = {first.port(), port};
        struct Pair {
            QString a, ta, b, tb, chat;
        };
        std::vector<Pair> pairs(6);
        for (Pair &p : pairs) {
            p.a = ServiceHarness::newUserId();
            p.b = ServiceHarness::newUserId();
            p.ta = first.signUp(p.a, "man", "all", 30, 40.0, 20.0);
            p.tb = first.signUp(p.b, "woman", "all", 30, 40.0, 20.0);
        }
        QNetworkAccessManager network;
        std::vector<QNetworkReply *> likes;
        for (const Pair &p : pairs) {
            likes.push_back(send(network, ports[0], "POST", "swipes",
                                 {{"toUserID", p.b}, {"swipeType", "right"}}, p.ta));
            likes.push_back(send(network, ports[1], "POST", "swipes",
                                 {{"toUserID", p.a}, {"swipeType", "right"}}, p.tb));
        }
        QVERIFY(allFinished(likes));
        for (size_t i = 0; i < pairs.size(); ++i) {
            QStringList answers;
            for (QNetworkReply *r : {likes[2 * i], likes[2 * i + 1]})
                answers
                    << QJsonDocument::fromJson(r->readAll()).object().value("status").toString();
            answers.sort();
            QCOMPARE(answers, (QStringList{"matchCreated", "swipeCreated"}));
            pairs[i].chat = first.chats(pairs[i].ta).at(0).toObject().value("chatID").toString();
            QVERIFY(!pairs[i].chat.isEmpty());
        }

        // Each send goes to one process and, as if its answer were lost, again to the other.
        std::vector<QNetworkReply *> sends;
        for (int round = 0; round < 4; ++round) {
            for (const Pair &p : pairs) {
                const QJsonObject message{{"chatID", p.chat},
                                          {"content", QString::number(round)},
                                          {"clientMessageID", ServiceHarness::newUserId()}};
                const QString token = round % 2 ? p.ta : p.tb;
                sends.push_back(
                    send(network, ports[round % 2], "POST", "sendMessage", message, token));
                sends.push_back(
                    send(network, ports[1 - round % 2], "POST", "sendMessage", message, token));
            }
        }
        QVERIFY(allFinished(sends));
        QSet<QString> acknowledged;
        for (size_t i = 0; i < sends.size(); i += 2) {
            const QJsonObject once = QJsonDocument::fromJson(sends[i]->readAll()).object();
            const QJsonObject again = QJsonDocument::fromJson(sends[i + 1]->readAll()).object();
            QCOMPARE(sends[i]->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
            QCOMPARE(again.value("id"), once.value("id"));
            acknowledged.insert(once.value("id").toString());
        }
        QCOMPARE(acknowledged.size(), qsizetype(sends.size() / 2));

        Database db(m_cluster->url());
        QString error;
        QVERIFY2(db.open(&error), qPrintable(error));
        QSet<QString> stored;
        int storedRows = 0;
        for (const Pair &p : pairs) {
            QCOMPARE(db.scalar("SELECT COUNT(*) FROM matches WHERE (user_a = ? AND user_b = ?) "
                               "OR (user_a = ? AND user_b = ?)",
                               {p.a, p.b, p.b, p.a})
                         .toInt(),
                     1);
            QSqlQuery rows =
                db.exec("SELECT id FROM messages WHERE chat_id = ? ORDER BY seq", {p.chat});
            for (; rows.next(); ++storedRows)
                stored.insert(rows.value(0).toString());
        }
        QCOMPARE(stored, acknowledged);
        QCOMPARE(storedRows, int(acknowledged.size()));
        second->terminate();
        QVERIFY(second->waitForFinished(5000));
    }

    // A demo person's like-back is written down by the process that took the like; when that
    // process stops before the pause is over, the other one carries it out.
    void demoActionsOutliveTheProcessThatPlannedThem() {
        const QStringList demo{"--database", m_cluster->url(), "--demo", "--like-back",
                               "1",          "--demo-delay",   "1500"};
        ServiceHarness first(demo);
        DemoSeeder(first.context()).seed(1, -30.0, 150.0, 1, DemoPhotos::None);
        const QString demoPerson =
            first.context()
                .db.scalar("SELECT id FROM users WHERE is_demo = 1 AND lat < -29 AND lat > -31")
                .toString();
        quint16 port = 0;
        const auto second = ServiceHarness::serveBinary(
            demo +
                QStringList{"--envelope-key", QString::fromLatin1(first.envelopeKey().toBase64())},
            &port);
        QVERIFY(second);
        const QString token =
            first.signUp(ServiceHarness::newUserId(), "man", "all", 30, -30.0, 150.0);
        // Demo people would like the newcomer first, which would make the like a match at once.
        first.context().db.exec("DELETE FROM demo_actions");
        QNetworkAccessManager network;
        QNetworkReply *like = send(network, port, "POST", "swipes",
                                   {{"toUserID", demoPerson}, {"swipeType", "right"}}, token);
        QTRY_VERIFY(like->isFinished());
        QCOMPARE(QJsonDocument::fromJson(like->readAll()).object().value("status").toString(),
                 QString("swipeCreated"));
        second->terminate();
        QVERIFY(second->waitForFinished(5000));
        QTRY_COMPARE_WITH_TIMEOUT(first.chats(token).size(), 1, 10000);
    }
};

QTEST_MAIN(TestServiceConcurrency)
#include "tst_service_concurrency.moc"
