// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"
#include "StdoutCapture.h"
#include "TestServices.h"
#include "account/AccountAlertVC.h"
#include "api/EventChannel.h"
#include "api/NetworkService.h"
#include "api/ProfileView.h"
#include "app/AppScreens.h"
#include "cards/ButtonStackView.h"
#include "details/UserInfoVC.h"
#include "likes/CardCellView.h"
#include "likes/LikesModel.h"
#include "likes/LikesVC.h"
#include "platform/AppLanguage.h"
#include "store/UserManager.h"
#include "ui/TabContainer.h"
#include "ui/Window.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QQuickItem>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {
const QString me = QStringLiteral("00000009-0000-4000-8000-000000000001");

// `count` people who liked the user, as the service lists them.
QByteArray admirers(int count) {
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        ProfileView person;
        person.userID = QStringLiteral("P%1").arg(i);
        person.name = QStringLiteral("Человек %1").arg(i);
        person.age = 20 + i;
        person.distance = i;
        person.job = i % 2 ? QStringLiteral("Пилот") : QString();
        list.append(person.toJson());
    }
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}
} // namespace

class TestLikes : public QObject {
    Q_OBJECT

    TestServices m_services;

    std::unique_ptr<FakeService> m_fake;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<Window> m_window;
    QQuickItem m_slots;

    // The likes screen as the tab bar holds it, loaded once the service has answered.
    LikesVC *loadedTab(int count) {
        m_fake->respond("likes", 200, admirers(count));
        auto *tabs = new TabContainer();
        m_window->setRoot(tabs);
        auto *likes = new LikesVC(m_services.services().setNetwork(*m_network));
        tabs->setTabs({new ViewController(QStringLiteral("Feed")), likes});
        likes->loadViewIfNeeded();
        [&] { QTRY_COMPARE(likes->data().size(), count); }();
        return likes;
    }
    static QString badge(LikesVC *likes) { return likes->tabBarController()->badges().at(1); }
    // The card of the grid's nth cell, as a drawn cell asks for it.
    CardCellView *card(LikesVC *likes, int n) {
        auto *slot = new QQuickItem(&m_slots);
        slot->setSize(QSizeF(CardCellView::kSize));
        return likes->makeCard(likes->data().at(n).id.toString(), slot, nullptr);
    }
    QList<QJsonObject> swipes() const {
        QList<QJsonObject> bodies;
        for (const RecordedRequest &request : m_fake->requestsTo("swipes"))
            bodies.append(request.json());
        return bodies;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        User user = UserManager::initialUser();
        user.userID = me;
        m_services.services().user().setCurrentUser(user);
        AppScreens::install(m_services.services().screens());
        AppLanguage::install(QLocale(QLocale::Russian));
    }

    void init() {
        m_fake = std::make_unique<FakeService>();
        QVERIFY(m_fake->start());
        m_network = m_fake->client();
        m_services.services().network().setBaseUrl(m_fake->baseUrl());
        m_window = std::make_unique<Window>();
    }

    // The Russian forms hold in a Russian desktop and in one without a translation; English
    // has its own, with the locale's digit grouping.
    void countPhraseFollowsTheLanguagesPlurals() {
        const QList<std::pair<int, const char *>> phrases{
            {0, "0 лайков"},     {1, "1 лайк"},       {2, "2 лайка"},  {5, "5 лайков"},
            {11, "11 лайков"},   {12, "12 лайков"},   {21, "21 лайк"}, {22, "22 лайка"},
            {112, "112 лайков"}, {1004, "1004 лайка"}};
        for (const QLocale &locale : {QLocale(QLocale::German), QLocale(QLocale::Russian)}) {
            AppLanguage::install(locale);
            for (const auto &[n, phrase] : phrases)
                QCOMPARE(LikesVC::countPhrase(n), QString::fromUtf8(phrase));
        }
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QLocale::setDefault(english);
        AppLanguage::install(english);
        const QList<std::pair<int, const char *>> englishPhrases{
            {0, "0 likes"}, {1, "1 like"}, {2, "2 likes"}, {21, "21 likes"}, {1004, "1,004 likes"}};
        for (const auto &[n, phrase] : englishPhrases)
            QCOMPARE(LikesVC::countPhrase(n), QString::fromUtf8(phrase));
        QLocale::setDefault(QLocale::system());
        AppLanguage::install(QLocale(QLocale::Russian));
    }

    void theListFillsTheTitleAndTheBadgeAndFollowsTheFeed() {
        LikesVC *likes = loadedTab(21);
        QCOMPARE(likes->likesTitle(), QStringLiteral("21 лайк"));
        QCOMPARE(badge(likes), QStringLiteral("21"));
        QVERIFY(!likes->gridHidden());
        const CardModel &first = likes->data().at(1);
        QCOMPARE(first.age, QStringLiteral("21"));
        QCOMPARE(first.info, (QList<InfoItem>{{InfoType::Distance, QStringLiteral("1 км")},
                                              {InfoType::Position, QStringLiteral("Пилот")}}));

        Q_EMIT card(likes, 0)->swiped(SwipeDirection::Right);
        QCOMPARE(likes->likesTitle(), QStringLiteral("20 лайков"));
        QCOMPARE(badge(likes), QStringLiteral("20"));

        // An empty answer leaves the empty state and no badge.
        m_fake->respond("likes", 200, "[]");
        likes->updateData();
        QTRY_VERIFY(likes->gridHidden());
        QCOMPARE(likes->likesTitle(), QStringLiteral("0 лайков"));
        QCOMPARE(badge(likes), QString());

        // Live events: a like, and a pair made elsewhere, ask again; a message does not.
        m_fake->clearRequests();
        EventChannel &events = m_services.services().events();
        Q_EMIT events.arrived({LiveEvent::Kind::Message, QStringLiteral("message"),
                               QUuid::createUuid(), QUuid::createUuid()});
        Q_EMIT events.arrived({LiveEvent::Kind::Like, QStringLiteral("like"), {}, {}});
        Q_EMIT events.arrived(
            {LiveEvent::Kind::Match, QStringLiteral("match"), QUuid::createUuid(), {}});
        QTRY_COMPARE(m_fake->requestsTo("likes").size(), 2);
        QTest::qWait(200);
        QCOMPARE(m_fake->requestsTo("likes").size(), 2);
        // A channel coming live asks for what came before it; one going down does not.
        Q_EMIT events.liveChanged(true);
        Q_EMIT events.liveChanged(false);
        QTRY_COMPARE(m_fake->requestsTo("likes").size(), 3);
        QTest::qWait(200);
        QCOMPARE(m_fake->requestsTo("likes").size(), 3);
    }

    void aThrownCardLeavesAtOnceAndComesBackWhileTheServiceListsIt() {
        LikesVC *likes = loadedTab(3);
        CardCellView *thrown = card(likes, 1);
        QCOMPARE(thrown->swipeDirections(),
                 (QList<SwipeDirection>{SwipeDirection::Left, SwipeDirection::Right}));
        Q_EMIT thrown->swipeBegan();
        QVERIFY(thrown->isLifted());
        Q_EMIT thrown->swipeCancelled();
        QVERIFY(!thrown->isLifted());

        StdoutCapture log;
        const QSignalSpy matched(likes, &LikesVC::matchCreated);
        m_fake->respondDelayed("swipes", std::chrono::milliseconds(300), 200,
                               R"({"status":"swipeCreated"})");
        Q_EMIT thrown->swiped(SwipeDirection::Left);
        QCOMPARE(likes->data().size(), 2); // before the service has answered
        QVERIFY(likes->data().at(1).userID == QStringLiteral("P2"));
        Q_EMIT thrown->swiped(SwipeDirection::Left); // gone already: nothing more
        QTRY_VERIFY(log.text().contains("Swipe created, no match yet."));
        QCOMPARE(
            swipes(),
            (QList<QJsonObject>{
                {{"fromUserID", me}, {"toUserID", "P1"}, {"swipeType", "left"}, {"message", ""}}}));

        m_fake->respond("swipes", 200, R"({"status":"matchCreated","message":"Пара!"})");
        Q_EMIT card(likes, 0)->swiped(SwipeDirection::Right);
        QTRY_VERIFY(log.text().contains("Match!"));
        QCOMPARE(matched.size(), 1);
        QCOMPARE(swipes().last().value("swipeType").toString(), QStringLiteral("right"));

        // The service still lists everyone: the next answer brings them back.
        likes->updateData();
        QTRY_COMPARE(likes->data().size(), 3);
    }

    void keysAnswerTheFocusedCardOnceItShows() {
        LikesVC *likes = loadedTab(3);
        m_fake->respond("swipes", 200, R"({"status":"swipeCreated"})");
        card(likes, 0);
        card(likes, 1);
        likes->setFocusedIndex(1);
        QVERIFY(likes->handleKey(KeyCommand::Right)); // shows the focus only
        QVERIFY(likes->keyboardFocusShown());
        QCOMPARE(likes->data().size(), 3);
        QVERIFY(likes->handleKey(KeyCommand::Right));
        QCOMPARE(likes->data().size(), 2);
        QTRY_COMPARE(swipes().size(), 1);
        QCOMPARE(swipes().first().value("toUserID").toString(), QStringLiteral("P1"));
        QCOMPARE(likes->focusedIndex(), 1); // the last card is focused now, without its own cell
        QVERIFY(!likes->handleKey(KeyCommand::Left));
        likes->setFocusedIndex(0);
        QVERIFY(!likes->handleKey(KeyCommand::Escape));
        QVERIFY(likes->handleKey(KeyCommand::Return));
        QVERIFY(qobject_cast<UserInfoVC *>(likes->presentedViewController()));
    }

    void theProfileActsOnItsCardAndBlockingRemovesIt() {
        LikesVC *likes = loadedTab(3);
        m_fake->respond("swipes", 200, R"({"status":"swipeCreated"})");
        m_fake->respond("user/block", 200, "{}");
        likes->openProfile(card(likes, 2));
        auto *info = qobject_cast<UserInfoVC *>(likes->presentedViewController());
        QVERIFY(info);
        QVERIFY(info->rows()->find(RowModel::Kind::DestructiveButton) >= 0);
        info->rowSelected(info->rows()->find(RowModel::Kind::Button));
        qobject_cast<AccountAlertVC *>(info->presentedViewController())->actionTapped(0);
        QTRY_COMPARE(likes->data().size(), 2);
        QVERIFY(!likes->presentedViewController());
        QTRY_COMPARE(swipes().size(), 1);
        QCOMPARE(swipes().first().value("toUserID").toString(), QStringLiteral("P2"));
        QCOMPARE(swipes().first().value("swipeType").toString(), QStringLiteral("left"));

        // The note leaves the card out of the grid without telling the service; a card no
        // longer in the grid takes no further button.
        CardCellView *noted = card(likes, 0);
        likes->openProfile(noted);
        info = qobject_cast<UserInfoVC *>(likes->presentedViewController());
        info->buttonTapped(info->buttonStackView()->noteButton());
        QCOMPARE(likes->data().size(), 1);
        likes->profileAnswered(ButtonStackView::LikeTag);
        QCOMPARE(likes->data().size(), 1);
        QTest::qWait(50);
        QCOMPARE(swipes().size(), 1);
    }

    // The list comes back every minute with new cards for the same people: an unchanged list
    // leaves the grid as it is, and the open profile's answer still reaches its person's card
    // after the list changed around it.
    void theOpenProfileAnswersAcrossRefreshes() {
        LikesVC *likes = loadedTab(3);
        m_fake->respond("swipes", 200, R"({"status":"swipeCreated"})");
        likes->openProfile(card(likes, 1));
        auto *info = qobject_cast<UserInfoVC *>(likes->presentedViewController());
        QVERIFY(info);
        const QList<CardModel> before = likes->data();
        QSignalSpy reset(likes->findChild<LikesModel *>(), &QAbstractItemModel::modelReset);
        QVERIFY(reset.isValid());
        likes->updateData();
        QTRY_COMPARE(m_fake->requestsTo("likes").size(), 2);
        QTest::qWait(100);
        QCOMPARE(reset.size(), 0);
        QCOMPARE(likes->data().at(1).id, before.at(1).id);

        m_fake->respond("likes", 200, admirers(4));
        likes->updateData();
        QTRY_COMPARE(likes->data().size(), 4);
        info->buttonTapped(info->buttonStackView()->likeButton());
        QTRY_COMPARE(swipes().size(), 1);
        QCOMPARE(swipes().first().value("toUserID").toString(), QStringLiteral("P1"));
        QCOMPARE(swipes().first().value("swipeType").toString(), QStringLiteral("right"));
        QCOMPARE(likes->data().size(), 3);
        QVERIFY(std::none_of(likes->data().cbegin(), likes->data().cend(),
                             [](const CardModel &c) { return c.userID == QStringLiteral("P1"); }));
    }
};

QTEST_MAIN(TestLikes)
#include "tst_likes.moc"
