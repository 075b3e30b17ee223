// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Frame times of a swipe-through of profile cards drawn by the software renderer offscreen:
// every card is dragged to the right in small steps, then thrown off with a flick. Runs three
// times: the stack at the size the feed gives it in a 1000 x 800 window (a card-wide column,
// header, tab bar and button row around it); in a 1920 x 1080 window beside a sidebar; and the
// same with the top card's profile beside the stack, made again for every new top card once the
// stack is still, as the feed of a wide window does. A frame's time is all the work the main
// thread did since the previous frame (input, animation ticks, dealing the next card, deferred
// deletions) plus the render. Prints the median, the 99th percentile and the worst frame of drag
// and throw for each, and the ratios of the drag medians, which tell the profile's own share
// from the larger window's. Every frame of 16 ms or more is listed with the main thread's
// processor time and, with --collections, whether the QML engine collected garbage in it.
// Usage: bench-cardstack [CARDS] [--collections]
#include "app/OwnedServices.h"
#include "cards/ButtonStackView.h"
#include "cardstack/SwipeCard.h"
#include "cardstack/SwipeCardStack.h"
#include "cardstackdemo/CardStackDemoVC.h"
#include "controls/SymbolImageProvider.h"
#include "details/UserInfoVC.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>

Q_IMPORT_QML_PLUGIN(ZirelDemoPlugin)

namespace {
constexpr QSize kWindow(1000, 800);
constexpr QSize kWideWindow(1920, 1080);
constexpr int kDragSteps = 12;
// A flick of 2200 points per second throws a card in half a second.
constexpr qreal kFlickSpeed = 2200;
constexpr int kRefreshMs = 16;
// A frame that takes longer than this misses a refresh of a 60 Hz screen.
constexpr qreal kTargetMs = 16;

// The card area of the feed in a window: a column at most 480 wide under a header of 54, with
// the button row and the margins around the stack, above the tab bar of 58 where the sections
// are not a sidebar.
QRectF feedStackRect(QSize window, bool sidebar) {
    const qreal column = qMin<qreal>(window.width(), 480);
    const qreal top = 54 + 8;
    const qreal bottom =
        window.height() - (sidebar ? 0 : 58) - 16 - ButtonStackView::rowHeight(column) - 8;
    return {(window.width() - column) / 2 + 12, top, column - 24, bottom - top};
}

// Where a frame fell: the card and the frame of its drag (1 on) or throw (0 is the release).
struct FramePlace {
    int card = 0;
    int frame = 0;
};

// One frame as the main thread lived it: the wall time a user waits for it, the processor time
// the thread got meanwhile (less when the process waits for a core) and the garbage collections
// of the QML engine that ran in it.
struct Frame {
    qreal wallMs = 0;
    qreal cpuMs = 0;
    qreal queuedMs = 0;
    int collections = 0;
    // Times the thread gave up its core to wait (a lock, another thread, the disk), was taken
    // off it, or touched memory the kernel had to provide.
    long blocked = 0;
    long preempted = 0;
    long faults = 0;
};

// Collections are counted from the engine's allocator log, which is on only when asked for: it
// makes every collection a little slower.
std::atomic<int> g_collections{0};
QtMessageHandler g_previousHandler = nullptr;

void countCollections(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (context.category && std::strncmp(context.category, "qt.qml.gc.", 10) == 0) {
        if (text.contains(QLatin1String("========== GC ==========")))
            ++g_collections;
        return;
    }
    g_previousHandler(type, context, text);
}

qint64 threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<qint64>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Time the thread has spent ready to run but waiting for a core, as the kernel counts it.
qint64 runQueueNs() {
    QFile file(QStringLiteral("/proc/thread-self/schedstat"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().split(' ').value(1).toLongLong();
}

rusage threadUsage() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage;
}

void addUsageSince(Frame &f, const rusage &start) {
    const rusage now = threadUsage();
    f.blocked += now.ru_nvcsw - start.ru_nvcsw;
    f.preempted += now.ru_nivcsw - start.ru_nivcsw;
    f.faults += now.ru_minflt - start.ru_minflt + now.ru_majflt - start.ru_majflt;
}

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

qreal percentile(QList<qreal> values, int percent) {
    std::sort(values.begin(), values.end());
    return values.at(qMin(values.size() - 1, values.size() * percent / 100));
}

struct Frames {
    QList<qreal> wall;
    QList<qreal> cpu;
    Frame worst{-1};
    FramePlace worstAt;
    int collections = 0;
    int slow = 0;
    int slowWithCollection = 0;
    int slowButBusy = 0;
    void add(const Frame &f, FramePlace place, const char *what, bool report) {
        if (f.wallMs > worst.wallMs) {
            worst = f;
            worstAt = place;
        }
        wall.append(f.wallMs);
        cpu.append(f.cpuMs);
        collections += f.collections;
        if (f.wallMs < kTargetMs)
            return;
        ++slow;
        slowWithCollection += f.collections > 0 ? 1 : 0;
        slowButBusy += f.cpuMs >= kTargetMs ? 1 : 0;
        if (report)
            std::printf("  slow %s frame: card %d frame %d, wall %.2f ms, processor %.2f ms, "
                        "waiting for a core %.2f ms, blocked %ld times, preempted %ld times, %ld "
                        "page faults%s\n",
                        what, place.card, place.frame, f.wallMs, f.cpuMs, f.queuedMs, f.blocked,
                        f.preempted, f.faults,
                        f.collections > 0 ? ", a garbage collection ran" : "");
    }
    void print(const char *what, bool collectionsKnown) const {
        if (wall.isEmpty())
            return;
        std::printf("%s: %lld frames; wall time (what a user sees): median %.2f ms, 99th "
                    "percentile %.2f ms, worst %.2f ms (card %d, frame %d; processor %.2f ms)\n",
                    what, static_cast<long long>(wall.size()), percentile(wall, 50),
                    percentile(wall, 99), worst.wallMs, worstAt.card, worstAt.frame, worst.cpuMs);
        std::printf("%s: main thread's processor time: median %.2f ms, 99th percentile %.2f ms, "
                    "worst %.2f ms\n",
                    what, percentile(cpu, 50), percentile(cpu, 99), percentile(cpu, 100));
        std::printf("%s: %d frames of %.0f ms or more wall time, %d of them with %.0f ms or more "
                    "processor time",
                    what, slow, kTargetMs, slowButBusy, kTargetMs);
        if (collectionsKnown)
            std::printf(", %d of them with a garbage collection; %d collections in all",
                        slowWithCollection, collections);
        std::printf("\n");
    }
};

// Adds up the wall and processor time the main thread spends awake while the event loop runs.
class BusyClock : public QObject {
public:
    BusyClock() {
        QAbstractEventDispatcher *d = QAbstractEventDispatcher::instance();
        connect(d, &QAbstractEventDispatcher::awake, this, [this] {
            if (!m_awake.isValid())
                start();
        });
        connect(d, &QAbstractEventDispatcher::aboutToBlock, this, [this] { pause(); });
    }
    // Waits one display refresh and answers the time spent working meanwhile.
    Frame waitRefresh() {
        QEventLoop refresh;
        QTimer::singleShot(kRefreshMs, &refresh, &QEventLoop::quit);
        return workIn(refresh);
    }
    // Runs the loop until it quits and answers the time spent working in it, not the time
    // spent waiting for the next event.
    Frame workIn(QEventLoop &loop) {
        m_busy = {};
        start();
        loop.exec();
        pause();
        return m_busy;
    }

private:
    void start() {
        m_awake.start();
        m_cpuAtWake = threadCpuNs();
        m_queuedAtWake = runQueueNs();
        m_usageAtWake = threadUsage();
    }
    void pause() {
        if (!m_awake.isValid())
            return;
        m_busy.wallMs += static_cast<qreal>(m_awake.nsecsElapsed()) / 1e6;
        m_busy.cpuMs += static_cast<qreal>(threadCpuNs() - m_cpuAtWake) / 1e6;
        m_busy.queuedMs += static_cast<qreal>(runQueueNs() - m_queuedAtWake) / 1e6;
        addUsageSince(m_busy, m_usageAtWake);
        m_awake.invalidate();
    }

    QElapsedTimer m_awake;
    qint64 m_cpuAtWake = 0;
    qint64 m_queuedAtWake = 0;
    rusage m_usageAtWake{};
    Frame m_busy;
};

void pan(SwipeCard *card, PanGestureRecognizer::State state, QPointF translation,
         QPointF velocity) {
    PanGestureRecognizer *r = card->panGestureRecognizer();
    r->setTestLocation(QPointF(card->width() / 2, card->height() / 4));
    r->setTestTranslation(translation);
    r->setTestVelocity(velocity);
    r->setTestState(state);
    r->sendAction();
}
// Swipes `cards` cards through a stack in a window of `size`, with the sections in a sidebar when
// `sidebar` and the top card's profile beside the stack when `beside`; the drag and the throw
// frames.
std::pair<Frames, Frames> swipeThrough(QQmlEngine &engine, const Services &services, QSize size,
                                       bool sidebar, bool beside, int cards,
                                       bool collectionsKnown) {
    QQmlComponent rootComponent(&engine);
    rootComponent.setData("import QtQuick\nRectangle { color: \"white\" }", QUrl());
    std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem *>(rootComponent.create()));
    root->setSize(size);
    QQuickWindow window;
    // As in the client, whose engine the window paces: what may be built between frames is.
    engine.setIncubationController(window.incubationController());
    window.resize(size);
    root->setParentItem(window.contentItem());
    window.show();

    const QList<CardModel> models = CardStackDemoVC::sampleModels(cards + 1);
    CardStackDemoVC demo(models, services);
    auto *stack = new SwipeCardStack(root.get());
    QRectF area = feedStackRect(size, sidebar);
    std::unique_ptr<QQuickItem> panel;
    QPointer<UserInfoVC> details;
    qint64 detailsFor = -1;
    if (beside) {
        // The stack and the profile side by side in the middle of the room right of the
        // sidebar, as the feed lays them out.
        const qreal sidebar = 220;
        const qreal gap = 24;
        const qreal column = area.width() + 24;
        const qreal panelWidth = qMin<qreal>(560, size.width() - sidebar - column - 3 * gap);
        const qreal left = sidebar + (size.width() - sidebar - column - gap - panelWidth) / 2;
        area.moveLeft(left + 12);
        QQmlComponent host(&engine);
        host.setData("import Zirel.Ui\nScreenHost { controller: null; asynchronous: true }",
                     QUrl());
        panel.reset(qobject_cast<QQuickItem *>(host.create()));
        if (!panel)
            qFatal("the profile's host did not load: %s", qPrintable(host.errorString()));
        panel->setParentItem(root.get());
        panel->setPosition({left + column + gap, area.top()});
        panel->setSize({panelWidth, size.height() - area.top() - 16});
    }
    stack->setPosition(area.topLeft());
    stack->setSize(area.size());
    demo.attachStack(stack);
    // Made again once the stack is still, for a new top card only.
    const auto followTopCard = [&] {
        if (!panel || stack->isAnimating() || stack->visibleCards().isEmpty())
            return;
        const qint64 top = stack->visibleCards().first().index;
        if (top == detailsFor)
            return;
        QPointer<UserInfoVC> previous = details;
        details = new UserInfoVC(models.at(top), {}, true, services);
        detailsFor = top;
        panel->setProperty("controller", QVariant::fromValue<ViewController *>(details));
        if (previous)
            previous->release();
    };
    QObject::connect(stack, &SwipeCardStack::isAnimatingChanged, stack, followTopCard);
    followTopCard();

    BusyClock busy;
    // One frame: a display refresh passes, the input arrives, the window's own render loop
    // draws what changed and hands it to the screen. A grab would repaint and copy the whole
    // window, a cost that grows with its area and that no shown frame pays.
    const auto frame = [&](const std::function<void()> &input) {
        Frame f = busy.waitRefresh();
        const int collectionsBefore = g_collections;
        QElapsedTimer timer;
        timer.start();
        const qint64 cpuStart = threadCpuNs();
        const qint64 queuedStart = runQueueNs();
        const rusage usageStart = threadUsage();
        input();
        window.update();
        f.wallMs += static_cast<qreal>(timer.nsecsElapsed()) / 1e6;
        f.cpuMs += static_cast<qreal>(threadCpuNs() - cpuStart) / 1e6;
        f.queuedMs += static_cast<qreal>(runQueueNs() - queuedStart) / 1e6;
        addUsageSince(f, usageStart);
        QEventLoop shown;
        QObject::connect(&window, &QQuickWindow::frameSwapped, &shown, &QEventLoop::quit);
        QTimer::singleShot(1000, &shown, [] { qFatal("nothing was rendered"); });
        const Frame render = busy.workIn(shown);
        f.wallMs += render.wallMs;
        f.cpuMs += render.cpuMs;
        f.queuedMs += render.queuedMs;
        f.blocked += render.blocked;
        f.preempted += render.preempted;
        f.faults += render.faults;
        f.collections = g_collections - collectionsBefore;
        return f;
    };
    // The screen appears before anyone touches it; that first frame is not counted.
    frame([] {});

    Frames warmUp;
    Frames drag;
    Frames thrown;
    QElapsedTimer total;
    total.start();
    // The first card pays for what is done once per run (glyphs, shaders of the painter,
    // worker threads); it is swiped like the others and its frames are not counted.
    for (int i = -1; i < cards; ++i) {
        const bool counted = i >= 0;
        Frames &dragged = counted ? drag : warmUp;
        Frames &flown = counted ? thrown : warmUp;
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
                        {i, step}, "drag", counted);
        }
        // The release deals the next card, so that work lands in the first frame of the throw;
        // then one frame per display refresh while the card flies.
        flown.add(frame([&] {
                      pan(card, PanGestureRecognizer::State::Ended, {distance, -distance / 10},
                          {kFlickSpeed, 0});
                  }),
                  {i, 0}, "throw", counted);
        for (int flying = 1; card; ++flying)
            flown.add(frame([] {}), {i, flying}, "throw", counted);
    }
    std::printf("%d cards swiped in %.1f s (software renderer, offscreen, %d x %d window, "
                "stack %.0f x %.0f as the feed lays it out%s, after one warm-up card; no frame "
                "left out)\n",
                cards, static_cast<double>(total.elapsed()) / 1000.0, size.width(), size.height(),
                area.width(), area.height(), beside ? ", the top card's profile beside it" : "");
    drag.print("drag", collectionsKnown);
    thrown.print("throw", collectionsKnown);
    if (details)
        details->release();
    return {drag, thrown};
}
} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    int cards = 200;
    bool collectionsKnown = false;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg == QLatin1String("--collections"))
            collectionsKnown = true;
        else
            cards = qMax(1, arg.toInt());
    }
    if (collectionsKnown) {
        g_previousHandler = qInstallMessageHandler(countCollections);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qml.gc.allocatorStats=true"));
    }
    const QString loadBefore = loadAverage();

    const OwnedServices owned;
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
    const auto [narrowDrag, narrowThrow] =
        swipeThrough(engine, owned.services(), kWindow, false, false, cards, collectionsKnown);
    const auto [largeDrag, largeThrow] =
        swipeThrough(engine, owned.services(), kWideWindow, true, false, cards, collectionsKnown);
    const auto [wideDrag, wideThrow] =
        swipeThrough(engine, owned.services(), kWideWindow, true, true, cards, collectionsKnown);
    std::printf("load average before %s, after %s; %s\n", qPrintable(loadBefore),
                qPrintable(loadAverage()),
                collectionsKnown ? "garbage collections counted (their allocator log is on)"
                                 : "garbage collections not counted (pass --collections)");
    std::printf("drag median at 1920 x 1080 with the profile beside the stack: %.2f of the "
                "1000 x 800 one's (target at most 1.2); worst frame's processor time %.2f ms "
                "(target below %.0f)\n",
                percentile(wideDrag.wall, 50) / percentile(narrowDrag.wall, 50),
                std::max(percentile(wideDrag.cpu, 100), percentile(wideThrow.cpu, 100)), kTargetMs);
    std::printf("the same window without the profile: drag median %.2f of the 1000 x 800 one's, "
                "worst frame's processor time %.2f ms\n",
                percentile(largeDrag.wall, 50) / percentile(narrowDrag.wall, 50),
                std::max(percentile(largeDrag.cpu, 100), percentile(largeThrow.cpu, 100)));
    return 0;
}
