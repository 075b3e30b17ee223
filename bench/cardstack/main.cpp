// Frame times of a swipe-through of profile cards drawn by the software renderer offscreen:
// every card is dragged to the right in small steps, then thrown off with a flick.
// The stack has the size the feed gives it in a 1000 x 800 window (phone-wide column, header,
// tab bar and button row around it). A frame's time is all the work the main thread did since
// the previous frame (input, animation ticks, dealing the next card, deferred deletions) plus
// the render. Prints the median, the 99th percentile and the worst frame of drag and throw.
// Usage: bench-cardstack [CARDS]
#include "ButtonStackView.h"
#include "CardStackDemoVC.h"
#include "SwipeCard.h"
#include "SwipeCardStack.h"
#include "SymbolImageProvider.h"

#include <QAbstractEventDispatcher>
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
constexpr QSize kWindow(1000, 800);
constexpr int kDragSteps = 12;
// A flick of 2200 points per second throws a card in half a second.
constexpr qreal kFlickSpeed = 2200;
constexpr int kRefreshMs = 16;

// The card area of the feed in a window of kWindow: a column at most 480 wide under a header
// of 54, above the tab bar of 58, with the button row and the margins around the stack.
QRectF feedStackRect() {
    const qreal column = qMin<qreal>(kWindow.width(), 480);
    const qreal top = 54 + 8;
    const qreal bottom = kWindow.height() - 58 - 16 - ButtonStackView::rowHeight(column) - 8;
    return {(kWindow.width() - column) / 2 + 12, top, column - 24, bottom - top};
}

// Where a frame fell: the card and the frame of its drag (1 on) or throw (0 is the release).
struct FramePlace {
    int card = 0;
    int frame = 0;
};

struct Frames {
    QList<qreal> ms;
    qreal worst = -1;
    FramePlace worstAt;
    void add(qreal frameMs, FramePlace place) {
        if (frameMs > worst) {
            worst = frameMs;
            worstAt = place;
        }
        ms.append(frameMs);
    }
    void print(const char *what) {
        std::sort(ms.begin(), ms.end());
        if (ms.isEmpty())
            return;
        std::printf("%s: %lld frames, median %.2f ms, 99th percentile %.2f ms, worst %.2f ms "
                    "(card %d, frame %d)\n",
                    what, static_cast<long long>(ms.size()), ms.at(ms.size() / 2),
                    ms.at(ms.size() * 99 / 100), ms.last(), worstAt.card, worstAt.frame);
    }
};

// Adds up the time the main thread spends awake while the event loop runs.
class BusyClock : public QObject {
public:
    BusyClock() {
        QAbstractEventDispatcher *d = QAbstractEventDispatcher::instance();
        connect(d, &QAbstractEventDispatcher::awake, this, [this] {
            if (!m_awake.isValid())
                m_awake.start();
        });
        connect(d, &QAbstractEventDispatcher::aboutToBlock, this, [this] { pause(); });
    }
    // Waits one display refresh and answers the time spent working meanwhile, in ms.
    qreal waitRefresh() {
        m_busyNs = 0;
        m_awake.start();
        QEventLoop refresh;
        QTimer::singleShot(kRefreshMs, &refresh, &QEventLoop::quit);
        refresh.exec();
        pause();
        return static_cast<qreal>(m_busyNs) / 1e6;
    }

private:
    void pause() {
        if (m_awake.isValid())
            m_busyNs += m_awake.nsecsElapsed();
        m_awake.invalidate();
    }

    QElapsedTimer m_awake;
    qint64 m_busyNs = 0;
};

qreal render(QQuickWindow &window) {
    QElapsedTimer timer;
    timer.start();
    // A grab polishes, synchronises and renders what changed, as a shown frame would.
    const QImage image = window.grabWindow();
    if (image.isNull())
        qFatal("nothing was rendered");
    return static_cast<qreal>(timer.nsecsElapsed()) / 1e6;
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
    const int cards = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 200;

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
    QQmlComponent rootComponent(&engine);
    rootComponent.setData("import QtQuick\nRectangle { color: \"white\" }", QUrl());
    std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(rootComponent.create()));
    root->setSize(kWindow);
    QQuickWindow window;
    window.resize(kWindow);
    root->setParentItem(window.contentItem());
    window.show();

    CardStackDemoVC demo(CardStackDemoVC::sampleModels(cards + 1));
    auto *stack = new SwipeCardStack(root.get());
    const QRectF area = feedStackRect();
    stack->setPosition(area.topLeft());
    stack->setSize(area.size());
    demo.attachStack(stack);

    BusyClock busy;
    // One frame: a display refresh passes, the input arrives, the scene is rendered.
    const auto frame = [&](const std::function<void()> &input) {
        const qreal between = busy.waitRefresh();
        QElapsedTimer timer;
        timer.start();
        input();
        return between + static_cast<qreal>(timer.nsecsElapsed()) / 1e6 + render(window);
    };
    // The screen appears before anyone touches it; that first frame is not counted.
    render(window);

    Frames warmUp;
    Frames drag;
    Frames thrown;
    QElapsedTimer total;
    total.start();
    // The first card pays for what is done once per run (glyphs, shaders of the painter,
    // worker threads); it is swiped like the others and its frames are not counted.
    for (int i = -1; i < cards; ++i) {
        Frames &dragged = i < 0 ? warmUp : drag;
        Frames &flown = i < 0 ? warmUp : thrown;
        QPointer<SwipeCard> card = stack->topCard();
        if (!card)
            qFatal("the stack ran out of cards at %d", i);
        const qreal distance = card->minimumSwipeDistance(SwipeDirection::Right) * 1.2;
        for (int step = 1; step <= kDragSteps; ++step) {
            const qreal x = distance * step / kDragSteps;
            dragged.add(frame([&] {
                            if (step == 1)
                                pan(card, PanGestureRecognizer::State::Began, {}, {});
                            pan(card, PanGestureRecognizer::State::Changed, {x, -x / 10}, {});
                        }),
                        {i, step});
        }
        // The release deals the next card, so that work lands in the first frame of the throw;
        // then one frame per display refresh while the card flies.
        flown.add(frame([&] {
                      pan(card, PanGestureRecognizer::State::Ended, {distance, -distance / 10},
                          {kFlickSpeed, 0});
                  }),
                  {i, 0});
        for (int flying = 1; card; ++flying)
            flown.add(frame([] {}), {i, flying});
    }
    std::printf("%d cards swiped in %.1f s (software renderer, offscreen, %d x %d window, "
                "stack %.0f x %.0f as the feed lays it out, after one warm-up card)\n",
                cards, static_cast<double>(total.elapsed()) / 1000.0, kWindow.width(),
                kWindow.height(), area.width(), area.height());
    drag.print("drag");
    thrown.print("throw");
    return 0;
}
