// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BuildConfigValues.h"
#include "FakeService.h"
#include "StdoutCapture.h"
#include "TestServices.h"
#include "account/RestoreVC.h"
#include "api/Endpoints.h"
#include "api/NetworkService.h"
#include "app/AppScreens.h"
#include "app/SceneStart.h"
#include "chats/ChatsListing.h"
#include "onboarding/RegistrationDraft.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "platform/DesktopNotifier.h"
#include "platform/FileSecretBackend.h"
#include "platform/SecureStore.h"
#include "ui/AlertBlockVC.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/ChoiceAlertVC.h"
#include "ui/NavigationContainer.h"
#include "ui/PermissionAlert.h"
#include "ui/ScreenFactory.h"
#include "ui/TabContainer.h"
#include "ui/Window.h"
#include "ui/WindowHelper.h"

#include <QJsonDocument>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A matches list that knows one conversation.
class FakeChats : public ViewController, public ChatsListing {
public:
    explicit FakeChats(QUuid known)
        : ViewController(QStringLiteral("ChatsVC"))
        , m_known(known) {}
    ViewController *conversationFor(const QUuid &chatID) override {
        return chatID == m_known ? new ViewController(QStringLiteral("ChatDetailsVC")) : nullptr;
    }

private:
    QUuid m_known;
};

TabContainer *mainTabs(ViewController *chatsScreen) {
    auto *tabs = new TabContainer;
    tabs->setTabs({new ViewController(QStringLiteral("MainVC")),
                   new ViewController(QStringLiteral("LikesVC")),
                   new NavigationContainer(chatsScreen),
                   new ViewController(QStringLiteral("ProfileVC"))});
    return tabs;
}

// Any call the service answers with that status: a deleted (410) or blocked (451) account.
void answerGone(FakeService &fake, NetworkService &network, int status) {
    fake.respond(QStringLiteral("restoreUser"), status, "{}");
    Endpoints::restoreUser([](const Result<EmptyResponse> &) {}, network);
}

QString rootName(ViewController *vc) {
    if (auto *nav = qobject_cast<NavigationContainer *>(vc))
        return QStringLiteral("Nav/") + nav->topViewController()->typeName();
    return vc->typeName();
}
} // namespace

class SceneStartTest : public QObject {
    Q_OBJECT

    TestServices m_services;

    QTemporaryDir m_dir;
    FakeService m_fake;
    int m_storeNumber = 0;

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_fake.start());
        m_services.services().network().setBaseUrl(m_fake.baseUrl());
        // Whatever position sources and stored answers this machine has, the main screen here
        // has no position to ask for and its notification question is already answered, so
        // only the version check's verdict can come up over it.
        const auto settings = [this](const QString &name) {
            return std::make_unique<QSettings>(m_dir.filePath(name), QSettings::IniFormat);
        };
        const PermissionPrompt::Ask nobody = [](std::function<void(bool)>) { return false; };
        m_services.services().platform().setLocationService(
            std::make_unique<DesktopLocationService>(settings(QStringLiteral("location.ini")),
                                                     PositionOverride{}, false, nobody));
        auto notifications = settings(QStringLiteral("notifications.ini"));
        notifications->setValue(DesktopNotifier::allowedKey(), false);
        m_services.services().platform().setNotificationPermission(
            std::make_unique<DesktopNotificationPermission>(std::move(notifications), nobody));
    }

    void init() {
        // A fresh, empty store for every case.
        m_services.services().secureStore().replaceBackend(std::make_unique<FileSecretBackend>(
            m_dir.filePath(QStringLiteral("store%1.json").arg(++m_storeNumber))));
        m_services.services().network().setPaseto(std::nullopt);
        m_fake.clearRequests();
    }

    void routesFromTheStoredProgress_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &token, const QString &screen,
                            const char *expected) {
            QTest::newRow(name) << token << screen << QString(expected);
        };
        const QString tok = QStringLiteral("tok");
        // The texts every version has stored, so an update resumes where the person was.
        // clang-format off
        row("no token", {}, "main", "StartVC");
        row("token, no progress", tok, {}, "StartVC");
        row("name", tok, "name", "Nav/NameInputVC");
        row("photoGrid", tok, "photoGrid", "Nav/PhotoGridVC");
        row("geo", tok, "geo", "Nav/GeoVC");
        row("notification", tok, "notification", "Nav/NotificationVC");
        row("main", tok, "main", "TabBar");
        row("delete", tok, "delete", "RestoreVC");
        row("ban", tok, "ban", "StartVC");
        row("unknown", tok, "elsewhere", "StartVC");
        // clang-format on
    }

    void routesFromTheStoredProgress() {
        QFETCH(QString, token);
        QFETCH(QString, screen);
        QFETCH(QString, expected);
        if (!token.isNull())
            QVERIFY(m_services.services().secureStore().save(token, QStringLiteral("paseto")));
        if (!screen.isNull())
            QVERIFY(m_services.services().secureStore().save(screen, QStringLiteral("screen")));
        AppScreens::install(m_services.services().screens());
        std::unique_ptr<ViewController> first(SceneStart::initialScreen(m_services.services()));
        QCOMPARE(rootName(first.get()), expected);
        QCOMPARE(m_services.services().network().paseto(),
                 token.isNull() ? std::nullopt : std::optional<QString>(token));
    }

    // Registration left on the birthday step goes on there after a restart, the name filled in.
    void registrationGoesOnWhereItWasLeft() {
        SecureStore &store = m_services.services().secureStore();
        QVERIFY(store.save(QStringLiteral("tok"), QStringLiteral("paseto")));
        QVERIFY(store.setProgress(Progress::Name));
        QVERIFY(store.save(QStringLiteral("ME"), QStringLiteral("passkeyUserID")));
        RegistrationDraft(store).keep({QStringLiteral("Ян"), {}, {}, {}});
        AppScreens::install(m_services.services().screens());
        std::unique_ptr<ViewController> first(SceneStart::initialScreen(m_services.services()));
        QCOMPARE(rootName(first.get()), QStringLiteral("Nav/BirthdayInputVC"));
    }

    void versionCheckPresentsTheServiceVerdict_data() {
        QTest::addColumn<bool>("isLock");
        QTest::newRow("locked") << true;
        QTest::newRow("update offered") << false;
    }

    void versionCheckPresentsTheServiceVerdict() {
        QFETCH(bool, isLock);
        QVERIFY(m_services.services().secureStore().save(QStringLiteral("tok"),
                                                         QStringLiteral("paseto")));
        QVERIFY(m_services.services().secureStore().setProgress(Progress::Main));
        m_fake.respond(
            QStringLiteral("checkVersion"), 200,
            QJsonDocument(QJsonObject{{"message", "Вышла новая версия"}, {"isLock", isLock}})
                .toJson());
        Window window;
        SceneStart::connect(window, m_services.services());
        QTRY_VERIFY(window.lockNotice());
        auto *alert = qobject_cast<AlertBlockVC *>(window.lockNotice());
        QVERIFY(alert);
        QCOMPARE(alert->hideButton(), isLock);
        QCOMPARE(alert->message(), QStringLiteral("Вышла новая версия"));

        // It holds for the rest of the process: whole-window switches after a 410 or a 451,
        // alerts and permission questions that come later neither remove it nor rise above it,
        // and the keys keep going to it.
        bool answered = false;
        QVERIFY(PermissionAlert::ask(QStringLiteral("Уведомления"),
                                     QStringLiteral("?"))([&answered](bool) { answered = true; }));
        // The switch also stores why, so the next start opens on the restore screen too.
        answerGone(m_fake, m_services.services().network(), 451);
        QTRY_COMPARE(window.root()->typeName(), QStringLiteral("RestoreVC"));
        QCOMPARE(m_services.services().secureStore().progress(), Progress::Ban);
        AlertErrorVC::show(window.root(), QStringLiteral("Ошибка"));
        WindowHelper::showMain(m_services.services());
        answerGone(m_fake, m_services.services().network(), 410);
        QTRY_COMPARE(window.root()->typeName(), QStringLiteral("RestoreVC"));
        QCOMPARE(window.transition(), int(Window::FlipFromLeft));
        QCOMPARE(m_services.services().secureStore().progress(), Progress::Delete);
        QVERIFY(PermissionAlert::ask(QStringLiteral("Геопозиция"),
                                     QStringLiteral("?"))([&answered](bool) { answered = true; }));
        QTest::qWait(100);
        QCOMPARE(window.lockNotice(), alert);
        QCOMPARE(window.frontScreen(), alert);
        QVERIFY(!alert->presentedViewController());
        QVERIFY(window.findChildren<ChoiceAlertVC *>().isEmpty());
        QVERIFY(!answered);
        auto *second = new AlertBlockVC(true, m_services.services());
        window.lock(second); // a later verdict does not replace the first
        QCOMPARE(window.lockNotice(), alert);

        QCOMPARE(m_fake.requestsTo(QStringLiteral("checkVersion")).value(0).json(),
                 QJsonObject({{"appVersion", "1.0"}}));
    }

    // A review code from the command line signs in before anything is drawn; the verdict
    // lands on the screen the user sees, over the wrong-code alert when the code is wrong.
    void reviewCodeAtStartSignsInBeforeTheVersionCheck_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("root");
        QTest::newRow("right code") << QStringLiteral(ZIREL_BUILD_REVIEW_CODE) << "TabBar";
        QTest::newRow("wrong code") << QStringLiteral("abc") << "StartVC";
    }

    void reviewCodeAtStartSignsInBeforeTheVersionCheck() {
        QFETCH(QString, code);
        QFETCH(QString, root);
        m_fake.respond(QStringLiteral("checkVersion"), 200,
                       R"({"message":"Версия устарела","isLock":true})");
        Window window;
        SceneStart::connect(window, m_services.services(), {}, code);
        QCOMPARE(window.root()->typeName(), root);
        QTRY_VERIFY(qobject_cast<AlertBlockVC *>(window.frontScreen()));
        const ViewController *under = window.root()->presentedViewController();
        QCOMPARE(under ? under->typeName() : QString(),
                 root == u"StartVC" ? QStringLiteral("AccountAlertVC") : QString());
    }

    void failedVersionCheckIsOnlyLogged() {
        m_fake.respond(QStringLiteral("checkVersion"), 200,
                       R"({"reason":"Техработы","error":true})");
        StdoutCapture capture;
        Window window;
        SceneStart::connect(window, m_services.services());
        QTRY_VERIFY(capture.text().contains(QStringLiteral("Ошибка проверки версии: Техработы")));
        QTest::qWait(50);
        QVERIFY(!window.root()->presentedViewController());
        QCOMPARE(window.root()->typeName(), QStringLiteral("StartVC"));
    }

    // A question the feed asked goes with the feed when a 410 or a 451 switches the window to
    // the restore screen: it does not come back over that screen, whose Return stays its own,
    // and it returns with the next switch, to the feed of the restored account.
    void questionsStayWithTheScreensThatAsked() {
        QVERIFY(m_services.services().secureStore().save(QStringLiteral("tok"),
                                                         QStringLiteral("paseto")));
        QVERIFY(m_services.services().secureStore().setProgress(Progress::Main));
        m_fake.respond(QStringLiteral("checkVersion"), 200, R"({"reason":"нет","error":true})");
        Window window;
        SceneStart::connect(window, m_services.services());
        QCOMPARE(window.root()->typeName(), QStringLiteral("TabBar"));
        std::optional<bool> answer;
        QVERIFY(PermissionAlert::ask(QStringLiteral("Геопозиция"), QStringLiteral("?"))(
            [&answer](bool allowed) { answer = allowed; }));
        QTRY_VERIFY(qobject_cast<ChoiceAlertVC *>(window.frontScreen()));

        answerGone(m_fake, m_services.services().network(), 451);
        QTRY_COMPARE(window.root()->typeName(), QStringLiteral("RestoreVC"));
        QTest::qWait(100);
        QPointer<RestoreVC> restore = qobject_cast<RestoreVC *>(window.frontScreen());
        QVERIFY(restore);
        window.returnPressed();
        QVERIFY(restore->busy());
        // That refusal must be handled while the restore screen is up: handled after the switch
        // below, it would take the new feed away again. The screen stays busy until its answer
        // is in, and the account switch the answer brings is handled before it.
        QTRY_VERIFY(!restore || !restore->busy());
        QCOMPARE(m_fake.requestsTo(QStringLiteral("restoreUser")).size(), 2);
        QVERIFY(!answer);

        WindowHelper::showMain(m_services.services());
        QTRY_VERIFY(qobject_cast<ChoiceAlertVC *>(window.frontScreen()));
        qobject_cast<ChoiceAlertVC *>(window.frontScreen())->actionTapped();
        QCOMPARE(answer, true);
    }

    void notificationOpensAKnownConversationOnly() {
        const QUuid known = QUuid::createUuid();
        auto *chats = new FakeChats(known);
        std::unique_ptr<TabContainer> tabs(mainTabs(chats));
        SceneStart::openConversation(tabs.get(), QString());
        QCOMPARE(tabs->selectedIndex(), 0);

        StdoutCapture capture;
        const QUuid unknown = QUuid::createUuid();
        SceneStart::openConversation(tabs.get(), unknown.toString(QUuid::WithoutBraces));
        QCOMPARE(tabs->selectedIndex(), 2);
        QVERIFY(capture.text().contains(QStringLiteral("No match found for chatID: ")));
        QVERIFY(chats->isViewLoaded());

        auto *nav = qobject_cast<NavigationContainer *>(tabs->selectedTab());
        SceneStart::openConversation(tabs.get(), QVariant(42));
        QCOMPARE(nav->depth(), 1);
        SceneStart::openConversation(tabs.get(), known.toString(QUuid::WithoutBraces));
        QCOMPARE(nav->depth(), 2);
        QCOMPARE(nav->topViewController()->typeName(), QStringLiteral("ChatDetailsVC"));
        QVERIFY(nav->topViewController()->hidesTabBar());
        // A second notification replaces the open conversation: Escape then goes back to the
        // list, not through every conversation a notification opened.
        ViewController *first = nav->topViewController();
        SceneStart::openConversation(tabs.get(), known.toString(QUuid::WithoutBraces));
        QCOMPARE(nav->depth(), 2);
        QVERIFY(nav->topViewController() != first);
    }
};

QTEST_MAIN(SceneStartTest)
#include "tst_scenestart.moc"
