// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"
#include "feed/SwipeOutbox.h"

#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Swipe = SwipeOutbox::Swipe;
using namespace std::chrono_literals;

class TestSwipeOutbox : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_resent;

    std::unique_ptr<QSettings> defaults() {
        return std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("%1.ini").arg(QTest::currentTestFunction())),
            QSettings::IniFormat);
    }
    std::unique_ptr<SwipeOutbox> outbox(NetworkService &network) {
        auto box = std::make_unique<SwipeOutbox>(
            defaults(), network, [this](const Result<SwipeResponse> &result) {
                m_resent << (result.ok() ? result.value().status : QStringLiteral("failed"));
            });
        box->setRetryDelays(200ms, 400ms);
        return box;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_resent.clear(); }

    // Likes and passes that got no answer survive a restart and go again, round after round,
    // until the service has them; only the session of the user who swiped sends them.
    void unansweredSwipesAreSentAgainUntilTheServiceHasThem() {
        FakeService fake;
        QVERIFY(fake.start());
        const std::unique_ptr<NetworkService> network = fake.client();
        fake.dropConnection(QStringLiteral("swipes"));
        const QList<Swipe> swipes{
            {QStringLiteral("ME"), QStringLiteral("USER-1"), SwipeType::right, {}},
            {QStringLiteral("ME"), QStringLiteral("USER-2"), SwipeType::left, {}}};
        {
            const auto box = outbox(*network);
            QList<bool> firstAnswers;
            for (const Swipe &swipe : swipes)
                box->send(swipe, [&](const Result<SwipeResponse> &r) { firstAnswers << r.ok(); });
            QTRY_COMPARE(firstAnswers, QList<bool>({false, false}));
            QCOMPARE(box->kept(), swipes);
            // A round sent again after the first wait fails too and plans the next.
            QTRY_COMPARE(m_resent, QStringList({"failed", "failed", "failed", "failed"}));
            QCOMPARE(box->kept(), swipes);
        }

        fake.respond(QStringLiteral("swipes"), 200, R"({"status":"matchCreated","message":"hi"})");
        fake.clearRequests();
        m_resent.clear();
        {
            const auto restarted = outbox(*network);
            QCOMPARE(restarted->kept(), swipes);
            restarted->resend(QStringLiteral("SOMEONE ELSE"));
            QTest::qWait(300);
            QVERIFY(fake.requestsTo(QStringLiteral("swipes")).isEmpty());
            restarted->resend(QStringLiteral("ME"));
            QTRY_VERIFY(restarted->kept().isEmpty());
            QCOMPARE(m_resent, QStringList({"matchCreated", "matchCreated"}));
            const QList<RecordedRequest> sent = fake.requestsTo(QStringLiteral("swipes"));
            QCOMPARE(sent.size(), 2);
            QCOMPARE(sent[0].json()["toUserID"].toString(), QStringLiteral("USER-1"));
            QCOMPARE(sent[0].json()["swipeType"].toString(), QStringLiteral("right"));
            QCOMPARE(sent[1].json()["swipeType"].toString(), QStringLiteral("left"));
            QTest::qWait(500); // nothing left: no further round
            QCOMPARE(fake.requestsTo(QStringLiteral("swipes")).size(), 2);
        }
        QVERIFY(outbox(*network)->kept().isEmpty());
    }

    // An answer that does not say the service stored the swipe keeps it: too many calls, or a
    // captive portal's page that comes with a 200.
    void swipesTheServiceDidNotStoreAreKept_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("429") << 429 << QByteArray(R"({"error":true,"reason":"потом"})");
        QTest::newRow("200 page") << 200 << QByteArray("<html>portal</html>");
    }

    void swipesTheServiceDidNotStoreAreKept() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        FakeService fake;
        QVERIFY(fake.start());
        const std::unique_ptr<NetworkService> network = fake.client();
        fake.respond(QStringLiteral("swipes"), status, body);
        auto box = outbox(*network);
        bool failed = false;
        // A super-like keeps its note through the restart.
        const Swipe like{QStringLiteral("ME"), QStringLiteral("USER-1"), SwipeType::superlike,
                         QStringLiteral("Привет")};
        box->send(like, [&](const Result<SwipeResponse> &r) { failed = !r.ok(); });
        QTRY_VERIFY(failed);
        QCOMPARE(box->kept(), QList<Swipe>{like});
        box.reset(); // a restart: the next start reads what this one wrote
        QCOMPARE(outbox(*network)->kept(), QList<Swipe>{like});
    }

    // A refusal is the service's answer, so the swipe is not kept; a damaged store keeps
    // only what it can read.
    void refusalsAndUnreadableEntriesAreNotKept() {
        FakeService fake;
        QVERIFY(fake.start());
        const std::unique_ptr<NetworkService> network = fake.client();
        fake.respond(QStringLiteral("swipes"), 404, R"({"error":true,"reason":"нет такого"})");
        auto box = outbox(*network);
        bool answered = false;
        box->send({QStringLiteral("ME"), QStringLiteral("GONE"), SwipeType::right, {}},
                  [&](const Result<SwipeResponse> &r) { answered = !r.ok(); });
        QTRY_VERIFY(answered);
        QVERIFY(box->kept().isEmpty());
        QTest::qWait(300);
        QCOMPARE(fake.requestsTo(QStringLiteral("swipes")).size(), 1);
        box.reset(); // its last writes land before the file is damaged below

        defaults()->setValue(SwipeOutbox::key(),
                             QByteArray(R"([{"owner":"ME","toUserID":"A","swipeType":"right"},)"
                                        R"({"owner":"ME","toUserID":"B","swipeType":"sideways"},)"
                                        R"({"owner":"ME"}, 7])"));
        const QList<Swipe> readable{
            {QStringLiteral("ME"), QStringLiteral("A"), SwipeType::right, {}}};
        QCOMPARE(outbox(*network)->kept(), readable);
        defaults()->setValue(SwipeOutbox::key(), QByteArray("{not json"));
        QVERIFY(outbox(*network)->kept().isEmpty());
    }
};

QTEST_MAIN(TestSwipeOutbox)
#include "tst_swipeoutbox.moc"
