// Frame times of a swipe-through of 200 profile cards drawn by the software renderer
// offscreen: every card is dragged to the right in small steps, then thrown off with a flick.
// Prints the median and the worst frame of the drag and of the throw.
#include "CardStackDemoVC.h"
#include "CardView.h"
#include "SwipeCardStack.h"
#include "SymbolImageProvider.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(ZirelPlugin)

namespace {
constexpr int kCards = 200;
constexpr int kDragSteps = 12;
// A flick of 2200 points per second throws a card in half a second.
constexpr qreal kFlickSpeed = 2200;
constexpr int kRefreshMs = 16;

struct Frames {
    QList<qreal> ms;
    void print(const char *what) {
        std::sort(ms.begin(), ms.end());
        if (ms.isEmpty())
            return;
        std::printf("%s: %lld frames, median %.2f ms, 99th percentile %.2f ms, worst %.2f ms\n",
                    what, static_cast<long long>(ms.size()), ms.at(ms.size() / 2),
                    ms.at(ms.size() * 99 / 100), ms.last());
    }
};

qreal frame(QQuickWindow &window) {
    QElapsedTimer timer;
    timer.start();
    // A grab polishes, synchronises and renders the whole scene, as a shown frame would.
    const QImage image = window.grabWindow();
    const qreal ms = static_cast<qreal>(timer.nsecsElapsed()) / 1e6;
    if (image.isNull())
        qFatal("nothing was rendered");
    return ms;
}

void pan(SwipeCard *card, PanGestureRecognizer::State state, QPointF translation,
         QPointF velocity) {
    PanGestureRecognizer *r = card->panGestureRecognizer();
    r->setTestLocation(QPointF(card->width() / 2, card->height() / 4));
    r->setTestTranslation(translation);
    r->setTestVelocity(velocity);
    r->setTestState(state);
    r->sendAction();
}
} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
    QQmlComponent rootComponent(&engine);
    rootComponent.setData("import QtQuick\nItem { width: 1000; height: 800 }", QUrl());
    std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(rootComponent.create()));
    QQuickWindow window;
    window.resize(1000, 800);
    root->setParentItem(window.contentItem());
    window.show();

    CardStackDemoVC demo(CardStackDemoVC::sampleModels(kCards));
    auto *stack = new SwipeCardStack(root.get());
    stack->setPosition({310, 100});
    stack->setSize({380, 600});
    demo.attachStack(stack);

    Frames drag;
    Frames thrown;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < kCards; ++i) {
        QPointer<SwipeCard> card = stack->topCard();
        if (!card)
            qFatal("the stack ran out of cards at %d", i);
        const qreal distance = card->minimumSwipeDistance(SwipeDirection::Right) * 1.2;
        pan(card, PanGestureRecognizer::State::Began, {}, {});
        for (int step = 1; step <= kDragSteps; ++step) {
            const qreal x = distance * step / kDragSteps;
            pan(card, PanGestureRecognizer::State::Changed, {x, -x / 10}, {});
            drag.ms.append(frame(window));
        }
        pan(card, PanGestureRecognizer::State::Ended, {distance, -distance / 10}, {kFlickSpeed, 0});
        // One frame per display refresh while the card flies; the animation clock runs on.
        while (card) {
            QEventLoop refresh;
            QTimer::singleShot(kRefreshMs, &refresh, &QEventLoop::quit);
            refresh.exec();
            thrown.ms.append(frame(window));
        }
    }
    std::printf("%d cards swiped in %.1f s (software renderer, 1000 x 800)\n", kCards,
                static_cast<double>(total.elapsed()) / 1000.0);
    drag.print("drag");
    thrown.print("throw");
    return 0;
}
