// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BuildConfigValues.h"
#include "ServiceProcess.h"
#include "TourStops.h"
#include "api/NetworkService.h"
#include "cardstack/SwipeView.h"
#include "cardstackdemo/CardStackDemoVC.h"
#include "ui/Services.h"

#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {
// The reference service with demo people around the centre of Moscow, where the reviewers'
// account stands too; started once for all card stops and signed in to as the reviewer.
void useDemoService(const Services &services) {
    static ServiceProcess service({QStringLiteral("--demo"), QStringLiteral("--seed-demo"),
                                   QStringLiteral("8"), QStringLiteral("--near"),
                                   QStringLiteral("55.7558,37.6173"), QStringLiteral("--serve")});
    static const bool started = [] {
        const bool ok = service.start();
        if (!ok)
            std::fprintf(stderr, "the reference service did not start: %s\n",
                         qPrintable(service.output()));
        return ok;
    }();
    if (!started)
        return;
    services.network().setBaseUrl(service.baseUrl());
    services.network().setPaseto(QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN));
}

// The developer screen of the card stack with the service's demo people, optionally with the
// top card held in a drag of a little more than the swipe distance, so the direction's stamp
// shows fully.
ViewController *cardStack(int horizontalSign, const Services &services) {
    useDemoService(services);
    auto *demo = new CardStackDemoVC(CardStackDemoVC::sampleModels(6, qGuiApp->devicePixelRatio()),
                                     services);
    if (horizontalSign != 0) {
        const QSizeF screen = SwipeView::screenSize();
        const qreal distance = qMin(screen.width(), screen.height()) * 0.25 * 1.1;
        demo->setHeldDrag(QPointF(horizontalSign * distance, -12));
    }
    return demo;
}

// With ZIREL_TOUR_HAND_MS set, the developer screen stays open that long once it is shown, for
// a hand or a scripted mouse on a real display to drag its cards.
ViewController *cardStackForHand(const Services &services) {
    ViewController *demo = cardStack(0, services);
    const int ms = qEnvironmentVariableIntValue("ZIREL_TOUR_HAND_MS");
    QTimer::singleShot(100, demo, [ms] { QTest::qWait(ms); });
    return demo;
}
} // namespace

QList<TourStop> cardStops() {
    QList<TourStop> stops{
        {QStringLiteral("cards"), [](const Services &services) { return cardStack(0, services); }},
        {QStringLiteral("cards-like"),
         [](const Services &services) { return cardStack(1, services); }},
        {QStringLiteral("cards-pass"),
         [](const Services &services) { return cardStack(-1, services); }},
    };
    if (qEnvironmentVariableIsSet("ZIREL_TOUR_HAND_MS"))
        stops.append({QStringLiteral("cards-hand"), &cardStackForHand});
    return stops;
}
