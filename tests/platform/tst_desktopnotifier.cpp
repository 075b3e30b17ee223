#include "StdoutCapture.h"
#include "platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The desktop's notification service as far as the client uses it: it takes notifications
// and reports clicks on their actions.
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList summaries;
    QStringList actions;

public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &,
                const QStringList &actionList, const QVariantMap &, int) {
        summaries << summary;
        actions = actionList;
        return uint(summaries.size());
    }

public:
    void click(uint id, const QString &action) {
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
        signal << id << action;
        QDBusConnection::sessionBus().send(signal);
    }
};
} // namespace

// A notification of a conversation, and the click on it that asks for that conversation.
class TestDesktopNotifier : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void aClickAsksForItsConversation() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            QSKIP("no session bus");
        NotificationServer server;
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));

        DesktopNotifier notifier(
            std::make_unique<QSettings>(m_dir.filePath("defaults.ini"), QSettings::IniFormat));
        const QUuid chatID = QUuid::createUuid();
        // Other tests share the session bus and may notify too: this one finds its own.
        const QString summary = QStringLiteral("Проверка щелчка ") + chatID.toString();
        QVERIFY(!notifier.announce(summary, QStringLiteral("Привет"), chatID));
        notifier.setAllowed(true);
        QVERIFY(notifier.announce(summary, QStringLiteral("Привет"), chatID));
        QTRY_VERIFY(server.summaries.contains(summary));
        QVERIFY(!server.actions.isEmpty());
        QCOMPARE(server.actions.first(), QStringLiteral("default"));
        const uint id = uint(server.summaries.indexOf(summary) + 1);

        QSignalSpy requested(&notifier, &DesktopNotifier::conversationRequested);
        StdoutCapture log;
        server.click(id + 100, QStringLiteral("default"));
        server.click(id, QStringLiteral("dismissed"));
        server.click(id, QStringLiteral("default"));
        QTRY_COMPARE(requested.size(), 1);
        QCOMPARE(requested.first().first().toUuid(), chatID);
        QVERIFY(log.text().contains(QStringLiteral("Нажали на уведомление, userInfo: {chatID: ") +
                                    chatID.toString(QUuid::WithoutBraces).toUpper()));
        // A notification is opened once.
        server.click(id, QStringLiteral("default"));
        QTest::qWait(50);
        QCOMPARE(requested.size(), 1);
    }
};

QTEST_MAIN(TestDesktopNotifier)
#include "tst_desktopnotifier.moc"
