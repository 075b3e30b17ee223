// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "TestServices.h"
#include "TourStops.h"
#include "app/AppScreens.h"
#include "details/UserInfoImageCell.h"
#include "ui/ViewController.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <memory>
#include <numeric>

Q_IMPORT_QML_PLUGIN(ZirelDemoPlugin)

namespace {
// What a screen reader announces as something to operate; each must be named.
bool operable(QAccessibleInterface *node) {
    switch (node->role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Slider:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::Link:
        return true;
    case QAccessible::ListItem:
    case QAccessible::Cell: {
        QAccessibleActionInterface *actions = node->actionInterface();
        return actions && !actions->actionNames().isEmpty();
    }
    default:
        return false;
    }
}

// The shown controls below `node`, depth first.
void collectControls(QAccessibleInterface *node, QList<QAccessibleInterface *> &controls) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        if (operable(child))
            controls.append(child);
        collectControls(child, controls);
    }
}

const TourStop &stopNamed(const QString &name) {
    static const QList<TourStop> stops = tourStops();
    for (const TourStop &stop : stops)
        if (stop.name == name)
            return stop;
    qFatal("no tour stop %s", qPrintable(name));
}

// One screen of the tour in a shown window of the tour's size, or the size given, settled.
std::unique_ptr<DrawnWindow> shown(const TourStop &stop, const Services &services,
                                   QSize size = {1000, 800}) {
    auto drawn = std::make_unique<DrawnWindow>(services);
    if (!drawn->show(size))
        return nullptr;
    drawn->window().setRoot(stop.build(services));
    QTest::qWait(700);
    return drawn;
}

// The screen whose view draws `item`: the nearest enclosing view's controller.
ViewController *ownerOf(QQuickItem *item) {
    for (QQuickItem *up = item; up; up = up->parentItem()) {
        if (auto *vc =
                qobject_cast<ViewController *>(up->property("controller").value<QObject *>()))
            return vc;
    }
    return nullptr;
}

// True when the item belongs to the layer in front: the alert or sheet on top, or the screens
// under no alert or sheet.
bool inFrontLayer(DrawnWindow &drawn, QQuickItem *item) {
    const ViewController *front = drawn.window().frontScreen();
    const ViewController *owner = ownerOf(item);
    return front && owner && owner->presentationRoot() == front->presentationRoot();
}

// Where the keyboard is now.
QQuickItem *focused(const DrawnWindow &drawn) {
    return drawn.quick()->activeFocusItem();
}

QString where(QQuickItem *item) {
    if (!item)
        return QStringLiteral("nothing");
    const QPointF at = item->mapToScene(QPointF());
    return QStringLiteral("%1 \"%2\" at %3,%4")
        .arg(QString::fromLatin1(item->metaObject()->className()),
             item->property("text").toString())
        .arg(at.x())
        .arg(at.y());
}

// Whether the keyboard's place is drawn: text fields show their caret, every other control the
// accent frame.
bool focusShows(QQuickItem *item) {
    if (item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit"))
        return true;
    if (item->inherits("SliderBase"))
        return true;
    const QList<QQuickItem *> children = item->childItems();
    return std::any_of(children.begin(), children.end(), [](QQuickItem *child) {
        return child->isVisible() && QString::fromLatin1(child->metaObject()->className())
                                         .startsWith(QLatin1String("FocusRing"));
    });
}
// The items Tab stops on, from the first Tab until the walk comes round (at most `limit`), where
// each was on the screen when the keyboard reached it (a list scrolls to what gets the focus),
// and those of them on which the keyboard's place was not drawn.
struct TabCycle {
    QList<QQuickItem *> stops;
    QList<QRectF> seenAt;
    QStringList unmarked;
};
TabCycle tabCycle(const DrawnWindow &drawn, int limit) {
    TabCycle cycle;
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(drawn.quick(), Qt::Key_Tab);
        QQuickItem *item = focused(drawn);
        if (!item || (!cycle.stops.isEmpty() && item == cycle.stops.first()))
            break;
        cycle.stops.append(item);
        cycle.seenAt.append(item->mapRectToScene(item->boundingRect()));
        if (!focusShows(item))
            cycle.unmarked.append(where(item));
    }
    return cycle;
}

// True when `b` comes after `a` for a reader: further down, or on the same line and further
// right.
bool readsAfter(const QRectF &a, const QRectF &b) {
    // On one line when they share most of the smaller one's height: a row of buttons lying
    // over the foot of a tall photo still reads after it.
    const qreal overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    const bool sameLine = overlap > std::min(a.height(), b.height()) / 2;
    return sameLine ? b.left() >= a.left() : b.top() >= a.top();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    TestServices m_services;

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        AppScreens::install(m_services.services().screens());
        // Controls only take their roles once something listens, as a screen reader does.
        QAccessible::setActive(true);
    }

    // Every screen of the tour, as the user finds it, names each control it shows.
    void everyShownControlIsNamed() {
        QStringList unnamed;
        const QList<TourStop> stops = tourStops();
        qsizetype controls = 0;
        for (const TourStop &stop : stops) {
            const auto drawn = shown(stop, m_services.services());
            QVERIFY(drawn);
            QList<QAccessibleInterface *> found;
            collectControls(QAccessible::queryAccessibleInterface(drawn->quick()), found);
            controls += found.size();
            for (QAccessibleInterface *control : std::as_const(found))
                if (control->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed.append(stop.name + QStringLiteral(": ") +
                                   where(qobject_cast<QQuickItem *>(control->object())));
        }
        // A tree without controls would pass vacuously; every screen has at least one.
        QVERIFY2(controls >= stops.size(), qPrintable(QString::number(controls)));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
    }

    // Tab goes round every control of the layer in front, in reading order, never to what an
    // alert or a sheet covers, and the keyboard's place is drawn on each.
    void tabWalksTheFrontLayerInReadingOrder_data() {
        QTest::addColumn<QString>("stop");
        for (const char *stop :
             {"alert-error", "delete-account", "settings-filters", "registration-gender",
              "chat-conversation", "details-likes", "profile-tab", "feed-note"})
            QTest::newRow(stop) << QString::fromLatin1(stop);
    }
    void tabWalksTheFrontLayerInReadingOrder() {
        QFETCH(QString, stop);
        // In one column, as a phone's width draws every screen: beside a list, the keyboard
        // reads the list's column before the next one, which the line-by-line order below
        // cannot tell from a jump back up.
        const auto drawn = shown(stopNamed(stop), m_services.services(), {480, 800});
        QVERIFY(drawn);
        QList<QAccessibleInterface *> found;
        collectControls(QAccessible::queryAccessibleInterface(drawn->quick()), found);
        QList<QQuickItem *> expected;
        for (QAccessibleInterface *control : std::as_const(found)) {
            auto *item = qobject_cast<QQuickItem *>(control->object());
            if (item && item->isEnabled() && inFrontLayer(*drawn, item))
                expected.append(item);
        }
        QVERIFY(!expected.isEmpty());

        const TabCycle walk = tabCycle(*drawn, int(expected.size()) * 3 + 5);
        QVERIFY2(walk.unmarked.isEmpty(), qPrintable(walk.unmarked.join(u'\n')));
        // The walk began wherever the keyboard was; read it from the control a reader meets first.
        QList<qsizetype> order(walk.stops.size());
        std::iota(order.begin(), order.end(), 0);
        const auto first = std::min_element(order.begin(), order.end(), [&walk](auto a, auto b) {
            return readsAfter(walk.seenAt.at(a), walk.seenAt.at(b));
        });
        std::rotate(order.begin(), first, order.end());
        QList<QQuickItem *> cycle;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QQuickItem *item = walk.stops.at(order.at(i));
            cycle.append(item);
            QVERIFY2(inFrontLayer(*drawn, item), qPrintable(where(item)));
            if (i > 0)
                QVERIFY2(readsAfter(walk.seenAt.at(order.at(i - 1)), walk.seenAt.at(order.at(i))),
                         qPrintable(where(walk.stops.at(order.at(i - 1))) +
                                    QStringLiteral(" then ") + where(item)));
        }
        for (QQuickItem *item : std::as_const(expected))
            QVERIFY2(cycle.contains(item),
                     qPrintable(QStringLiteral("not reached: ") + where(item)));

        // Shift+Tab walks the same way back.
        QTest::keyClick(drawn->quick(), Qt::Key_Tab);
        QCOMPARE(focused(*drawn), walk.stops.value(1 % walk.stops.size()));
        QTest::keyClick(drawn->quick(), Qt::Key_Backtab);
        QCOMPARE(focused(*drawn), walk.stops.first());
    }

    // Space presses what the keyboard is on and Escape closes the sheet in front, leaving what is
    // under it. (Return on a focused button is the buttons' own test.)
    void keysPressAndClose() {
        {
            const auto drawn =
                shown(stopNamed(QStringLiteral("settings-filters")), m_services.services());
            QVERIFY(drawn);
            ViewController *base = drawn->window().root();
            QVERIFY(base->presentedViewController());
            QQuickItem *toggle = nullptr;
            for (int i = 0; i < 20 && !toggle; ++i) {
                QTest::keyClick(drawn->quick(), Qt::Key_Tab);
                if (focused(*drawn)->inherits("QQuickSwitch"))
                    toggle = focused(*drawn);
            }
            QVERIFY2(toggle, "Tab never reached a switch");
            const bool wasOn = toggle->property("checked").toBool();
            QTest::keyClick(drawn->quick(), Qt::Key_Space);
            QCOMPARE(toggle->property("checked").toBool(), !wasOn);
            QTest::keyClick(drawn->quick(), Qt::Key_Escape);
            QTRY_VERIFY(!base->presentedViewController());
        }
        {
            // On the profile's photo the arrows page through the photos; they neither wrap nor
            // pass or like the person as they do elsewhere on that screen.
            const auto drawn =
                shown(stopNamed(QStringLiteral("details-likes")), m_services.services());
            QVERIFY(drawn);
            ViewController *details = drawn->window().root()->presentedViewController();
            QVERIFY(details);
            QQuickItem *photo = nullptr;
            for (int i = 0; i < 10 && !photo; ++i) {
                QTest::keyClick(drawn->quick(), Qt::Key_Tab);
                if (QString::fromLatin1(focused(*drawn)->metaObject()->className())
                        .startsWith(QLatin1String("UserInfoImageCellView")))
                    photo = focused(*drawn);
            }
            QVERIFY2(photo, "Tab never reached the photo");
            auto *cell = photo->property("cell").value<UserInfoImageCell *>();
            QVERIFY(cell && cell->count() > 1);
            QCOMPARE(cell->currentIndex(), 0);
            QTest::keyClick(drawn->quick(), Qt::Key_Left);
            QCOMPARE(cell->currentIndex(), 0);
            for (int i = 1; i <= cell->count(); ++i)
                QTest::keyClick(drawn->quick(), Qt::Key_Right);
            QCOMPARE(cell->currentIndex(), cell->count() - 1);
            QTest::keyClick(drawn->quick(), Qt::Key_Left);
            QCOMPARE(cell->currentIndex(), cell->count() - 2);
            QTest::qWait(100);
            QCOMPARE(drawn->window().root()->presentedViewController(), details);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
