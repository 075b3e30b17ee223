#include "AppServices.h"
#include "BuildConfigValues.h"
#include "ButtonStackView.h"
#include "CardButton.h"
#include "DesktopLocationService.h"
#include "DesktopNotificationPermission.h"
#include "Endpoints.h"
#include "FileSecretBackend.h"
#include "MainVC.h"
#include "NotificationCenter.h"
#include "QmlHost.h"
#include "SecureStore.h"
#include "ServiceProcess.h"
#include "StartVC.h"
#include "StdoutCapture.h"
#include "SwipeCardStack.h"
#include "TabBar.h"
#include "Window.h"
#include "WindowHelper.h"

#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ZirelPlugin)

namespace {
// Where the demo crowd lives (the service's --near) and where the feed's location fix puts the
// newcomer.
constexpr double kCrowdLat = 55.0;
constexpr double kCrowdLon = 37.0;
constexpr int kWaitMs = 15000;

PermissionPrompt::Ask allowAtOnce() {
    return [](const std::function<void(bool)> &answer) {
        answer(true);
        return true;
    };
}

template <class T, class Call> std::optional<Result<T>> await(Call call) {
    std::optional<Result<T>> answer;
    call([&answer](const Result<T> &result) { answer = result; });
    (void)QTest::qWaitFor([&answer] { return answer.has_value(); }, kWaitMs);
    return answer;
}

// The user ids in a list the service answers with, in its order; empty when the call failed.
template <class T, class Call, class Id> QStringList ids(Call call, Id id) {
    QStringList found;
    if (const auto answer = await<QList<T>>(call); answer && answer->ok())
        for (const T &item : answer->value())
            found.append(id(item));
    return found;
}
// The drawn round button of the feed's row, found through the button it forwards to.
QQuickItem *drawn(QQuickItem *item, CardButton *button) {
    if (item->isVisible() && item->property("button").value<CardButton *>() == button)
        return item;
    for (QQuickItem *child : item->childItems())
        if (QQuickItem *found = drawn(child, button))
            return found;
    return nullptr;
}

const auto personId = [](const ProfileView &person) { return person.userID; };
} // namespace

// A newcomer signs in to the reference service, lands on the main screen as the end of
// onboarding puts them there, and swipes through the people nearby with the feed's buttons.
// A like of someone who liked the newcomer first answers "matchCreated"; the demo people like
// back every other like a moment later, which forms the match without telling the feed.
class TestFeedEndToEnd : public QObject {
    Q_OBJECT

    ServiceProcess m_service{QStringLiteral("--demo --like-back 1 --demo-delay 50 --seed-demo 10 "
                                            "--near 55.0,37.0 --serve")
                                 .split(u' ')};
    QTemporaryDir m_dir;

    std::unique_ptr<QSettings> defaults(const QString &name) const {
        return std::make_unique<QSettings>(m_dir.filePath(name), QSettings::IniFormat);
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        NetworkService::shared().setBaseUrl(m_service.baseUrl());
        SecureStore::shared().replaceBackend(
            std::make_unique<FileSecretBackend>(m_dir.filePath(QStringLiteral("store.json"))));
        PositionOverride fixed;
        fixed.fixed = QGeoCoordinate(kCrowdLat, kCrowdLon);
        AppServices::shared().setLocationService(std::make_unique<DesktopLocationService>(
            defaults(QStringLiteral("location.ini")), fixed, false, allowAtOnce()));
        AppServices::shared().setNotificationPermission(
            std::make_unique<DesktopNotificationPermission>(
                defaults(QStringLiteral("notifications.ini")), allowAtOnce()));
    }

    void newcomerSwipesThroughDemoPeople() {
        Window window;
        QmlHost host(window);
        QQuickWindow *quick = host.quickWindow();
        QVERIFY(quick);
        quick->resize(1000, 800);
        quick->show();
        auto *start = new StartVC();
        window.setRoot(start);
        start->loginButtonTapped();
        QVERIFY2(QTest::qWaitFor([start] { return start->presentedViewController(); }, kWaitMs),
                 qPrintable(m_service.output()));
        QVERIFY(await<EmptyResponse>([](auto done) {
                    Endpoints::completeRegistration(
                        {QStringLiteral("Ищу людей"), QStringLiteral("Тест"),
                         QStringLiteral("01021995"), GenderSelection::man, GenderSelection::all},
                        done);
                })->ok());
        QVERIFY(await<EmptyResponse>([](auto done) {
                    Endpoints::updateGeo(kCrowdLat, kCrowdLon, done);
                })->ok());
        // The reviewers' account lives in the middle of the crowd and shows itself to everyone;
        // its like makes it the one person whose like back is certain.
        NetworkService reviewer;
        reviewer.setBaseUrl(m_service.baseUrl());
        reviewer.setPaseto(QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN));
        const auto me = await<User>([](auto done) { Endpoints::user(done); });
        const auto them = await<User>([&reviewer](auto done) { Endpoints::user(done, reviewer); });
        QVERIFY(me && me->ok() && them && them->ok());
        const QString reviewerId = them->value().userID;
        QVERIFY(await<SwipeResponse>([&](auto done) {
                    Endpoints::swipeFromFeed(me->value().userID, SwipeType::right, {}, done,
                                             reviewer);
                })->ok());
        QStringList admirers; // the reviewer and three demo people, who like every newcomer
        QVERIFY(QTest::qWaitFor(
            [&admirers] {
                admirers = ids<ProfileView>([](auto done) { Endpoints::likes(done); }, personId);
                return admirers.size() == 4;
            },
            kWaitMs));
        const QStringList nearby =
            ids<ProfileView>([](auto done) { Endpoints::fetchProfiles(done); }, personId);
        QVERIFY(nearby.contains(reviewerId) && nearby.size() > 1);

        WindowHelper::showMain();
        auto *tabs = qobject_cast<TabBar *>(window.root());
        auto *feed = tabs ? qobject_cast<MainVC *>(tabs->tabs().at(TabBar::feedTab)) : nullptr;
        QVERIFY(feed);
        QVERIFY2(QTest::qWaitFor([feed] { return feed->state() == MainVCState::DisplayingCards; },
                                 kWaitMs),
                 qPrintable(m_service.output()));
        // The feed's own location fix may reach the service first and reorder the people.
        QStringList shown;
        for (const CardModel &card : feed->cardData())
            shown.append(card.userID);
        QCOMPARE(QSet(shown.cbegin(), shown.cend()), QSet(nearby.cbegin(), nearby.cend()));
        SwipeCardStack *stack = feed->cardStack();
        QCOMPARE(stack->window(), quick);
        QVERIFY(QTest::qWaitFor(
            [stack] {
                return stack->isVisible() && stack->width() > 0 && !stack->visibleCards().isEmpty();
            },
            kWaitMs));
        QStringList posted;
        QObject observer;
        for (const QString &name : {Notifications::fetchCardData, Notifications::chatsUpdated})
            NotificationCenter::shared().observe(name, &observer,
                                                 [&posted, name] { posted.append(name); });
        StdoutCapture out;
        const std::unique_ptr<StdoutCapture, void (*)(StdoutCapture *)> showOnFailure(
            &out, [](StdoutCapture *captured) { // the failure was printed into the capture
                if (QTest::currentTestFailed())
                    std::fputs(qPrintable(captured->text()), stderr);
            });
        const auto answers = [&out] {
            const QString text = out.text();
            return text.count(QStringLiteral("Match!\n")) +
                   text.count(QStringLiteral("Swipe created, no match yet.\n"));
        };
        // Demo people like back every like: a pass is what keeps one of them from matching.
        const QString passed = nearby.at(nearby.indexOf(reviewerId) == 0 ? 1 : 0);
        QStringList liked;
        ButtonStackView *buttons = feed->buttonStackView();
        for (const QString &person : shown) {
            QVERIFY(QTest::qWaitFor([stack] { return !stack->isAnimating(); }, kWaitMs));
            QCOMPARE(feed->cardData().at(stack->visibleCards().first().index).userID, person);
            const QStringList before = posted;
            const int answered = answers();
            QQuickItem *button =
                drawn(quick->contentItem(),
                      person == passed ? buttons->passButton() : buttons->likeButton());
            QVERIFY(button);
            QTest::mouseClick(quick, Qt::LeftButton, {},
                              button->mapToScene(button->boundingRect().center()).toPoint());
            QVERIFY2(QTest::qWaitFor([&] { return answers() > answered; }, kWaitMs),
                     qPrintable(out.text()));
            if (person != passed)
                liked.append(person);
            const bool match = liked.contains(person) && admirers.contains(person);
            const QStringList announced{Notifications::fetchCardData, Notifications::chatsUpdated};
            QCOMPARE(posted, match ? before + announced : before);
        }
        // Swiped people do not come back: the refill after the last card finds nobody.
        QVERIFY(QTest::qWaitFor([feed] { return feed->state() == MainVCState::NoCards; }, kWaitMs));

        // Every like is a match once the demo people have liked back; the pass is none.
        liked.sort();
        const auto matchedId = [](const Match &match) { return match.profile.userID; };
        QStringList matched;
        QVERIFY2(
            QTest::qWaitFor(
                [&] {
                    matched =
                        ids<Match>([](auto done) { Endpoints::chats(1, 20, done); }, matchedId);
                    matched.sort();
                    return matched == liked;
                },
                kWaitMs),
            qPrintable(matched.join(u' ') + QStringLiteral(" instead of ") + liked.join(u' ')));
    }
};

QTEST_MAIN(TestFeedEndToEnd)
#include "tst_feed_e2e.moc"
