// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "app/AllocatorSettings.h"
#include "app/FirstFrameProbe.h"
#include "app/OwnedServices.h"
#include "app/SceneStart.h"
#include "app/TabBar.h"
#include "cardstack/SwipeCardStack.h"
#include "controls/Theme.h"
#include "feed/MainVC.h"
#include "media/ImageCacheManager.h"
#include "platform/AppLanguage.h"
#include "platform/BackgroundPriority.h"
#include "platform/DiagnosticLog.h"
#include "platform/FileLocations.h"
#include "platform/PrivateFiles.h"
#include "platform/SessionBus.h"
#include "platform/TaskGroup.h"
#include "platform/TerminationSignals.h"
#include "store/UserManager.h"
#include "ui/QmlHost.h"
#include "ui/Window.h"
#include "ui/WindowGeometry.h"

#include <QCommandLineParser>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QNetworkProxyFactory>
#include <QQuickWindow>

namespace {
// The main screen is up and its feed draws at least one card.
bool feedShowsCards(const Window &window) {
    const auto *tabs = qobject_cast<TabBar *>(window.root());
    const auto *feed = tabs ? qobject_cast<MainVC *>(tabs->tabs().value(TabBar::feedTab)) : nullptr;
    const SwipeCardStack *stack = feed ? feed->cardStack() : nullptr;
    return stack && feed->cardStackVisible() && stack->isVisible() &&
           !stack->visibleCards().isEmpty();
}
} // namespace

int main(int argc, char *argv[]) {
    PrivateFiles::keepToOwner();
    DiagnosticLog::install();
    SessionBus::neverAutolaunch();
    AllocatorSettings::returnLargeBlocksOnFree();
    QGuiApplication app(argc, argv);
    TerminationSignals::quitApplicationOnThem();
    FileLocations::settle(QStringLiteral("Zirel"));
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("app.zirel.Zirel"));
    QGuiApplication::setFont(QFont(Theme::fontFamily()));
    // Reading the system's font configuration takes over ten milliseconds. Left to the window's
    // first text, it would come after this thread has sat idle waiting for the window's QML to
    // compile; on a pool thread it is read during that wait.
    BackgroundPriority::settleSharedWorkers();
    TaskGroup fontWarmUp;
    fontWarmUp.run([] { (void)QFontDatabase::families(); });
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    AppLanguage::install();

    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption reviewCode(
        QStringLiteral("review-code"),
        QStringLiteral("Signs in to the reviewers' account as the hidden review prompt would."),
        QStringLiteral("code"));
    options.addOption(reviewCode);
    options.process(app);

    const OwnedServices owned;
    const Services &services = owned.services();
    // The own photos are wanted by the feed and the profile tab; having them on disk early
    // makes those screens show them at once. Their pixels wait until a screen asks: six
    // full-size photos would hold 44 MiB from the start.
    services.user().setPhotoPrefetch(
        [&images = services.images()](const QUrl &url) { images.prefetch(url.toString()); });

    // The QML types load on the engine's thread while the first screen starts its requests,
    // and the answers travel while the window is built.
    Window window;
    QmlHost host(window, services, QmlHost::Start::Later);
    SceneStart::connect(window, services, {}, options.value(reviewCode));
    host.load();
    QQuickWindow *quickWindow = host.quickWindow();
    if (!quickWindow)
        return 1;
    // For the start-up benchmark: report the first frame with cards on the feed, then quit.
    if (qEnvironmentVariableIntValue("ZIREL_EXIT_AFTER_FIRST_CARDS") == 1)
        new FirstFrameProbe(
            quickWindow, [&window] { return feedShowsCards(window); }, &app);
    auto *geometry = new WindowGeometry(quickWindow);
    geometry->restore();
    geometry->show();
    return QGuiApplication::exec();
}
