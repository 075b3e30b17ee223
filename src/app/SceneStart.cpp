// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

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
#include "ui/Services.h"
#include "ui/Window.h"
#include "ui/WindowHelper.h"

#include <QGuiApplication>
#include <QWindow>

namespace SceneStart {

namespace {
using Screen = ScreenFactory::Screen;

ViewController *wrapped(Screen screen, const Services &services) {
    return new NavigationContainer(services.screens().create(screen, services));
}

QString appVersion() {
    const QString version = QStringLiteral(ZIREL_BUILD_APP_VERSION);
    return version.isEmpty() ? QStringLiteral("1.0") : version;
}
} // namespace

ViewController *initialScreen(const Services &services) {
    const ScreenFactory &factory = services.screens();
    SecureStore &store = services.secureStore();
    const std::optional<QString> token = store.load(QStringLiteral("paseto"));
    if (!token)
        return factory.create(Screen::Start, services);
    services.network().setPaseto(token);
    switch (store.progress()) {
    case Progress::Name: {
        auto *steps = new NavigationContainer(factory.create(Screen::NameInput, services));
        RegistrationResume::walk(*steps, RegistrationDraft(store).answers());
        return steps;
    }
    case Progress::PhotoGrid:
        return wrapped(Screen::PhotoGrid, services);
    case Progress::Geo:
        return wrapped(Screen::Geo, services);
    case Progress::Notification:
        return wrapped(Screen::Notification, services);
    case Progress::Main:
        return factory.create(Screen::Main, services);
    case Progress::Delete:
        return factory.create(Screen::Restore, services);
    case Progress::Ban: // the sign-in screen shows the blocking overlay itself
    case Progress::None:
        break;
    }
    return factory.create(Screen::Start, services);
}

void checkVersion(Window &window, const Services &services) {
    Endpoints::checkVersion(
        VersionCheckRequest{appVersion()},
        [to = MainThreadReceiver(&window), services](const Result<VersionCheckResponse> &result) {
            if (!result.ok()) {
                qCWarning(lcApp).noquote()
                    << QStringLiteral("Ошибка проверки версии: ") + result.error().reason;
                return;
            }
            const VersionCheckResponse answer = result.value();
            // Not presented on a screen: a later whole-window switch (a deleted or blocked
            // account) would take it away, and alerts presented later would stack over it.
            to.post([answer, services](Window &target) {
                auto *alert = new AlertBlockVC(answer.isLock, services);
                alert->setMessage(answer.message);
                target.lock(alert);
            });
        },
        services.network());
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

void connect(Window &window, const Services &services, const QVariant &notificationChatID,
             const QString &reviewCode) {
    AppScreens::install(services.screens());
    // A deleted or blocked account may be reported by any answer, on the network thread; the
    // pipeline posts this to the main thread before the caller hears of the failure.
    services.network().setAccountSwitchHandler([services](Progress progress) {
        (void)services.secureStore().setProgress(progress);
        // On the restore screen already (a blocked account asked to be restored), the screen
        // stays, so the alert with the reason shows on it instead of going with it.
        const Window *window = Window::current();
        if (window && qobject_cast<RestoreVC *>(window->root()))
            return;
        WindowHelper::showRestore(services);
    });
    new PushRegistration(services.platform().notificationPermission(), services.network(), &window);
    // A click on a desktop notification brings the window forward with that conversation.
    QObject::connect(&services.desktopNotifier(), &DesktopNotifier::conversationRequested, &window,
                     [&window](const QUuid &chatID) {
                         for (QWindow *shown : QGuiApplication::topLevelWindows()) {
                             shown->show();
                             shown->raise();
                             shown->requestActivate();
                         }
                         openConversation(window.root(), WireFormat::uuidText(chatID));
                     });
    window.setRoot(initialScreen(services));
    if (auto *start = qobject_cast<StartVC *>(window.root()); start && !reviewCode.isEmpty())
        start->reviewLogIn(reviewCode);
    if (notificationChatID.isValid())
        openConversation(window.root(), notificationChatID);
    checkVersion(window, services);
}

} // namespace SceneStart
