#include "AlertErrorVC.h"
#include "NavigationContainer.h"
#include "QmlHost.h"
#include "Window.h"
#include "WindowGeometry.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ZirelPlugin)

namespace {
QQuickItem *findByName(QQuickItem *item, const QString &name) {
    for (QQuickItem *child : item->childItems()) {
        if (child->isVisible() && child->property("text").toString() == name &&
            child->metaObject()->indexOfSignal("clicked()") >= 0)
            return child;
        if (QQuickItem *found = findByName(child, name))
            return found;
    }
    return nullptr;
}

void click(QQuickWindow *window, QQuickItem *item) {
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, {}, centre.toPoint());
}
} // namespace

class QmlHostTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void viewsDrawTheTreeAndForwardClicks() {
        Window window;
        QmlHost host(window);
        QQuickWindow *quick = host.quickWindow();
        QVERIFY(quick);
        QCOMPARE(quick->minimumSize(), QSize(700, 700));
        quick->resize(1000, 800);
        quick->show();
        QVERIFY(QTest::qWaitForWindowExposed(quick));

        auto *root = new ViewController(QStringLiteral("Root"));
        auto *nav = new NavigationContainer(root);
        window.setRoot(nav);
        nav->push(new ViewController(QStringLiteral("Second")), false);

        AlertErrorVC::show(nav->topViewController(), QStringLiteral("Нет соединения"));
        QQuickItem *ok = nullptr;
        QTRY_VERIFY((ok = findByName(quick->contentItem(), QStringLiteral("ОК"))));
        QTest::qWait(350); // the cross-dissolve
        click(quick, ok);
        QTRY_VERIFY(!nav->topViewController()->presentedViewController());
    }

    void storedGeometryIsBroughtBackOnScreen() {
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        const QSize minimum(700, 700);
        // A window left on a second screen that is gone comes back whole on the first.
        QCOMPARE(WindowGeometry::fitted(QRect(3500, 200, 900, 800), {screens.first()}, minimum),
                 QRect(1020, 200, 900, 800));
        // Larger than the screen: shrunk to it; smaller than the minimum: grown to it.
        QCOMPARE(WindowGeometry::fitted(QRect(0, 0, 3000, 3000), screens, minimum),
                 QRect(0, 0, 1920, 1080));
        QCOMPARE(WindowGeometry::fitted(QRect(2000, 100, 300, 300), screens, minimum),
                 QRect(2000, 100, 700, 700));
    }
};

QTEST_MAIN(QmlHostTest)
#include "tst_qmlhost.moc"
