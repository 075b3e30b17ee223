#include "Database.h"
#include "PostgresCluster.h"
#include "ServiceHarness.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QSet>
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
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(replies.begin(), replies.end(),
                                             [](QNetworkReply *r) { return r->isFinished(); }),
                                 30000);
        for (QNetworkReply *reply : replies)
            QVERIFY2(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200,
                     reply->readAll().constData());
        QCOMPARE(locker.scalar("SELECT COUNT(DISTINCT seq) FROM messages WHERE chat_id = ?", {chat})
                     .toInt(),
                 48);
    }
};

QTEST_MAIN(TestServiceConcurrency)
#include "tst_service_concurrency.moc"
