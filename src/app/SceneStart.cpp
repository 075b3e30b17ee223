#include "app/SceneStart.h"

#include "BuildConfigValues.h"
#include "account/RestoreVC.h"
#include "account/StartVC.h"
#include "api/Endpoints.h"
#include "api/WireFormat.h"
#include "app/AppScreens.h"
#include "app/PushRegistration.h"
#include "app/TabBar.h"
#include "chats/ChatsListing.h"
#include "onboarding/RegistrationResume.h"
#include "platform/DesktopNotifier.h"
#include "platform/DiagnosticLog.h"
#include "platform/SecureStore.h"
#include "ui/AlertBlockVC.h"
#include "ui/AppServices.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"
#include "ui/Window.h"
#include "ui/WindowHelper.h"

#include <QGuiApplication>
#include <QWindow>

namespace SceneStart {

namespace {
using Screen = ScreenFactory::Screen;

ViewController *wrapped(Screen screen) {
    return new NavigationContainer(ScreenFactory::shared().create(screen));
}

QString appVersion() {
    const QString version = QStringLiteral(ZIREL_BUILD_APP_VERSION);
    return version.isEmpty() ? QStringLiteral("1.0") : version;
}
} // namespace

ViewController *initialScreen() {
    AppScreens::install();
    SecureStore &store = SecureStore::shared();
    const std::optional<QString> token = store.load(QStringLiteral("paseto"));
    if (!token)
        return ScreenFactory::shared().create(Screen::Start);
    NetworkService::shared().setPaseto(token);
    const QString screen = store.load(QStringLiteral("screen")).value_or(QString());
    if (screen == QStringLiteral("name")) {
        auto *steps = new NavigationContainer(ScreenFactory::shared().create(Screen::NameInput));
        RegistrationResume::walk(*steps, RegistrationDraft(store).answers());
        return steps;
    }
    if (screen == QStringLiteral("photoGrid"))
        return wrapped(Screen::PhotoGrid);
    if (screen == QStringLiteral("geo"))
        return wrapped(Screen::Geo);
    if (screen == QStringLiteral("notification"))
        return wrapped(Screen::Notification);
    if (screen == QStringLiteral("main"))
        return ScreenFactory::shared().create(Screen::Main);
    if (screen == QStringLiteral("delete"))
        return ScreenFactory::shared().create(Screen::Restore);
    // "ban" lands here too: the sign-in screen shows the blocking overlay itself.
    return ScreenFactory::shared().create(Screen::Start);
}

void checkVersion(Window &window) {
    Endpoints::checkVersion(
        VersionCheckRequest{appVersion()},
        [to = MainThreadReceiver(&window)](const Result<VersionCheckResponse> &result) {
            if (!result.ok()) {
                qCWarning(lcApp).noquote()
                    << QStringLiteral("Ошибка проверки версии: ") + result.error().reason;
                return;
            }
            const VersionCheckResponse answer = result.value();
            // Not presented on a screen: a later whole-window switch (a deleted or blocked
            // account) would take it away, and alerts presented later would stack over it.
            to.post([answer](Window &target) {
                auto *alert = new AlertBlockVC(answer.isLock);
                alert->setMessage(answer.message);
                target.lock(alert);
            });
        });
}

void openConversation(ViewController *root, const QVariant &chatID) {
    auto *tabs = qobject_cast<TabContainer *>(root);
    if (!tabs || chatID.typeId() != QMetaType::QString)
        return;
    const QUuid id = QUuid::fromString(chatID.toString());
    if (id.isNull())
        return;
    tabs->setSelectedIndex(TabBar::chatTab);
    auto *container = qobject_cast<NavigationContainer *>(tabs->selectedTab());
    if (!container)
        return;
    for (ViewController *screen : container->stack()) {
        auto *chats = dynamic_cast<ChatsListing *>(screen);
        if (!chats)
            continue;
        screen->loadViewIfNeeded();
        if (ViewController *conversation = chats->conversationFor(id)) {
            conversation->setHidesTabBar(true);
            // In place of a conversation already open, as choosing it in the list does.
            if (container->depth() > 1)
                container->setStack({container->stack().first(), conversation}, false);
            else
                container->push(conversation, true);
        } else {
            qCWarning(lcApp).noquote() << QStringLiteral("No match found for chatID: ") +
                                              id.toString(QUuid::WithoutBraces).toUpper();
        }
        return;
    }
}

void connect(Window &window, const QVariant &notificationChatID, const QString &reviewCode) {
    // A deleted or blocked account may be reported by any answer, on the network thread; the
    // pipeline posts this to the main thread before the caller hears of the failure.
    NetworkService::shared().setAccountSwitchHandler([](const QString &screenValue) {
        (void)SecureStore::shared().save(screenValue, QStringLiteral("screen"));
        // On the restore screen already (a blocked account asked to be restored), the screen
        // stays, so the alert with the reason shows on it instead of going with it.
        const Window *window = Window::current();
        if (window && qobject_cast<RestoreVC *>(window->root()))
            return;
        WindowHelper::showRestore();
    });
    new PushRegistration(AppServices::shared().notificationPermission(), NetworkService::shared(),
                         &window);
    // A click on a desktop notification brings the window forward with that conversation.
    QObject::connect(&DesktopNotifier::shared(), &DesktopNotifier::conversationRequested, &window,
                     [&window](const QUuid &chatID) {
                         for (QWindow *shown : QGuiApplication::topLevelWindows()) {
                             shown->show();
                             shown->raise();
                             shown->requestActivate();
                         }
                         openConversation(window.root(), WireFormat::uuidText(chatID));
                     });
    window.setRoot(initialScreen());
    if (auto *start = qobject_cast<StartVC *>(window.root()); start && !reviewCode.isEmpty())
        start->reviewLogIn(reviewCode);
    if (notificationChatID.isValid())
        openConversation(window.root(), notificationChatID);
    checkVersion(window);
}

} // namespace SceneStart
