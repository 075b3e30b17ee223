// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/FileSecretBackend.h"
#include "platform/SecureStore.h"
#include "platform/SessionBus.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace {

// Hands back whatever bytes a test puts in, to reach the decoding SecureStore does itself.
class RawBackend final : public SecretBackend {
public:
    QByteArray bytes;
    bool store(const QString &, const QByteArray &) override { return false; }
    std::optional<QByteArray> lookup(const QString &) override { return bytes; }
    QString description() const override { return "raw"; }
};

// An environment variable as it is now, to be put back with restore().
std::optional<QByteArray> variable(const char *name) {
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}

void restore(const char *name, const std::optional<QByteArray> &value) {
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

// The behaviour every caller relies on, whatever the backend.
void checkSaveAndLoad(SecureStore &store, const QString &keyPrefix) {
    const QString screen = keyPrefix + "screen";
    QVERIFY(!store.load(screen).has_value());
    for (const char *step : {"name", "photoGrid", "geo"})
        QVERIFY(store.save(QString::fromLatin1(step), screen));
    QCOMPARE(store.load(screen), "geo");

    const QString token = "v4.local.токен";
    QVERIFY(store.save(token, keyPrefix + "paseto"));
    QCOMPARE(store.load(keyPrefix + "paseto"), token);
    QCOMPARE(store.load(screen), "geo");
}

} // namespace

class TestSecureStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fileStoreKeepsTheLastValueOwnerOnly() {
        QTemporaryDir dir;
        const QString path = dir.filePath("nested/secure-store.json");
        SecureStore store(std::make_unique<FileSecretBackend>(path));
        checkSaveAndLoad(store, {});
        // Mode 0600: the user's own read and write bits only.
        QVERIFY(QFile::permissions(path) == (QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadUser | QFileDevice::WriteUser));

        SecureStore afterRestart(std::make_unique<FileSecretBackend>(path));
        QCOMPARE(afterRestart.load("screen"), "geo");
    }

    // Every place a person can resume is read back after a restart as itself; a text this
    // version does not know (a later version's step) starts from the beginning.
    void progressSurvivesARestart() {
        QTemporaryDir dir;
        const QString path = dir.filePath("secure-store.json");
        for (Progress progress :
             {Progress::Name, Progress::PhotoGrid, Progress::Geo, Progress::Notification,
              Progress::Main, Progress::Delete, Progress::Ban, Progress::None}) {
            QVERIFY(SecureStore(std::make_unique<FileSecretBackend>(path)).setProgress(progress));
            QCOMPARE(SecureStore(std::make_unique<FileSecretBackend>(path)).progress(), progress);
        }
        SecureStore store(std::make_unique<FileSecretBackend>(path));
        QVERIFY(store.save("chooseTheme", "screen"));
        QCOMPARE(store.progress(), Progress::None);
    }

    void damagedFileReadsEmptyAndIsRepairedBySave() {
        QTemporaryDir dir;
        const QString path = dir.filePath("secure-store.json");
        for (const QByteArray &damage : {QByteArray("{\"screen\": \"geo"), QByteArray("[1, 2]")}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.setPermissions(file.permissions() | QFileDevice::ReadOther);
            file.write(damage);
            file.close();

            SecureStore store(std::make_unique<FileSecretBackend>(path));
            QVERIFY(!store.load("screen").has_value());
            QVERIFY(store.save("main", "screen"));
            QCOMPARE(store.load("screen"), "main");
        }
        QFile copy(path + ".damaged");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(!(copy.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup)));
        QCOMPARE(copy.readAll(), QByteArray("[1, 2]"));
    }

    void bytesThatAreNotUtf8ReadAsNoValue() {
        auto backend = std::make_unique<RawBackend>();
        RawBackend &raw = *backend;
        SecureStore store(std::move(backend));
        raw.bytes = QByteArray("bad \xff\xfe");
        QVERIFY(!store.load("k").has_value());
    }

    // An X display alone is no bus: asking would start one for it and hold the start up. The
    // client says so to the D-Bus libraries, which must then not take the address for a bus
    // either, and the store falls back to its file, as it does when a named bus does not answer.
    void withoutAnAnsweringSessionBusNoneIsStartedAndTheFileIsUsed() {
        QTemporaryDir dir;
        const QString path = dir.filePath("store.json");
        const auto bus = variable("DBUS_SESSION_BUS_ADDRESS");
        const auto display = variable("DISPLAY");
        const auto runtime = variable("XDG_RUNTIME_DIR");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("DISPLAY", ":0");
        qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8()); // holds no bus socket
        SessionBus::neverAutolaunch();
        const QByteArray told = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        const QString chosen = SecureStore::chooseBackend("zirel.test", path)->description();
        // A bus in the runtime directory is left to the libraries to find.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        QFile socket(dir.filePath("bus"));
        QVERIFY(socket.open(QIODevice::WriteOnly));
        SessionBus::neverAutolaunch();
        const bool leftAlone = !qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zirel-test-bus");
        const QString unanswered = SecureStore::chooseBackend("zirel.test", path)->description();
        restore("DBUS_SESSION_BUS_ADDRESS", bus);
        restore("DISPLAY", display);
        restore("XDG_RUNTIME_DIR", runtime);
        QCOMPARE(told, QByteArray("disabled:"));
        QCOMPARE(chosen, path);
        QVERIFY(leftAlone);
        QCOMPARE(unanswered, path);
    }

    // Where a Secret Service tool can keep an item, the client keeps its values there too,
    // reaching the keyring through its module, and they carry the attributes tools find them by.
    void keyringRoundTrip() {
        // A service name of its own keeps the test away from a real user's items.
        const QString service =
            "com.morvent.kavlo.test." + QUuid::createUuid().toString(QUuid::Id128);
        const auto secretTool = [](const QStringList &arguments, const QByteArray &input = {}) {
            QProcess tool;
            tool.start("secret-tool", arguments);
            tool.write(input);
            tool.closeWriteChannel();
            const bool ran = tool.waitForFinished() && tool.exitStatus() == QProcess::NormalExit &&
                             tool.exitCode() == 0;
            return ran ? std::optional(tool.readAllStandardOutput()) : std::nullopt;
        };
        if (!secretTool({"store", "--label", "zirel test", "service", service, "account", "probe"},
                        "x"))
            QSKIP("No unlocked Secret Service keyring");

        QTemporaryDir dir;
        std::unique_ptr<SecretBackend> backend =
            SecureStore::chooseBackend(service, dir.filePath("store.json"));
        QCOMPARE(backend->description(), "Secret Service (service=" + service + ")");
        SecureStore store(std::move(backend));
        checkSaveAndLoad(store, "zirel-test-");
        const auto found =
            secretTool({"lookup", "service", service, "account", "zirel-test-screen"});
        secretTool({"clear", "service", service});
        QCOMPARE(found, QByteArray("geo"));
        QVERIFY(!store.load("zirel-test-screen").has_value());
        QVERIFY(!store.load("zirel-test-paseto").has_value());
    }
};

QTEST_GUILESS_MAIN(TestSecureStore)
#include "tst_securestore.moc"
