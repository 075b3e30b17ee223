#include "DrawnWindow.h"
#include "ui/ViewController.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ZirelPlugin)

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
import Zirel
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

// Writes the view into `dir` and shows it as the window's screen; null when that fails.
ButtonsScreen *showButtons(DrawnWindow &drawn, const QTemporaryDir &dir) {
    QFile file(dir.filePath(QStringLiteral("ButtonsView.qml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(kView) < 0)
        return nullptr;
    file.close();
    if (!drawn.show())
        return nullptr;
    auto *screen = new ButtonsScreen(QUrl::fromLocalFile(file.fileName()));
    drawn.window().setRoot(screen);
    return screen;
}
} // namespace

class TestPressable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Tab walks the buttons, Space and Return press the one the keyboard is on, and Return
    // reaches the screen's own command only while no button has the keyboard.
    void buttonsAreReachedAndPressedFromTheKeyboard() {
        QTemporaryDir dir;
        DrawnWindow drawn;
        ButtonsScreen *screen = showButtons(drawn, dir);
        QVERIFY(screen);
        QQuickItem *first = nullptr;
        QTRY_VERIFY((first = drawn.findWith("objectName", QStringLiteral("first"))));
        QQuickItem *second = drawn.findWith("objectName", QStringLiteral("second"));
        QVERIFY(second);
        QQuickWindow *window = drawn.quick();

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
        QTemporaryDir dir;
        DrawnWindow drawn;
        ButtonsScreen *screen = showButtons(drawn, dir);
        QVERIFY(screen);
        QQuickItem *field = nullptr;
        QTRY_VERIFY((field = drawn.findWith("objectName", QStringLiteral("field"))));
        QQuickItem *first = drawn.findWith("objectName", QStringLiteral("first"));
        QVERIFY(first);
        QQuickWindow *window = drawn.quick();

        const auto type = [window](const QByteArray &text) {
            for (const char key : text)
                QTest::keyClick(window, key);
        };

        drawn.click(field);
        QTRY_VERIFY(field->hasActiveFocus());
        type("hi");
        drawn.click(first);
        QCOMPARE(first->property("clicks").toInt(), 1);
        QVERIFY(field->hasActiveFocus());
        type(" there");
        QCOMPARE(field->property("text").toString(), QStringLiteral("hi there"));
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(first->property("clicks").toInt(), 1);
        QCOMPARE(screen->screenReturns, 1);
    }
};

QTEST_MAIN(TestPressable)
#include "tst_pressable.moc"
