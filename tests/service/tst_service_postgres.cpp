#include "PostgresCluster.h"
#include "ServiceHarness.h"

#include <QTest>

// The same calls against PostgreSQL: the schema and every statement must run there too.
class TestServicePostgres : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void likeRoadAndFeedRunOnPostgres() {
        // Set-up installs the server programs: a missing cluster is a failure, not a skip.
        PostgresCluster cluster;
        QVERIFY2(cluster.error().isEmpty(),
                 qPrintable("no PostgreSQL cluster: " + cluster.error()));
        ServiceHarness service({"--database", cluster.url()});
        const QString a = ServiceHarness::newUserId();
        const QString b = ServiceHarness::newUserId();
        const QString ta = service.signUp(a, "man", "woman", 30, 55.75, 37.61);
        const QString tb = service.signUp(b, "woman", "man", 28, 55.76, 37.62);
        QCOMPARE(service.putSettings(ta, 10, "woman", 20, 35), 200);
        const QJsonArray feed = service.get("fetchProfiles", ta);
        QCOMPARE(feed.size(), 1);
        QCOMPARE(feed.at(0).toObject().value("userID").toString(), b);

        service.swipe(ta, b, "superlike", "Привет!");
        QCOMPARE(service.get("likes", tb).size(), 1);
        QCOMPARE(service.swipe(tb, a, "right", {}, b), QString("matchCreated"));

        const QJsonObject chat = service.chats(tb).at(0).toObject();
        QCOMPARE(chat.value("isUnread").toBool(), true);
        QCOMPARE(chat.value("messages").toArray().at(0).toObject().value("content").toString(),
                 QString("Привет!"));
        const QString path = "chats/" + chat.value("chatID").toString() +
                             "/messages/older?before=2999-01-01T00:00:00Z";
        QCOMPARE(service.get(path, tb).size(), 1);
        const QJsonObject named{{"chatID", chat.value("chatID")},
                                {"content", "Привет"},
                                {"clientMessageID", ServiceHarness::newUserId()}};
        const QJsonObject sent = service.json("POST", "sendMessage", named, ta).object();
        QCOMPARE(service.json("POST", "sendMessage", named, ta).object(), sent);
        QCOMPARE(service.get(path, tb).size(), 2);
        // Each chat in the list reads its newest message while the list is being read.
        const QString c = ServiceHarness::newUserId();
        const QString tc = service.signUp(c, "man", "woman", 33, 55.77, 37.63);
        service.swipe(tc, b, "right");
        QCOMPARE(service.swipe(tb, c, "right"), QString("matchCreated"));
        QCOMPARE(service.chats(tb).size(), 2);
        QCOMPARE(service.json("POST", "cancelMatch", {{"matchID", chat.value("id")}}, ta).status,
                 200);
        QCOMPARE(service.chats(tb).size(), 1);

        // PostgreSQL text holds no U+0000: such input is the caller's fault, not a crash.
        const QString nul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
        const auto bio = service.json("PUT", "user/bio",
                                      {{"bio", nul}, {"job", ""}, {"edu", ""}, {"city", ""}}, ta);
        QCOMPARE(bio.status, 400);
        QVERIFY(bio.isError());
        QCOMPARE(service.validateDevice(service.envelope(ServiceHarness::newUserId(), nul)).status,
                 400);
    }
};

QTEST_MAIN(TestServicePostgres)
#include "tst_service_postgres.moc"
