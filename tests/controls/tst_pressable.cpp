// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "TestServices.h"
#include "ui/ViewController.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

namespace {
// A screen drawn by a view of two buttons, counting its own Return commands.
class ButtonsScreen : public ViewController {
public:
    explicit ButtonsScreen(QUrl view)
        : ViewController(QStringLiteral("ButtonsScreen"))
        , m_view(std::move(view)) {}
    QUrl viewSource() const override { return m_view; }
    bool handleKey(KeyCommand command) override {
        screenReturns += command == KeyCommand::Return;
        return command == KeyCommand::Return;
    }
    int screenReturns = 0;

private:
    QUrl m_view;
};

const char *kView = R"(import QtQuick
import Zirel.Controls
Item {
    required property QtObject controller
    Column {
        TextInput { objectName: "field"; width: 80; height: 20 }
        Pressable { objectName: "first"; text: "first"; width: 80; height: 40
                    property int clicks: 0; onClicked: clicks += 1 }
        Pressable { objectName: "second"; text: "second"; width: 80; height: 40
                    property int clicks: 0; onClicked: clicks += 1 }
    }
}
)";

// The view drawn as the window's screen, with its items.
struct ShownButtons {
    ButtonsScreen *screen = nullptr;
    QQuickItem *field = nullptr;
    QQuickItem *first = nullptr;
    QQuickItem *second = nullptr;
};

// Writes the view into `dir`, shows it and waits until it is drawn; empty when that fails.
std::optional<ShownButtons> showButtons(DrawnWindow &drawn, const QTemporaryDir &dir) {
    QFile file(dir.filePath(QStringLiteral("ButtonsView.qml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(kView) < 0)
        return std::nullopt;
    file.close();
    if (!drawn.show())
        return std::nullopt;
    ShownButtons shown;
    shown.screen = new ButtonsScreen(QUrl::fromLocalFile(file.fileName()));
    drawn.window().setRoot(shown.screen);
    const auto item = [&drawn](const char *name) {
        return drawn.findWith("objectName", QString::fromLatin1(name));
    };
    if (!QTest::qWaitFor([&] { return item("second") != nullptr; }))
        return std::nullopt;
    shown.field = item("field");
    shown.first = item("first");
    shown.second = item("second");
    return shown;
}
} // namespace

class TestPressable : public QObject {
    Q_OBJECT

    TestServices m_services;
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Each case starts from the two buttons and the field, freshly drawn.
    void init() {
        m_drawn = std::make_unique<DrawnWindow>(m_services.services());
        m_shown = showButtons(*m_drawn, m_dir);
    }
    void cleanup() {
        m_shown.reset();
        m_drawn.reset();
    }

    // Tab walks the buttons, Space and Return press the one the keyboard is on, and Return
    // reaches the screen's own command only while no button has the keyboard.
    void buttonsAreReachedAndPressedFromTheKeyboard() {
        QVERIFY(m_shown);
        const auto [screen, field, first, second] = *m_shown;
        QQuickWindow *window = m_drawn->quick();

        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(screen->screenReturns, 1);

        QTest::keyClick(window, Qt::Key_Tab);
        QTRY_VERIFY(first->hasActiveFocus());
        QVERIFY(first->property("visualFocus").toBool());
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(first->property("clicks").toInt(), 1);

        QTest::keyClick(window, Qt::Key_Tab);
        QTRY_VERIFY(second->hasActiveFocus());
        QTest::keyClick(window, Qt::Key_Return);
        QTest::keyClick(window, Qt::Key_Enter);
        QCOMPARE(second->property("clicks").toInt(), 2);
        QCOMPARE(first->property("clicks").toInt(), 1);
        QCOMPARE(screen->screenReturns, 1);

        // A disabled button takes no key.
        second->setEnabled(false);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(second->property("clicks").toInt(), 2);
    }

    // A message sent with the mouse: the click presses the button and the keyboard stays in
    // the field, so the next words land there and Return is the screen's again.
    void aClickLeavesTheKeyboardInTheField() {
        QVERIFY(m_shown);
        const auto [screen, field, first, second] = *m_shown;
        QQuickWindow *window = m_drawn->quick();

        const auto type = [window](const QByteArray &text) {
            for (const char key : text)
                QTest::keyClick(window, key);
        };

        m_drawn->click(field);
        QTRY_VERIFY(field->hasActiveFocus());
        type("hi");
        m_drawn->click(first);
        QCOMPARE(first->property("clicks").toInt(), 1);
        QVERIFY(field->hasActiveFocus());
        type(" there");
        QCOMPARE(field->property("text").toString(), QStringLiteral("hi there"));
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(first->property("clicks").toInt(), 1);
        QCOMPARE(screen->screenReturns, 1);
    }

    // The frame around the keyboard's button is drawn in a colour no selection uses, and only
    // while the keyboard is in use: after a click elsewhere the button the keyboard stayed on
    // is not framed, so a chosen option and that button are never both outlined alike.
    void theFocusFrameShowsOnlyForTheKeyboard() {
        QVERIFY(m_shown);
        const auto [screen, field, first, second] = *m_shown;
        QQuickWindow *window = m_drawn->quick();
        const auto frame = [](QQuickItem *button) -> QQuickItem * {
            for (QQuickItem *child : button->childItems()) {
                if (child->property("shown").isValid())
                    return child;
            }
            return nullptr;
        };
        QVERIFY(frame(first));

        QTest::keyClick(window, Qt::Key_Tab);
        QTRY_VERIFY(first->hasActiveFocus());
        QTRY_VERIFY(frame(first)->isVisible());
        const QColor accent(255, 68, 88);
        QVERIFY(frame(first)->property("border").value<QObject *>()->property("color") !=
                QVariant(accent));
        m_drawn->click(second);
        QCOMPARE(second->property("clicks").toInt(), 1);
        QVERIFY(first->hasActiveFocus());
        QTRY_VERIFY(!frame(first)->isVisible());
        QTest::keyClick(window, Qt::Key_Tab);
        QTRY_VERIFY(second->hasActiveFocus());
        QTRY_VERIFY(frame(second)->isVisible());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<DrawnWindow> m_drawn;
    std::optional<ShownButtons> m_shown;
};

QTEST_MAIN(TestPressable)
#include "tst_pressable.moc"
