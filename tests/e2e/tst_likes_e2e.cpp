// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BuildConfigValues.h"
#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "TestServices.h"
#include "api/Endpoints.h"
#include "chats/ChatsVC.h"
#include "likes/CardCellView.h"
#include "likes/LikesVC.h"
#include "store/UserManager.h"
#include "ui/TabContainer.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QStandardPaths>

using ReferenceClient::await;
using ReferenceClient::kWaitMs;

// The reviewers' account in the middle of the reference service's demo people, who liked it
// before anyone looks: the likes tab lists them, and liking one back forms a match that the
// chats list then shows.
class TestLikesEndToEnd : public QObject {
    Q_OBJECT

    TestServices m_services;

    ServiceProcess m_service{
        QStringLiteral("--demo --seed-demo 10 --near 55.0,37.0 --serve").split(u' ')};
    NetworkService m_reviewer;

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        m_reviewer.setBaseUrl(m_service.baseUrl());
        m_reviewer.setPaseto(QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN));
        const auto me = await<User>([this](auto done) { Endpoints::user(done, m_reviewer); });
        QVERIFY(me && me->ok());
        m_services.services().user().setCurrentUser(me->value());
    }

    void demoAdmirersAppearAndALikeBackBecomesAMatch() {
        TabContainer tabs;
        auto *likes = new LikesVC(m_services.services().setNetwork(m_reviewer));
        tabs.setTabs({new ViewController(QStringLiteral("Feed")), likes});
        likes->loadViewIfNeeded();
        QTRY_VERIFY2_WITH_TIMEOUT(!likes->data().isEmpty(), qPrintable(m_service.output()),
                                  kWaitMs);
        const qsizetype count = likes->data().size();
        const QString admirer = likes->data().first().userID;

        const QSignalSpy matched(likes, &LikesVC::matchCreated);
        QQuickItem slot;
        slot.setSize(QSizeF(CardCellView::kSize));
        QVERIFY(likes->makeCard(likes->data().first().id.toString(), &slot, nullptr));
        likes->setFocusedIndex(0);
        QVERIFY(likes->handleKey(KeyCommand::Right)); // the focus shows
        QVERIFY(likes->handleKey(KeyCommand::Right)); // the like back
        QCOMPARE(likes->data().size(), count - 1);
        QTRY_COMPARE_WITH_TIMEOUT(matched.size(), 1, kWaitMs);

        ChatsVC chats(m_services.services().setNetwork(m_reviewer));
        chats.loadViewIfNeeded();
        QTRY_VERIFY_WITH_TIMEOUT(
            std::any_of(chats.data().cbegin(), chats.data().cend(),
                        [&admirer](const Match &match) { return match.profile.userID == admirer; }),
            kWaitMs);
    }
};

QTEST_MAIN(TestLikesEndToEnd)
#include "tst_likes_e2e.moc"
