// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "FakeLocation.h"
#include "FakePermission.h"
#include "FakeService.h"
#include "StdoutCapture.h"
#include "TestServices.h"
#include "account/AccountAlertVC.h"
#include "api/NetworkService.h"
#include "app/AppScreens.h"
#include "cards/ButtonStackView.h"
#include "cards/CardButton.h"
#include "cardstack/PanGestureRecognizer.h"
#include "cardstack/SwipeCard.h"
#include "cardstack/SwipeCardStack.h"
#include "details/ReportAlertVC.h"
#include "details/UserInfoVC.h"
#include "feed/MainVC.h"
#include "feed/NoteMessageVC.h"
#include "feed/PulsingHaloLayer.h"
#include "platform/LocationService.h"
#include "platform/NotificationPermission.h"
#include "store/UserManager.h"
#include "ui/AppServices.h"
#include "ui/ChoiceAlertVC.h"
#include "ui/NavigationContainer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray profiles(int count) {
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        list.append(QJsonObject{{"userID", QStringLiteral("USER-%1").arg(i)},
                                {"name", QStringLiteral("Имя %1").arg(i)},
                                {"age", 20 + i},
                                {"bio", i == 0 ? QStringLiteral("Бег по утрам") : QString()},
                                {"distance", 3 + i},
                                {"job", i == 0 ? QStringLiteral("Инженер") : QString()},
                                {"edu", ""},
                                {"city", i == 0 ? QStringLiteral("Тверь") : QString()},
                                {"hasCheckmark", false}});
    }
    return QJsonDocument(list).toJson();
}

QByteArray swipeAnswer(const QString &status) {
    return QJsonDocument(QJsonObject{{"status", status}, {"message", "hi"}}).toJson();
}
} // namespace

class TestMainVC : public QObject {
    Q_OBJECT

    TestServices m_services;

    QTemporaryDir m_dir;
    std::unique_ptr<FakeService> m_fake;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<UserManager> m_users;
    FakeLocation *m_location = nullptr;
    FakePermission *m_permission = nullptr;

    void setUser(double lat, bool active, QStringList photos = {}) {
        User user = UserManager::initialUser();
        user.lat = lat;
        user.longitude = lat;
        user.active = active;
        user.photoUrls = photos;
        m_users->setCurrentUser(user);
    }
    std::unique_ptr<MainVC> makeScreen() {
        auto screen = std::make_unique<MainVC>(
            m_services.services().setUser(*m_users).setNetwork(*m_network));
        screen->loadViewIfNeeded();
        screen->cardStack()->setSize({300, 400});
        return screen;
    }
    // The feed with `count` people dealt, every swipe answered as stored; null when it never
    // shows them.
    std::unique_ptr<MainVC> showingCards(int count) {
        m_fake->respond(QStringLiteral("fetchProfiles"), 200, profiles(count));
        m_fake->respond(QStringLiteral("swipes"), 200, swipeAnswer("swipeCreated"));
        auto screen = makeScreen();
        screen->onUserUpdated();
        if (!QTest::qWaitFor([&] { return screen->state() == MainVCState::DisplayingCards; }))
            return nullptr;
        return screen;
    }
    // The swipes the service got, as "type toUserID".
    QStringList sentSwipes() const {
        QStringList sent;
        for (const RecordedRequest &swipe : m_fake->requestsTo(QStringLiteral("swipes")))
            sent << swipe.json()["swipeType"].toString() + u' ' +
                        swipe.json()["toUserID"].toString();
        return sent;
    }
    // The feed drawn in an active 1920 x 1080 window, asked for its cards.
    MainVC *wideFeed(DrawnWindow &drawn) {
        auto *screen = new MainVC(m_services.services().setUser(*m_users).setNetwork(*m_network));
        drawn.window().setRoot(screen);
        if (!drawn.show({1920, 1080}))
            return nullptr;
        drawn.quick()->requestActivate();
        if (!QTest::qWaitForWindowActive(drawn.quick()))
            return nullptr;
        screen->onUserUpdated();
        return screen;
    }
    static bool settled(MainVC &screen) {
        return QTest::qWaitFor([&] { return !screen.cardStack()->isAnimating(); }, 5000);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        // A card whose drawing cannot be built shows nothing: that is a failure here.
        QTest::failOnWarning(
            QRegularExpression(QStringLiteral("could not be drawn|Cannot instantiate")));
        m_fake = std::make_unique<FakeService>();
        QVERIFY(m_fake->start());
        m_network = m_fake->client();
        m_users = std::make_unique<UserManager>(std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("%1.ini").arg(QTest::currentTestFunction())),
            QSettings::IniFormat));
        auto location = std::make_unique<FakeLocation>();
        m_location = location.get();
        m_services.services().platform().setLocationService(std::move(location));
        auto permission = std::make_unique<FakePermission>();
        m_permission = permission.get();
        m_services.services().platform().setNotificationPermission(std::move(permission));
        setUser(55.7, true);
    }

    void userWithoutLocationSeesTheLocationMessage() {
        setUser(0, true);
        auto screen = makeScreen();
        QCOMPARE(screen->state(), int(MainVCState::NoGeo));
        QVERIFY(screen->messageVisible() && !screen->avatarVisible() &&
                !screen->halo()->isRunning());
        screen->settingsButtonTapped();
        QCOMPARE(m_location->settingsOpened, 1);
        QVERIFY(!screen->presentedViewController());

        // Offline: the stored record without a location keeps the message up.
        screen->userAnswered(false);
        QTest::qWait(100);
        QCOMPARE(m_fake->requestsTo(QStringLiteral("fetchProfiles")).size(), 0);
        QCOMPARE(screen->state(), int(MainVCState::NoGeo));

        // The position is sent until the service takes it, and then the record the service
        // holds, which has a position, until it comes; the feed loads.
        const auto recordAsks = [this] {
            return m_fake->targets(QStringLiteral("user")).count(QStringLiteral("user"));
        };
        m_fake->respond(QStringLiteral("user/geo"), 500, "{}");
        m_fake->respond(QStringLiteral("user"), 500, "{}");
        m_fake->respond(QStringLiteral("fetchProfiles"), 200, profiles(1));
        screen->setRetryDelays(std::chrono::milliseconds(100), std::chrono::milliseconds(200));
        m_location->fix(59.93, 30.31);
        QTRY_COMPARE(m_fake->requestsTo(QStringLiteral("user/geo")).size(), 2);
        QCOMPARE(recordAsks(), 0);
        m_fake->respond(QStringLiteral("user/geo"), 200, "{}");
        QTRY_COMPARE(recordAsks(), 2);
        QCOMPARE(screen->state(), int(MainVCState::NoGeo));
        User withPosition = m_users->currentUser();
        withPosition.lat = 59.93;
        withPosition.longitude = 30.31;
        m_fake->respond(QStringLiteral("user"), 200, QJsonDocument(withPosition.toJson()).toJson());
        QTRY_COMPARE(screen->state(), int(MainVCState::DisplayingCards));
        const qsizetype asked = recordAsks();
        QTest::qWait(500);
        QCOMPARE(recordAsks(), asked);
    }

    void hiddenUserSeesTheHiddenMessageAndOpensDiscoverySettings() {
        setUser(55.7, false);
        auto screen = makeScreen();
        QCOMPARE(screen->state(), int(MainVCState::Hide));
        screen->settingsButtonTapped();
        QCOMPARE(m_location->settingsOpened, 0);
        auto *sheet = qobject_cast<NavigationContainer *>(screen->presentedViewController());
        QVERIFY(sheet);
        QCOMPARE(sheet->topViewController()->typeName(), QStringLiteral("SettingsVC"));

        // A load that finds the user inactive asks the service for nothing.
        screen->onUserUpdated();
        QTest::qWait(100);
        QCOMPARE(m_fake->requestsTo(QStringLiteral("fetchProfiles")).size(), 0);
        QCOMPARE(screen->state(), int(MainVCState::Hide));
    }

    void anEmptyListShowsNoCardsWithTheHalo() {
        setUser(55.7, true, {QStringLiteral("http://127.0.0.1:9/me.jpg")});
        auto screen = makeScreen();
        QCOMPARE(screen->state(), int(MainVCState::Loading));
        QVERIFY(screen->avatarVisible() && screen->halo()->isRunning());
        QCOMPARE(screen->avatarSource(), QStringLiteral("http://127.0.0.1:9/me.jpg"));

        m_fake->respond(QStringLiteral("fetchProfiles"), 200, "[]");
        screen->onUserUpdated();
        QTRY_COMPARE(screen->state(), int(MainVCState::NoCards));
        QVERIFY(screen->avatarVisible() && screen->noCardsLabelVisible() &&
                screen->halo()->isRunning());
        QVERIFY(!screen->cardStackVisible() && !screen->messageVisible());

        m_fake->respond(QStringLiteral("fetchProfiles"), 200, profiles(1));
        screen->onUserUpdated();
        QTRY_COMPARE(screen->state(), int(MainVCState::DisplayingCards));
        QVERIFY(!screen->halo()->isRunning());
    }

    // Offline at start: the user's record does not come, so the stored one serves the load,
    // with the profiles asked for early. A failed load is tried again, waiting longer each
    // time, until the service answers.
    void aFailedStartIsTriedAgainUntilTheServiceAnswers() {
        m_fake->respond(QStringLiteral("fetchProfiles"), 500, "{}");
        auto screen = makeScreen();
        screen->setRetryDelays(std::chrono::milliseconds(300), std::chrono::milliseconds(400));
        screen->prefetchProfiles();
        QTRY_COMPARE(m_fake->requestsTo(QStringLiteral("fetchProfiles")).size(), 1);
        screen->userAnswered(false);
        QTRY_COMPARE(screen->state(), int(MainVCState::NoCards));
        QTest::qWait(50); // the early answer served: nothing asked again yet
        QCOMPARE(m_fake->requestsTo(QStringLiteral("fetchProfiles")).size(), 1);
        QTRY_COMPARE(m_fake->requestsTo(QStringLiteral("fetchProfiles")).size(), 4);

        m_fake->respond(QStringLiteral("fetchProfiles"), 200, profiles(1));
        QTRY_COMPARE(screen->state(), int(MainVCState::DisplayingCards));
        const qsizetype asked = m_fake->requestsTo(QStringLiteral("fetchProfiles")).size();
        QTest::qWait(500);
        QCOMPARE(m_fake->requestsTo(QStringLiteral("fetchProfiles")).size(), asked);
    }

    void profilesBecomeCardsWithTheDistanceLineAlways() {
        auto screen = showingCards(2);
        QVERIFY(screen);
        QCOMPARE(screen->cardData().size(), 2);
        const CardModel &full = screen->cardData()[0];
        QCOMPARE(full.info, (QList<InfoItem>{{InfoType::About, "Бег по утрам"},
                                             {InfoType::Distance, "3 км от тебя"},
                                             {InfoType::Position, "Инженер"},
                                             {InfoType::City, "Тверь"}}));
        QCOMPARE(screen->cardData()[1].info,
                 (QList<InfoItem>{{InfoType::Distance, QStringLiteral("4 км от тебя")}}));
        QVERIFY(full.id != MainVC::cardModel(ProfileView{}).id);
        QVERIFY(screen->cardStackVisible() && screen->buttonStackVisible());
    }

    void onlyAPassEnablesUndoAndUndoIsOnePerPass() {
        auto screen = showingCards(4);
        QVERIFY(screen);
        ButtonStackView *row = screen->buttonStackView();
        QVERIFY(!row->isUndoButtonEnabled());

        screen->rightPressed();
        QVERIFY(!row->isUndoButtonEnabled());
        QVERIFY(settled(*screen));
        screen->undoPressed(); // refused like the disabled button
        QCOMPARE(screen->cardStack()->swipedIndices(), QList<qint64>{0});

        row->handleTap(row->passButton());
        QVERIFY(row->isUndoButtonEnabled());
        QVERIFY(settled(*screen));
        row->handleTap(row->undoButton());
        QVERIFY(!row->isUndoButtonEnabled());
        QCOMPARE(screen->cardStack()->swipedIndices(), QList<qint64>{0});
        QVERIFY(settled(*screen));

        QTRY_COMPARE(sentSwipes(),
                     QStringList({"right USER-0", "left USER-1"})); // undo sends nothing
        QCOMPARE(m_fake->requestsTo(QStringLiteral("swipes"))[1].json()["message"].toString(),
                 QString());
    }

    void swipingTheLastCardRefillsExactlyOnce() {
        auto screen = showingCards(1);
        QVERIFY(screen);
        StdoutCapture out;
        m_fake->respondDelayed(QStringLiteral("fetchProfiles"), std::chrono::milliseconds(300), 200,
                               profiles(2));
        // The refill waits for the service to have the swipes, or it deals the same people.
        m_fake->respondDelayed(QStringLiteral("swipes"), std::chrono::milliseconds(600), 200,
                               swipeAnswer("swipeCreated"));
        screen->buttonStackView()->handleTap(screen->buttonStackView()->passButton());
        QVERIFY(screen->isLoadingMoreProfiles());
        QVERIFY(!screen->buttonStackView()->isUndoButtonEnabled());
        QCOMPARE(screen->state(), int(MainVCState::Loading));
        // Another swipe event before the answer must not ask again.
        Q_EMIT screen->cardStack()->cardSwiped(0, SwipeDirection::Right);
        QTRY_COMPARE(screen->state(), int(MainVCState::DisplayingCards));
        QVERIFY(!screen->isLoadingMoreProfiles());
        QCOMPARE(m_fake->requestsTo(QStringLiteral("fetchProfiles")).size(), 2);
        QCOMPARE(screen->cardData().size(), 2);
        const QString log = out.text();
        const qsizetype swiped = log.lastIndexOf(u"Swipe created, no match yet.\n");
        QVERIFY(swiped >= 0 && swiped < log.indexOf(u"Дозагрузка профилей завершена\n"));
    }

    // A like that got no answer goes again by itself, and its match tells the likes and the
    // chats when it lands; an answer the client does not know is only logged.
    void aResentLikesMatchTellsLikesAndChats() {
        auto screen = showingCards(3);
        QVERIFY(screen);
        const QSignalSpy matched(&*screen, &MainVC::matchCreated);
        StdoutCapture out;
        m_fake->respond(QStringLiteral("swipes"), 200, swipeAnswer("surprise"));
        screen->rightPressed();
        QTRY_VERIFY(out.text().contains(u"Received response: surprise - hi\n"));

        QVERIFY(settled(*screen));
        screen->setRetryDelays(std::chrono::milliseconds(200), std::chrono::milliseconds(200));
        m_fake->dropConnection(QStringLiteral("swipes"));
        screen->rightPressed();
        QTRY_VERIFY(m_fake->requestsTo(QStringLiteral("swipes")).size() > 2);
        QVERIFY(matched.isEmpty());
        m_fake->respond(QStringLiteral("swipes"), 200, swipeAnswer("matchCreated"));
        QTRY_COMPARE(matched.size(), 1);
        QCOMPARE(sentSwipes().last(), QStringLiteral("right USER-1"));
    }

    void onlyTheFirstLocationFixIsSent() {
        m_fake->respond(QStringLiteral("user/geo"), 200, "{}");
        auto screen = makeScreen();
        QCOMPARE(m_location->locationRequests, 1);
        StdoutCapture out;
        m_location->fix(59.93, 30.31);
        m_location->fix(10, 10);
        QTRY_COMPARE(m_users->currentUser().lat, 59.93);
        QCOMPARE(m_users->currentUser().longitude, 30.31);
        QTest::qWait(100);
        QCOMPARE(m_fake->requestsTo(QStringLiteral("user/geo")).size(), 1);
        QVERIFY(!out.text().contains(u"59.93")); // an exact position stays out of the log
        QCOMPARE(screen->state(), int(MainVCState::Loading)); // storing it reloads nothing
        QCOMPARE(m_fake->targets(QStringLiteral("user")), QStringList{QStringLiteral("user/geo")});
    }

    // A position the service refuses outright would only be refused again.
    void aRefusedPositionIsNotSentAgain() {
        m_fake->respond(QStringLiteral("user/geo"), 400, R"({"reason":"Неверные координаты"})");
        auto screen = makeScreen();
        screen->setRetryDelays(std::chrono::milliseconds(50), std::chrono::milliseconds(50));
        m_location->fix(59.93, 30.31);
        QTRY_COMPARE(m_fake->requestsTo(QStringLiteral("user/geo")).size(), 1);
        QTest::qWait(300);
        QCOMPARE(m_fake->requestsTo(QStringLiteral("user/geo")).size(), 1);
        QCOMPARE(m_users->currentUser().lat, 55.7);
    }

    void undecidedPermissionsAreAskedOnLoad() {
        m_location->status = LocationAuthorization::NotDetermined;
        m_permission->answer = NotificationPermission::Status::NotDetermined;
        m_permission->error = QStringLiteral("нет службы");
        StdoutCapture out;
        auto screen = makeScreen();
        QCOMPARE(m_location->authorizationRequests, 1);
        QCOMPARE(m_location->locationRequests, 0);
        QCOMPARE(m_permission->requests, 0); // one question at a time
        Q_EMIT m_location->authorizationChanged(LocationAuthorization::AuthorizedWhenInUse);
        QCOMPARE(m_location->locationRequests, 1);
        QCOMPARE(m_permission->requests, 1);
        QVERIFY(out.text().contains(u"Ошибка запроса разрешения на уведомления: нет службы\n"));
        // Granted, and the push address was never sent: both paths register.
        QCOMPARE(m_permission->registrations, 2);
    }

    // Presses that come while a card flies off are not dropped: the latest one waits for the
    // card and then swipes the next, so a held key goes through the stack card by card.
    void pressesDuringASwipeWaitForIt() {
        auto screen = showingCards(4);
        QVERIFY(screen);
        screen->rightPressed();
        QVERIFY(screen->cardStack()->isAnimating());
        screen->rightPressed();
        screen->leftPressed(); // takes the waiting place of the like before it
        QCOMPARE(screen->cardStack()->swipedIndices(), QList<qint64>{0});
        QTRY_COMPARE(screen->cardStack()->swipedIndices(), QList<qint64>({0, 1}));
        QVERIFY(settled(*screen));
        QCOMPARE(screen->cardStack()->swipedIndices(), QList<qint64>({0, 1}));
        QTRY_COMPARE(sentSwipes(), QStringList({"right USER-0", "left USER-1"}));
    }

    // A drag whose first pixels go more down than sideways still takes the card, and thrown
    // far enough to the right it is a like.
    void aDragThatStartsDownwardsStillMovesTheCard() {
        auto screen = showingCards(3);
        QVERIFY(screen);
        screen->cardStack()->setSize({360, 520});
        SwipeCard *top = screen->cardStack()->topCard();
        QVERIFY(top);
        PanGestureRecognizer *pan = top->panGestureRecognizer();
        const QPointF start(180, 260);
        pan->press(start, 0);
        pan->move(start + QPointF(3, 12), 16);
        QCOMPARE(pan->state(), PanGestureRecognizer::State::Began);
        for (int step = 1; step <= 10; ++step)
            pan->move(start + QPointF(3 + 30 * step, 12), 16 + 16 * step);
        QVERIFY(top->x() > 0 || top->rotation() != 0); // the card follows the hand
        pan->release(start + QPointF(303, 12), 200);
        QTRY_COMPARE(screen->cardStack()->swipedIndices(), QList<qint64>{0});
        QTRY_COMPARE(sentSwipes(), QStringList{"right USER-0"});
    }

    // The card that comes to the top grows to full size; grabbed while it grows and let go
    // without a swipe, it still ends at full size, not frozen part way.
    void aCardGrabbedWhileGrowingEndsAtFullSize() {
        auto screen = showingCards(4);
        QVERIFY(screen);
        screen->cardStack()->setSize({360, 520});
        SwipeCard *next = screen->cardStack()->backgroundCards().value(0);
        QVERIFY(next);
        QVERIFY(next->scale() < 1.0);
        screen->rightPressed();
        QTest::qWait(60); // part way through growing
        QCOMPARE(screen->cardStack()->topCard(), next);
        QVERIFY(next->scale() < 1.0);
        PanGestureRecognizer *pan = next->panGestureRecognizer();
        const QPointF start(180, 260);
        pan->press(start, 0);
        pan->move(start + QPointF(20, 0), 16);
        QCOMPARE(pan->state(), PanGestureRecognizer::State::Began);
        pan->move(start + QPointF(30, 0), 32);
        pan->release(start + QPointF(30, 0), 400);
        QVERIFY(settled(*screen));
        QTRY_COMPARE(next->scale(), 1.0);
        QCOMPARE(screen->cardStack()->swipedIndices(), QList<qint64>{0});
    }

    // A key or a card button pressed while the hand still holds the top card past the line:
    // the press wins and throws that card alone, the drag is dropped and its release does
    // nothing, and the stack keeps its two cards with none left behind on screen.
    void aPressDuringADragSwipesOnlyTheTopCard() {
        m_fake->respond(QStringLiteral("fetchProfiles"), 200, profiles(5));
        m_fake->respond(QStringLiteral("swipes"), 200, swipeAnswer("swipeCreated"));
        DrawnWindow drawn{m_services.services()};
        auto *screen = new MainVC(m_services.services().setUser(*m_users).setNetwork(*m_network));
        drawn.window().setRoot(screen);
        QVERIFY(drawn.show());
        drawn.quick()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(drawn.quick()));
        screen->onUserUpdated();
        QTRY_COMPARE(screen->state(), int(MainVCState::DisplayingCards));
        SwipeCardStack *stack = screen->cardStack();
        QQuickItem *like = drawn.find([](QQuickItem *item) {
            const auto *button = item->property("button").value<CardButton *>();
            return button && button->tag() == ButtonStackView::LikeTag;
        });
        QVERIFY(like);
        const auto cardsOnScreen = [stack] {
            const QList<QQuickItem *> items = stack->cardContainer()->childItems();
            return std::count_if(items.cbegin(), items.cend(), [](QQuickItem *item) {
                return qobject_cast<SwipeCard *>(item) != nullptr;
            });
        };
        for (const bool byKey : {true, false}) {
            QVERIFY(settled(*screen));
            SwipeCard *top = stack->topCard();
            const QPoint start = top->mapToScene(top->boundingRect().center()).toPoint();
            QTest::mousePress(drawn.quick(), Qt::LeftButton, {}, start);
            for (int step = 1; step <= 8; ++step)
                QTest::mouseMove(drawn.quick(), start + QPoint(30 * step, 0));
            QVERIFY(top->dragPercentage(SwipeDirection::Right) >= 1);
            if (byKey) {
                QTest::keyClick(drawn.quick(), Qt::Key_Right);
                QTest::mouseRelease(drawn.quick(), Qt::LeftButton, {}, start + QPoint(240, 0));
            } else {
                drawn.click(like);
            }
            QCOMPARE(stack->swipedIndices().size(), byKey ? 1 : 2);
            QCOMPARE(stack->visibleCards().size(), 2);
            QVERIFY(stack->topCard() != top);
            QVERIFY(settled(*screen));
            QTRY_COMPARE(cardsOnScreen(), 2);
            QCOMPARE(stack->swipedIndices().size(), byKey ? 1 : 2); // nothing waited behind it
            QVERIFY(!screen->presentedViewController());            // the release opened no profile
        }
        QTRY_COMPARE(sentSwipes(), QStringList({"right USER-0", "right USER-1"}));
    }

    // The note button super-likes the top card; the super-like goes once the note is sent or
    // skipped, carrying the note, once however often it is pressed, and survives a failure.
    void noteButtonSuperLikesWithTheNote() {
        auto screen = showingCards(3);
        QVERIFY(screen);
        screen->setRetryDelays(std::chrono::milliseconds(100), std::chrono::milliseconds(100));
        screen->buttonStackView()->handleTap(screen->buttonStackView()->noteButton());
        QCOMPARE(screen->cardStack()->swipedIndices(), QList<qint64>{0});
        QVERIFY(!screen->presentedViewController()); // it waits for the swipe to start
        QTRY_VERIFY(qobject_cast<NoteMessageVC *>(screen->presentedViewController()));
        auto *note = qobject_cast<NoteMessageVC *>(screen->presentedViewController());
        QVERIFY(!screen->buttonStackView()->isUndoButtonEnabled());
        QTest::qWait(300);
        QCOMPARE(m_fake->requestsTo(QStringLiteral("swipes")).size(), 0);
        QCOMPARE(screen->findChildren<NoteMessageVC *>().size(), 1);

        m_fake->respond(QStringLiteral("swipes"), 500, R"({"error":true,"reason":"Сбой"})");
        QVERIFY(note->proposeText(QStringLiteral("Привет!")));
        note->sendButtonTapped();
        QVERIFY(note->isSending());
        note->sendButtonTapped();
        note->skipButtonTapped();
        // Kept by the outbox with its note, so the screen may go.
        QTRY_VERIFY(!screen->presentedViewController());
        m_fake->respond(QStringLiteral("swipes"), 200, swipeAnswer("swipeCreated"));
        QTRY_COMPARE(sentSwipes().size(), 2);
        QCOMPARE(sentSwipes(), QStringList({"superlike USER-0", "superlike USER-0"}));
        for (const RecordedRequest &sent : m_fake->requestsTo(QStringLiteral("swipes")))
            QCOMPARE(sent.json()["message"].toString(), QStringLiteral("Привет!"));
    }

    // With none left the note stays; a plain like carrying it goes only when chosen, and
    // skipping then sends nothing.
    void aSuperLikeWithNoneLeftOffersAPlainLike() {
        for (const bool likeInstead : {true, false}) {
            auto screen = showingCards(3);
            QVERIFY(screen);
            m_fake->clearRequests();
            m_fake->respond(QStringLiteral("swipes"), 409,
                            R"({"error":true,"reason":"Суперлайки закончились"})");
            screen->buttonStackView()->handleTap(screen->buttonStackView()->noteButton());
            QTRY_VERIFY(qobject_cast<NoteMessageVC *>(screen->presentedViewController()));
            auto *note = qobject_cast<NoteMessageVC *>(screen->presentedViewController());
            QVERIFY(note->proposeText(QStringLiteral("Привет")));
            note->returnPressed();
            QTRY_VERIFY(qobject_cast<ChoiceAlertVC *>(note->presentedViewController()));
            auto *alert = qobject_cast<ChoiceAlertVC *>(note->presentedViewController());
            QCOMPARE(alert->heading(), QStringLiteral("Суперлайки закончились"));
            alert->cancelTapped();
            QCOMPARE(screen->presentedViewController(), note);
            QCOMPARE(note->text(), QStringLiteral("Привет"));
            QVERIFY(!note->isSending());

            m_fake->respond(QStringLiteral("swipes"), 200, swipeAnswer("swipeCreated"));
            if (likeInstead) {
                note->sendButtonTapped();
                alert = qobject_cast<ChoiceAlertVC *>(note->presentedViewController());
                QVERIFY(alert);
                alert->actionTapped();
                QTRY_COMPARE(sentSwipes(), QStringList({"superlike USER-0", "right USER-0"}));
                QCOMPARE(m_fake->requestsTo(QStringLiteral("swipes"))
                             .last()
                             .json()["message"]
                             .toString(),
                         QStringLiteral("Привет"));
            } else {
                note->skipButtonTapped();
                QTest::qWait(200);
                QCOMPARE(sentSwipes(), QStringList({"superlike USER-0"}));
            }
            QTRY_VERIFY(!screen->presentedViewController());
        }
    }

    // A press shrinks the button until it is let go; only a release inside it is a tap.
    void aCardButtonTapsOnlyWhenReleasedInside() {
        ButtonStackView row;
        QSignalSpy taps(row.likeButton(), &CardButton::tapped);
        row.likeButton()->touchDown();
        QVERIFY(row.likeButton()->targetScale() < 1);
        row.likeButton()->touchUp(false);
        QCOMPARE(row.likeButton()->targetScale(), 1.0);
        QCOMPARE(taps.size(), 0);
        row.likeButton()->touchDown();
        row.likeButton()->touchUp(true);
        QCOMPARE(taps.size(), 1);
    }

    // On a wide window the top card's profile stands beside the stack and follows it through a
    // like, a pass and an undo; a narrower window has none, and widening it again brings it.
    void theTopCardsProfileStandsBesideTheStackOnAWideWindow() {
        AppScreens::install(m_services.services().screens());
        m_fake->respond(QStringLiteral("fetchProfiles"), 200, profiles(4));
        m_fake->respond(QStringLiteral("swipes"), 200, swipeAnswer("swipeCreated"));
        DrawnWindow drawn{m_services.services()};
        MainVC *screen = wideFeed(drawn);
        QVERIFY(screen);
        QTRY_COMPARE(screen->state(), int(MainVCState::DisplayingCards));
        const auto besideShows = [&](const QString &name) {
            return QTest::qWaitFor([&] {
                const auto *details = qobject_cast<UserInfoVC *>(screen->topDetails());
                const SwipeCardStack *stack = screen->cardStack();
                const qreal stackRight = stack->mapRectToScene(stack->boundingRect()).right();
                return details && details->name() == name && drawn.find([&](QQuickItem *item) {
                    return item->property("text").toString() == name &&
                           item->mapToScene({0, 0}).x() > stackRight;
                });
            });
        };
        QVERIFY(besideShows(QStringLiteral("Имя 0")));
        QTest::keyClick(drawn.quick(), Qt::Key_Right);
        QVERIFY(besideShows(QStringLiteral("Имя 1")));
        QTest::keyClick(drawn.quick(), Qt::Key_Left);
        QVERIFY(besideShows(QStringLiteral("Имя 2")));
        QTest::keyClick(drawn.quick(), Qt::Key_Backspace);
        QVERIFY(besideShows(QStringLiteral("Имя 1")));

        drawn.quick()->resize(1000, 800);
        QTRY_VERIFY(!screen->topDetails());
        drawn.quick()->resize(1920, 1080);
        QVERIFY(besideShows(QStringLiteral("Имя 1")));
        QTRY_COMPARE(sentSwipes(), QStringList({"right USER-0", "left USER-1"}));
    }

    // A report started in the profile beside the cards covers the whole window: the cards
    // cannot be swiped from under it, and neither that nor a narrower window loses the reason.
    void aReportFromTheProfileBesideTheStackCoversTheWindow() {
        AppScreens::install(m_services.services().screens());
        m_fake->respond(QStringLiteral("fetchProfiles"), 200, profiles(4));
        m_fake->respond(QStringLiteral("complain"), 200, "{}");
        DrawnWindow drawn{m_services.services()};
        MainVC *screen = wideFeed(drawn);
        QVERIFY(screen);
        QTRY_VERIFY(qobject_cast<UserInfoVC *>(screen->topDetails()));
        auto *details = qobject_cast<UserInfoVC *>(screen->topDetails());
        QVERIFY(settled(*screen));
        const int complain = details->rows()->find(RowModel::Kind::DestructiveButton);
        QVERIFY(complain >= 0);
        details->rowSelected(complain);
        auto *alert = qobject_cast<ReportAlertVC *>(drawn.window().frontScreen());
        QVERIFY(alert);
        QCOMPARE(screen->presentedViewController(), alert);
        QTRY_VERIFY(drawn.find([](QQuickItem *item) { return item->hasActiveFocus(); }));
        for (const QChar c : QStringLiteral("spam"))
            QTest::sendKeyEvent(QTest::Click, drawn.quick(), Qt::Key_unknown, QString(c), {});
        QTRY_COMPARE(alert->reason(), QStringLiteral("spam"));

        SwipeCard *top = screen->cardStack()->topCard();
        const QPoint start = top->mapToScene(top->boundingRect().center()).toPoint();
        QTest::mousePress(drawn.quick(), Qt::LeftButton, {}, start);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(drawn.quick(), start + QPoint(40 * step, 0));
        QTest::mouseRelease(drawn.quick(), Qt::LeftButton, {}, start + QPoint(400, 0));
        drawn.quick()->resize(1000, 800);
        QTest::qWait(100);
        QVERIFY(screen->cardStack()->swipedIndices().isEmpty());
        QCOMPARE(drawn.window().frontScreen(), alert);
        QCOMPARE(alert->reason(), QStringLiteral("spam"));

        alert->sendTapped();
        QTRY_VERIFY(qobject_cast<ChoiceAlertVC *>(screen->presentedViewController()));
        QCOMPARE(m_fake->requestsTo(QStringLiteral("complain")).size(), 1);
        qobject_cast<ChoiceAlertVC *>(screen->presentedViewController())->actionTapped();
        QTRY_VERIFY(!screen->topDetails()); // the narrower window's feed has none beside it
    }

    // A block or a report is final: no undo brings the person back, and a block under way
    // takes no second confirmation that would pass a second, unseen card.
    void aBlockedOrReportedPersonIsNotUndone() {
        AppScreens::install(m_services.services().screens());
        m_fake->respond(QStringLiteral("fetchProfiles"), 200, profiles(4));
        m_fake->respond(QStringLiteral("swipes"), 200, swipeAnswer("swipeCreated"));
        m_fake->respond(QStringLiteral("complain"), 200, "{}");
        m_fake->respondDelayed(QStringLiteral("user/block"), std::chrono::milliseconds(300), 200,
                               "{}");
        DrawnWindow drawn{m_services.services()};
        MainVC *screen = wideFeed(drawn);
        QVERIFY(screen);
        const auto details = [&](const QString &name) {
            UserInfoVC *found = nullptr;
            const bool shown = QTest::qWaitFor([&] {
                found = qobject_cast<UserInfoVC *>(screen->topDetails());
                return found && found->name() == name && settled(*screen);
            });
            return shown ? found : nullptr;
        };
        const auto rowOf = [](UserInfoVC *info, RowModel::Kind kind) {
            return info->rows()->find(kind);
        };
        ButtonStackView *buttons = screen->buttonStackView();
        QVERIFY(buttons);

        UserInfoVC *first = details(QStringLiteral("Имя 0"));
        QVERIFY(first);
        first->rowSelected(rowOf(first, RowModel::Kind::Button));
        auto *confirm = qobject_cast<AccountAlertVC *>(screen->presentedViewController());
        QVERIFY(confirm);
        confirm->actionTapped(0);
        QVERIFY(first->isBlocking());
        first->rowSelected(rowOf(first, RowModel::Kind::Button));
        QVERIFY(!screen->presentedViewController());
        QTRY_COMPARE(sentSwipes(), QStringList{"left USER-0"});
        QCOMPARE(m_fake->requestsTo(QStringLiteral("user/block")).size(), 1);
        QVERIFY(!buttons->isUndoButtonEnabled());

        UserInfoVC *second = details(QStringLiteral("Имя 1"));
        QVERIFY(second);
        second->rowSelected(rowOf(second, RowModel::Kind::DestructiveButton));
        auto *report = qobject_cast<ReportAlertVC *>(screen->presentedViewController());
        QVERIFY(report);
        report->setReason(QStringLiteral("спам"));
        report->sendTapped();
        QTRY_VERIFY(qobject_cast<ChoiceAlertVC *>(screen->presentedViewController()));
        qobject_cast<ChoiceAlertVC *>(screen->presentedViewController())->actionTapped();
        QTRY_VERIFY(!screen->presentedViewController());
        QTest::keyClick(drawn.quick(), Qt::Key_Left);
        QTRY_COMPARE(sentSwipes(), QStringList({"left USER-0", "left USER-1"}));
        QVERIFY(!buttons->isUndoButtonEnabled());

        // Anybody else's pass may still be undone.
        QVERIFY(details(QStringLiteral("Имя 2")));
        QTest::keyClick(drawn.quick(), Qt::Key_Left);
        QTRY_VERIFY(buttons->isUndoButtonEnabled());
    }
};

QTEST_MAIN(TestMainVC)
#include "tst_mainvc.moc"
