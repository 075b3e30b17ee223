#include "ServiceHarness.h"

#include "DemoSeeder.h"
#include "ServiceContext.h"

#include <QSet>
#include <QTest>

// Demo people like newcomers, like back and answer messages on their own.
class TestServiceDemo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void demoPeopleLikeLikeBackAndAnswer() {
        ServiceHarness service({"--demo", "--like-back", "1", "--demo-delay", "50"});
        DemoSeeder(service.context()).seed(30, 55.0, 37.0, 5, false);
        const QString token =
            service.signUp(ServiceHarness::newUserId(), "man", "all", 30, 55.0, 37.0);

        QTRY_VERIFY_WITH_TIMEOUT(!service.get("likes", token).isEmpty(), 5000);
        QSet<QString> admirers;
        for (const QJsonValue &p : service.get("likes", token))
            admirers.insert(p.toObject().value("userID").toString());

        QString target;
        for (const QJsonValue &p : service.get("fetchProfiles", token)) {
            const QString id = p.toObject().value("userID").toString();
            if (!admirers.contains(id) && id != ServiceContext::reviewerId())
                target = id;
        }
        QVERIFY(!target.isEmpty());
        QCOMPARE(service.swipe(token, target, "right"), QString("swipeCreated"));
        QTRY_COMPARE_WITH_TIMEOUT(service.chats(token).size(), 1, 5000);

        const QString chat = service.chats(token).at(0).toObject().value("chatID").toString();
        QCOMPARE(
            service.json("POST", "sendMessage", {{"chatID", chat}, {"content", "Привет!"}}, token)
                .status,
            200);
        const QString older = "chats/" + chat + "/messages/older?before=2999-01-01T00:00:00Z";
        QTRY_COMPARE_WITH_TIMEOUT(service.get(older, token).size(), 2, 5000);
        // Both messages may share a second, so look the answer up by its author.
        const QJsonArray messages = service.get(older, token);
        const auto fromTarget = std::find_if(messages.begin(), messages.end(), [&](const auto &m) {
            return m.toObject().value("senderID").toString() == target;
        });
        QVERIFY(fromTarget != messages.end());
        QVERIFY(!(*fromTarget).toObject().value("content").toString().isEmpty());
    }
};

QTEST_MAIN(TestServiceDemo)
#include "tst_service_demo.moc"
