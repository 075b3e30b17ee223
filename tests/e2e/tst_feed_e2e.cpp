// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BuildConfigValues.h"
#include "DrawnWindow.h"
#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "StdoutCapture.h"
#include "TestServices.h"
#include "api/Endpoints.h"
#include "app/AppScreens.h"
#include "app/TabBar.h"
#include "cards/ButtonStackView.h"
#include "cards/CardButton.h"
#include "cards/CardView.h"
#include "cardstack/SwipeCardStack.h"
#include "chats/ChatDetailsVC.h"
#include "chats/ChatsVC.h"
#include "feed/MainVC.h"
#include "ui/NavigationContainer.h"
#include "ui/WindowHelper.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTemporaryDir>

using ReferenceClient::await;
using ReferenceClient::kWaitMs;

namespace {
// Where the demo crowd lives (the service's --near) and where the feed's location fix puts the
// newcomer.
constexpr double kCrowdLat = 55.0;
constexpr double kCrowdLon = 37.0;

// The user ids in a list the service answers with, in its order; empty when the call failed.
template <class T, class Call, class Id> QStringList ids(Call call, Id id) {
    QStringList found;
    if (const auto answer = await<QList<T>>(call); answer && answer->ok())
        for (const T &item : answer->value())
            found.append(id(item));
    return found;
}

const auto personId = [](const ProfileView &person) { return person.userID; };
} // namespace

// A newcomer signs in to the reference service, lands on the main screen as the end of
// onboarding puts them there, swipes through the people nearby with the feed's buttons and
// then writes to one of the matches. A like of someone who liked the newcomer first answers
// "matchCreated"; the demo people like back every other like a moment later, which forms the
// match without telling the feed, and answer every message.
class TestFeedEndToEnd : public QObject {
    Q_OBJECT

    TestServices m_services;

    // Demo answers come in a later second than what they answer: within one second the
    // service orders messages by id, and the id of a message composed here is random.
    ServiceProcess m_service{QStringLiteral("--demo --like-back 1 --demo-delay 1100 "
                                            "--seed-demo 10 --near 55.0,37.0 --serve")
                                 .split(u' ')};
    QTemporaryDir m_dir;
    std::unique_ptr<DrawnWindow> m_drawn;
    QString m_reviewerId; // never a match of a real person

    TabBar *tabs() const { return qobject_cast<TabBar *>(m_drawn->window().root()); }
    // The drawn round button of the feed's row, found through the button it forwards to.
    QQuickItem *drawn(CardButton *button) const {
        return m_drawn->find([button](QQuickItem *item) {
            return item->property("button").value<CardButton *>() == button;
        });
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        AppScreens::install(m_services.services().screens());
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        ReferenceClient::connect(m_services.services(), m_service, m_dir);
        ReferenceClient::placeAt(m_services.services(), kCrowdLat, kCrowdLon, m_dir);
        m_drawn = std::make_unique<DrawnWindow>(m_services.services());
        QVERIFY(m_drawn->show());
    }

    void init() {
        // A card whose drawing cannot be built shows nothing: that is a failure here.
        QTest::failOnWarning(
            QRegularExpression(QStringLiteral("could not be drawn|Cannot instantiate")));
    }

    void newcomerSwipesThroughDemoPeople() {
        QVERIFY2(ReferenceClient::signIn(m_drawn->window(), m_services.services()),
                 qPrintable(m_service.output()));
        QVERIFY(ReferenceClient::registerAt(m_services.services().network(), kCrowdLat, kCrowdLon));
        // The reviewers' account lives in the middle of the crowd, but among demo people only:
        // a real newcomer never meets it.
        NetworkService reviewer;
        reviewer.setBaseUrl(m_service.baseUrl());
        reviewer.setPaseto(QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN));
        const auto me = await<User>(
            [this](auto done) { Endpoints::user(done, m_services.services().network()); });
        const auto them = await<User>([&reviewer](auto done) { Endpoints::user(done, reviewer); });
        QVERIFY(me && me->ok() && them && them->ok());
        const QString reviewerId = m_reviewerId = them->value().userID;
        QVERIFY(!await<SwipeResponse>([&](auto done) {
                     Endpoints::swipeFromFeed(me->value().userID, SwipeType::right, {}, done,
                                              reviewer);
                 })->ok());
        QStringList admirers; // three demo people, who like every newcomer
        QVERIFY(QTest::qWaitFor(
            [this, &admirers] {
                admirers = ids<ProfileView>(
                    [this](auto done) { Endpoints::likes(done, m_services.services().network()); },
                    personId);
                return admirers.size() == 3;
            },
            kWaitMs));
        const QStringList nearby = ids<ProfileView>(
            [this](auto done) { Endpoints::fetchProfiles(done, m_services.services().network()); },
            personId);
        QVERIFY(!nearby.contains(reviewerId) && nearby.size() > 1);

        WindowHelper::showMain(m_services.services());
        auto *feed = tabs() ? qobject_cast<MainVC *>(tabs()->tabs().at(TabBar::feedTab)) : nullptr;
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
        QCOMPARE(stack->window(), m_drawn->quick());
        // The main screen flips in; clicks land on the drawn buttons once it faces the user.
        QVERIFY(QTest::qWaitFor(
            [stack] {
                return stack->isVisible() && stack->width() > 0 &&
                       !stack->visibleCards().isEmpty() &&
                       qAbs(stack->mapRectToScene(stack->boundingRect()).width() - stack->width()) <
                           0.5;
            },
            kWaitMs));
        const QSignalSpy matches(feed, &MainVC::matchCreated);
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
        const QString passed = nearby.at(0);
        QStringList liked;
        ButtonStackView *buttons = feed->buttonStackView();
        for (const QString &person : shown) {
            QVERIFY(QTest::qWaitFor([stack] { return !stack->isAnimating(); }, kWaitMs));
            QCOMPARE(feed->cardData().at(stack->visibleCards().first().index).userID, person);
            // Cards are dealt behind the top one and drawn between frames; on top they are whole.
            QVERIFY(qobject_cast<CardView *>(stack->topCard())->contentItem());
            const qsizetype before = matches.size();
            const int answered = answers();
            QQuickItem *button =
                drawn(person == passed ? buttons->passButton() : buttons->likeButton());
            QVERIFY(button);
            m_drawn->click(button);
            QVERIFY2(QTest::qWaitFor([&] { return answers() > answered; }, kWaitMs),
                     qPrintable(out.text()));
            if (person != passed)
                liked.append(person);
            const bool match = liked.contains(person) && admirers.contains(person);
            QCOMPARE(matches.size(), match ? before + 1 : before);
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
                    matched = ids<Match>(
                        [this](auto done) {
                            Endpoints::chats(1, 20, done, m_services.services().network());
                        },
                        matchedId);
                    matched.sort();
                    return matched == liked;
                },
                kWaitMs),
            qPrintable(matched.join(u' ') + QStringLiteral(" instead of ") + liked.join(u' ')));
    }

    // The chat tab lists the matches; a demo person's opens, Return sends what was typed (with the
    // field's text rules) and the demo person's answer arrives through the poll.
    void matchAnswersInTheConversation() {
        QVERIFY(tabs());
        QQuickItem *chatTab = m_drawn->findWith("text", QStringLiteral("Чат"));
        QVERIFY(chatTab);
        m_drawn->click(chatTab);
        QCOMPARE(tabs()->selectedIndex(), TabBar::chatTab);
        auto *nav = qobject_cast<NavigationContainer *>(tabs()->tabs().at(TabBar::chatTab));
        auto *list = nav ? qobject_cast<ChatsVC *>(nav->topViewController()) : nullptr;
        QVERIFY(list);
        const auto firstDemoRow = [this, list] {
            const QList<Match> &rows = list->data();
            return std::find_if(
                       rows.cbegin(), rows.cend(),
                       [this](const Match &m) { return m.profile.userID != m_reviewerId; }) -
                   rows.cbegin();
        };
        QTRY_VERIFY_WITH_TIMEOUT(firstDemoRow() < list->data().size(), kWaitMs);
        const qsizetype demo = firstDemoRow();
        QQuickItem *row = nullptr;
        QTRY_VERIFY((row = m_drawn->find([demo](QQuickItem *item) {
            return item->property("lastMessage").isValid() &&
                   item->property("index").toInt() == demo;
        })));
        // Right after the tab's click a second click would read as a double click.
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        m_drawn->click(row);
        ChatDetailsVC *conversation = nullptr;
        QTRY_VERIFY((conversation = qobject_cast<ChatDetailsVC *>(nav->topViewController())));

        QQuickItem *field = nullptr;
        QTRY_VERIFY((field = m_drawn->findWith("placeholderText", QStringLiteral("Сообщение"))));
        QTRY_VERIFY(field->hasActiveFocus());
        for (const QChar c : QStringLiteral("Привет  как дела"))
            QTest::sendKeyEvent(QTest::Click, m_drawn->quick(), Qt::Key_unknown, c, Qt::NoModifier);
        QCOMPARE(field->property("text").toString(), QStringLiteral("Привет как дела"));
        QTest::keyClick(m_drawn->quick(), Qt::Key_Return);
        QCOMPARE(field->property("text").toString(), QString());
        QCOMPARE(conversation->messages().last().content, QStringLiteral("Привет как дела"));
        const Message sent = conversation->messages().last();
        const auto answer = [conversation, &sent]() -> std::optional<Message> {
            for (const Message &m : conversation->messages())
                if (m.senderID != sent.senderID)
                    return m;
            return std::nullopt;
        };
        QVERIFY2(QTest::qWaitFor([&answer] { return answer().has_value(); }, kWaitMs),
                 qPrintable(m_service.output()));
        QTRY_VERIFY(m_drawn->findWith("content", answer()->content));
        QVERIFY(std::none_of(conversation->messages().cbegin(), conversation->messages().cend(),
                             [](const Message &m) { return m.failed; }));
    }
};

QTEST_MAIN(TestFeedEndToEnd)
#include "tst_feed_e2e.moc"
