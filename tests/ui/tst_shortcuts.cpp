// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "StandInVC.h"
#include "TestServices.h"
#include "api/GenderSelection.h"
#include "onboarding/BioInputVC.h"
#include "ui/KeyTable.h"
#include "ui/NavigationContainer.h"
#include "ui/ShortcutsVC.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>

// The list of shortcuts is the key table the window's shortcuts are made of; it opens over any
// screen and never takes a key that is typed.
class TestShortcuts : public QObject {
    Q_OBJECT

    TestServices m_services;

    static bool listShown(DrawnWindow &drawn) {
        return qobject_cast<ShortcutsVC *>(drawn.window().frontScreen()) != nullptr;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theListOpensOverAnyScreenAndLeavesTypingAlone() {
        DrawnWindow drawn{m_services.services()};
        QVERIFY(drawn.show({1280, 800}));
        drawn.quick()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(drawn.quick()));
        auto *step = new BioInputVC({}, {}, GenderSelection::man, GenderSelection::woman,
                                    m_services.services());
        drawn.window().setRoot(new NavigationContainer(step));
        QTRY_VERIFY(drawn.quick()->activeFocusItem() &&
                    drawn.quick()->activeFocusItem()->inherits("QQuickTextEdit"));

        // A question mark is typed where the user types, and opens nothing.
        QTest::keyClick(drawn.quick(), '?');
        QTRY_COMPARE(step->text(), QStringLiteral("?"));
        QVERIFY(!listShown(drawn));

        QTest::keyClick(drawn.quick(), Qt::Key_F1);
        QTRY_VERIFY(listShown(drawn));
        // Every row of the table is there, the keys as the desktop names them.
        for (const KeyTable::Entry &entry : KeyTable::entries()) {
            const QString what = QCoreApplication::translate("KeyTable", entry.what);
            QTRY_VERIFY2(drawn.findWith("text", what), qPrintable(what));
        }
        QVERIFY(drawn.findWith("text", KeyTable::shown(QStringLiteral("Ctrl+,"))));
        QTest::keyClick(drawn.quick(), Qt::Key_Return);
        QTRY_VERIFY(!listShown(drawn));
        QCOMPARE(step->text(), QStringLiteral("?"));

        // F1 closes what F1 opened; Escape closes it as any sheet.
        QTest::keyClick(drawn.quick(), Qt::Key_F1);
        QTRY_VERIFY(listShown(drawn));
        QTest::keyClick(drawn.quick(), Qt::Key_F1);
        QTRY_VERIFY(!listShown(drawn));
        QTest::keyClick(drawn.quick(), Qt::Key_F1);
        QTRY_VERIFY(listShown(drawn));
        QTest::keyClick(drawn.quick(), Qt::Key_Escape);
        QTRY_VERIFY(!listShown(drawn));

        // Where nothing is typed, ? opens it too.
        drawn.window().setRoot(new StandInVC(QStringLiteral("Экран")));
        QTest::keyClick(drawn.quick(), '?');
        QTRY_VERIFY(listShown(drawn));
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
