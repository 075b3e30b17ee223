// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Database.h"
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
        // PostgreSQL's CAST rounds latitude bands: this box's northern edge lies past the middle
        // of its band, so the person just inside it is in the next band up.
        const QString d = ServiceHarness::newUserId();
        const QString td = service.signUp(d, "man", "woman", 30, 55.0, 37.0);
        QCOMPARE(service.putSettings(td, 10, "woman", 20, 35), 200);
        const QString north = ServiceHarness::newUserId();
        service.signUp(north, "woman", "man", 30, 55.0799, 37.0); // ~8.9 km
        QCOMPARE(service.get("fetchProfiles", td).at(0).toObject().value("userID").toString(),
                 north);

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

    void statementsCarryEveryValueBothWays() {
        PostgresCluster cluster;
        QVERIFY2(cluster.error().isEmpty(),
                 qPrintable("no PostgreSQL cluster: " + cluster.error()));
        Database db(cluster.url());
        QString error;
        QVERIFY2(db.open(&error), qPrintable(error));

        const QString typed = QStringLiteral(
            "SELECT CAST(? AS BIGINT), CAST(? AS DOUBLE PRECISION), CAST(? AS INTEGER), "
            "CAST(? AS TEXT), '?' || CAST(? AS TEXT)");
        const double lat = 55.755812345678901;
        QSqlQuery row = db.exec(typed, {qint64(1) << 40, lat, true, QVariant(), "Привет"});
        QVERIFY(row.next());
        QCOMPARE(row.value(0).typeId(), QMetaType::LongLong);
        QCOMPARE(row.value(0).toLongLong(), qint64(1) << 40);
        QCOMPARE(row.value(1).toDouble(), lat); // exactly, not to some digits
        QCOMPARE(row.value(2).toInt(), 1);
        QVERIFY(row.value(3).isNull());
        QCOMPARE(row.value(4).toString(), QString("?Привет")); // a quoted ? is no placeholder
        QVERIFY(!row.next());

        // The statement is kept on the connection and runs again with other values, also
        // while its earlier result is still being read.
        QSqlQuery again = db.exec(typed, {-1, -0.5, false, "", ""});
        QVERIFY(again.next());
        QCOMPARE(again.value(0).toLongLong(), -1);
        QCOMPARE(again.value(2).toInt(), 0);
        QCOMPARE(again.value(3).toString(), QString(""));
        QVERIFY(!again.value(3).isNull());

        // A statement the server refuses is not kept: asking again fails the same way, and the
        // connection goes on serving others.
        const QString wrong = QStringLiteral("SELECT no_such_column FROM users WHERE id = ?");
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                (void)db.exec(wrong, {"x"});
                QFAIL("a wrong statement ran");
            } catch (const DbError &e) {
                QVERIFY2(QByteArray(e.what()).contains("no_such_column"), e.what());
            }
        }
        QCOMPARE(
            db.scalar(QStringLiteral("SELECT COUNT(*) FROM users WHERE id = ?"), {"x"}).toInt(), 0);

        // Through the socket folder the server sees no network address.
        Database local(cluster.socketUrl());
        QVERIFY2(local.open(&error), qPrintable(error));
        QVERIFY(local.scalar(QStringLiteral("SELECT inet_server_addr()")).isNull());
        QVERIFY(!db.scalar(QStringLiteral("SELECT inet_server_addr()")).isNull());
        QCOMPARE(db.exec(QStringLiteral("UPDATE users SET bio = ? WHERE id = ?"), {"b", "x"})
                     .numRowsAffected(),
                 0);
    }
};

QTEST_MAIN(TestServicePostgres)
#include "tst_service_postgres.moc"
