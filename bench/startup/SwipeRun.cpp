// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "SwipeRun.h"

#include "BuildConfigValues.h"
#include "account/StartVC.h"
#include "api/NetworkService.h"
#include "app/AppScreens.h"
#include "app/FirstFrameProbe.h"
#include "app/OwnedServices.h"
#include "app/TabBar.h"
#include "cards/ButtonStackView.h"
#include "cards/CardView.h"
#include "cardstack/SwipeCardStack.h"
#include "feed/MainVC.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "platform/FileSecretBackend.h"
#include "platform/SecureStore.h"
#include "ui/AppServices.h"
#include "ui/QmlHost.h"
#include "ui/Window.h"

#include <QElapsedTimer>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <malloc.h>

namespace {
constexpr int kWaitMs = 30000;

PermissionPrompt::Ask allowAtOnce() {
    return [](const std::function<void(bool)> &answer) {
        answer(true);
        return true;
    };
}

bool cardsReady(const MainVC &feed) {
    return feed.state() == int(MainVCState::DisplayingCards) && !feed.cardStack()->isAnimating() &&
           !feed.cardStack()->visibleCards().isEmpty();
}

// The cards on screen have their photos, the photos still on their way have had half a second
// and deleted objects are gone: the state both figures are taken in, so that neither counts
// photos in flight that the other does not.
bool photosSettled(const MainVC &feed) {
    const bool shown = QTest::qWaitFor(
        [&feed] {
            const auto cards = feed.cardStack()->visibleCards();
            return std::all_of(cards.cbegin(), cards.cend(), [](const auto &visible) {
                const auto *card = qobject_cast<const CardView *>(visible.card);
                return !card || !card->isLoading();
            });
        },
        kWaitMs);
    QTest::qWait(500);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return shown;
}
} // namespace

SwipeRun::SwipeRun(QString baseUrl)
    : m_baseUrl(std::move(baseUrl)) {}

bool SwipeRun::swipeOnce(MainVC &feed, bool like) {
    if (!QTest::qWaitFor([&feed] { return cardsReady(feed); }, kWaitMs))
        return false;
    ButtonStackView *buttons = feed.buttonStackView();
    buttons->handleTap(like ? buttons->likeButton() : buttons->passButton());
    return true;
}

std::optional<SwipeRun::Figures> SwipeRun::run(int swipes, int step) {
    // As the client's main() does.
    const OwnedServices owned;
    const Services &services = owned.services();
    services.network().setBaseUrl(m_baseUrl);
    services.secureStore().replaceBackend(
        std::make_unique<FileSecretBackend>(m_dir.filePath(QStringLiteral("store.json"))));
    // The reviewers' account already has a position; the stand-ins only keep prompts away.
    services.platform().setLocationService(std::make_unique<DesktopLocationService>(
        std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("l.ini")), QSettings::IniFormat),
        PositionOverride{}, false, allowAtOnce()));
    services.platform().setNotificationPermission(std::make_unique<DesktopNotificationPermission>(
        std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("n.ini")), QSettings::IniFormat),
        allowAtOnce()));

    Window window;
    AppScreens::install(services.screens());
    QmlHost host(window, services);
    QQuickWindow *quick = host.quickWindow();
    if (!quick) {
        m_error = QStringLiteral("the QML did not load");
        return std::nullopt;
    }
    quick->resize(1000, 800);
    quick->show();
    auto *start = new StartVC(services);
    window.setRoot(start);
    start->reviewLogIn(QStringLiteral(ZIREL_BUILD_REVIEW_CODE));
    auto *tabs = qobject_cast<TabBar *>(window.root());
    auto *feed = tabs ? qobject_cast<MainVC *>(tabs->tabs().value(TabBar::feedTab)) : nullptr;
    if (!feed || !QTest::qWaitFor([feed] { return cardsReady(*feed); }, kWaitMs)) {
        m_error = QStringLiteral("the feed showed no cards");
        return std::nullopt;
    }
    if (!photosSettled(*feed)) {
        m_error = QStringLiteral("the first cards' photos did not arrive");
        return std::nullopt;
    }

    Figures figures;
    figures.swipes = swipes;
    figures.step = step;
    figures.residentAtCardsKiB = FirstFrameProbe::residentKiB();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < swipes; ++i) {
        if (i % step == 0)
            figures.residentEveryStepKiB.append(FirstFrameProbe::residentKiB());
        if (!swipeOnce(*feed, i % 2 == 0)) {
            m_error = QStringLiteral("no card to swipe after %1 swipes").arg(i);
            return std::nullopt;
        }
    }
    // The last refill and the answers still on their way belong to the swipes; the crowd may
    // have run out with the last one.
    const auto settled = [feed] {
        return !feed->isLoadingMoreProfiles() && !feed->cardStack()->isAnimating() &&
               (cardsReady(*feed) || feed->state() == int(MainVCState::NoCards));
    };
    if (!QTest::qWaitFor(settled, kWaitMs)) {
        m_error = QStringLiteral("the feed did not settle after the last swipe");
        return std::nullopt;
    }
    figures.swipesMs = clock.nsecsElapsed() / 1e6;
    if (!photosSettled(*feed)) {
        m_error = QStringLiteral("the last cards' photos did not arrive");
        return std::nullopt;
    }
    figures.residentAfterKiB = FirstFrameProbe::residentKiB();
    malloc_trim(0);
    figures.residentTrimmedKiB = FirstFrameProbe::residentKiB();
    return figures;
}
