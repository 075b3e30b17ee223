// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "StdoutCapture.h"
#include "api/WireLog.h"
#include "platform/ClientModule.h"
#include "platform/DesktopColorScheme.h"
#include "platform/DiagnosticLog.h"
#include "platform/FileLocations.h"
#include "platform/LinuxCloudAccount.h"
#include "platform/LinuxDeviceAttestation.h"
#include "platform/LinuxDeviceInfo.h"
#include "platform/OsVersionRule.h"
#include "platform/PrivateFiles.h"
#include "platform/TerminationSignals.h"
#include "platform/WorkerThread.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <sys/stat.h>

namespace {

template <typename Value> using Answer = std::pair<Value, QString>;

// Runs a request whose answer arrives on a pool thread and waits for it.
template <typename Value, typename Start> Answer<Value> answerOf(Start start) {
    Answer<Value> answer{{}, QStringLiteral("no answer")};
    start([&answer](const Value &value, const QString &error) { answer = {value, error}; });
    QThreadPool::globalInstance()->waitForDone();
    return answer;
}

QByteArray tokenFrom(LinuxDeviceAttestation &attestation) {
    return answerOf<QByteArray>([&](auto done) { attestation.generateToken(done); }).first;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The desktop portal's settings, as far as the appearance goes.
class FakePortalSettings : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint scheme = 1;

public Q_SLOTS:
    QDBusVariant Read(const QString &group, const QString &key) {
        const bool known = group == u"org.freedesktop.appearance" && key == u"color-scheme";
        // The portal answers a variant inside a variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(known ? scheme : 0u)));
    }
};

const QByteArray machineId("3f9c2a51d6e84b07a1c5e2f8093d4b6a");

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // What the client writes (settings through QSettings, files through QSaveFile, folders)
    // is its owner's alone, whatever the user's own umask allows.
    void filesWrittenAfterwardsAreTheOwnersOnly() {
        const mode_t before = ::umask(S_IWGRP | S_IWOTH);
        PrivateFiles::keepToOwner();
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("Zirel.conf")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("user"), QStringLiteral("{\"lat\": 55.75}"));
        settings.sync();
        QSaveFile photo(dir.filePath(QStringLiteral("photo")));
        QVERIFY(photo.open(QIODevice::WriteOnly));
        photo.write("jpeg");
        QVERIFY(photo.commit());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ImageCache")));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
        for (const char *name : {"Zirel.conf", "photo", "ImageCache"}) {
            const QFileInfo info(dir.filePath(QLatin1String(name)));
            QVERIFY2(!(info.permissions() & others), name);
            QVERIFY2(info.permissions() & QFileDevice::ReadOwner, name);
        }
        ::umask(before);
    }

    // An update finds the files an older version left under Qt's fallback places and moves
    // them under the organisation, readable by the owner only; what is already in the new
    // place wins, and a second start changes nothing.
    void oldFilesMoveUnderTheOrganisation() {
        QTemporaryDir home;
        const FileLocations::Places places{home.filePath(QStringLiteral("config")),
                                           home.filePath(QStringLiteral("data")),
                                           home.filePath(QStringLiteral("cache"))};
        const auto path = [&home](const char *relative) {
            return home.filePath(QLatin1String(relative));
        };
        QVERIFY(QDir().mkpath(path("config/Unknown Organization")));
        QVERIFY(QDir().mkpath(path("data/Zirel/ImageCache")));
        QVERIFY(QDir().mkpath(path("cache/Zirel")));
        QVERIFY(writeFile(path("config/Unknown Organization/Zirel.conf"), "[user]"));
        QVERIFY(writeFile(path("data/Zirel/secure-store.json"), "{}"));
        QVERIFY(writeFile(path("data/Zirel/ImageCache/photo"), "jpeg"));
        QVERIFY(writeFile(path("cache/Zirel/stale"), "old"));
        QVERIFY(QDir().mkpath(path("cache/Zirel/Zirel")));
        QVERIFY(writeFile(path("cache/Zirel/Zirel/stale"), "new"));
        QFile::setPermissions(path("config/Unknown Organization/Zirel.conf"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ReadOther);

        for (int start = 0; start < 2; ++start)
            FileLocations::moveOldFiles(places, QStringLiteral("Zirel"), QStringLiteral("Zirel"));

        for (const char *moved : {"config/Zirel/Zirel.conf", "data/Zirel/Zirel/secure-store.json",
                                  "data/Zirel/Zirel/ImageCache/photo"}) {
            const QFileInfo info(path(moved));
            QCOMPARE(info.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        QVERIFY(!QFileInfo::exists(path("config/Unknown Organization")));
        QVERIFY(!QFileInfo::exists(path("data/Zirel/secure-store.json")));
        QFile kept(path("cache/Zirel/Zirel/stale"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("new"));
    }

    // The appearance follows the portal: its first answer, then every change it announces,
    // and nothing else it announces.
    void theDesktopsColourSchemeIsFollowed() {
        QDBusConnection portalBus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
        if (!portalBus.isConnected())
            QSKIP("needs a session bus (scripts/test provides one)");
        const QString service =
            QStringLiteral("org.zirel.test.Portal%1").arg(QCoreApplication::applicationPid());
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
        FakePortalSettings portal;
        QVERIFY(portalBus.registerService(service));
        QVERIFY(portalBus.registerObject(path, &portal, QDBusConnection::ExportAllSlots));

        DesktopColorScheme scheme(QDBusConnection::sessionBus(), service);
        QTRY_COMPARE(scheme.preference(), DesktopColorScheme::Preference::Dark);
        QSignalSpy changes(&scheme, &DesktopColorScheme::preferenceChanged);
        const auto announce = [&](const QString &key, uint value) {
            QDBusMessage signal =
                QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Settings"),
                                           QStringLiteral("SettingChanged"));
            signal << QStringLiteral("org.freedesktop.appearance") << key
                   << QVariant::fromValue(QDBusVariant(value));
            QVERIFY(portalBus.send(signal));
        };
        announce(QStringLiteral("color-scheme"), 2);
        QTRY_COMPARE(scheme.preference(), DesktopColorScheme::Preference::Light);
        announce(QStringLiteral("accent-color"), 1);
        announce(QStringLiteral("color-scheme"), 0);
        QTRY_COMPARE(scheme.preference(), DesktopColorScheme::Preference::None);
        QCOMPARE(changes.count(), 2);
        portalBus.unregisterService(service);
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }

    void osVersionRule_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("17.6") << "17.6" << true;
        QTest::newRow("18.0") << "18.0" << false;
        QTest::newRow("abc") << "abc" << false;
        QTest::newRow("empty") << "" << false;
        // Empty parts are dropped, so a leading dot does not hide the major number.
        QTest::newRow(".5") << ".5" << true;
        QTest::newRow("space") << " 12.1" << false;
        QTest::newRow("too large") << "99999999999999999999.1" << false;
    }

    void osVersionRule() {
        QFETCH(QString, version);
        QFETCH(bool, blocked);
        QCOMPARE(OsVersionRule::blocks(version), blocked);
        QVERIFY(!OsVersionRule::blocks(LinuxDeviceInfo().equivalentOsVersion()));
    }

    // Only a program the build wrote may load modules from the build's folder: an installed
    // client must not, and a folder whose name merely starts like the build's is not inside it.
    void onlyProgramsOfTheBuildTreeLookInIt() {
        QTemporaryDir dir;
        for (const char *folder : {"build/tests/service", "build-other/bin", "elsewhere/bin"})
            QVERIFY(QDir(dir.path()).mkpath(folder));
        const QString tree = dir.filePath("build");
        QVERIFY(isInBuildTree(tree, tree));
        QVERIFY(isInBuildTree(dir.filePath("build/tests/service"), tree));
        QVERIFY(isInBuildTree(dir.filePath("build/tests/../tests"), tree));
        QVERIFY(!isInBuildTree(dir.filePath("build-other/bin"), tree));
        QVERIFY(!isInBuildTree(dir.filePath("elsewhere/bin"), tree));
        QVERIFY(!isInBuildTree(dir.filePath("build/tests/.."), dir.filePath("missing")));
        QVERIFY(!isInBuildTree(dir.filePath("build/../elsewhere/bin"), tree));
    }

    void cloudAccountAnswersARecordNameStablePerMachineAndUser() {
        const QString name = LinuxCloudAccount::deriveRecordName(machineId, 1000, "anna");
        QCOMPARE(LinuxCloudAccount::deriveRecordName(machineId, 1000, "anna"), name);
        QVERIFY(QRegularExpression("^_[0-9a-f]{32}$").match(name).hasMatch());
        QVERIFY(LinuxCloudAccount::deriveRecordName(machineId, 1001, "anna") != name);
        QVERIFY(LinuxCloudAccount::deriveRecordName(machineId, 1000, "boris") != name);
        QVERIFY(LinuxCloudAccount::deriveRecordName("uninitialized", 1000, "anna").isEmpty());

        QTemporaryDir dir;
        const QString idPath = dir.filePath("machine-id");
        QVERIFY(writeFile(idPath, machineId + '\n'));
        LinuxCloudAccount account({dir.filePath("missing"), idPath});
        const auto status = answerOf<bool>([&](auto done) { account.accountStatus(done); });
        QCOMPARE(status, Answer<bool>(true, {}));
        const auto fetch = [&](LinuxCloudAccount &from) {
            return answerOf<QString>([&](auto done) { from.fetchRecordName(done); });
        };
        const Answer<QString> first = fetch(account);
        QVERIFY(!first.first.isEmpty());

        LinuxCloudAccount without({dir.filePath("missing")});
        const Answer<QString> missing = fetch(without);
        QVERIFY(missing.first.isEmpty());
        QVERIFY(missing.second.contains("missing"));
    }

    void attestationTokensShareTheInstallationPart() {
        QTemporaryDir dir;
        const QString idPath = dir.filePath("data/installation-id");
        LinuxDeviceAttestation attestation(idPath);

        // Requested at once before the identifier exists: both must use the same one.
        QByteArray first, second;
        attestation.generateToken([&](const QByteArray &token, const QString &) { first = token; });
        attestation.generateToken(
            [&](const QByteArray &token, const QString &) { second = token; });
        QThreadPool::globalInstance()->waitForDone();

        QCOMPARE(first.size(), 48);
        QCOMPARE(first.left(32), second.left(32));
        QVERIFY(first.mid(32) != second.mid(32));
        // Mode 0600: the user's own read and write bits only.
        QVERIFY(QFile::permissions(idPath) == (QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadUser | QFileDevice::WriteUser));

        LinuxDeviceAttestation reinstalled(idPath);
        QCOMPARE(tokenFrom(reinstalled).left(32), first.left(32));

        QVERIFY(writeFile(idPath, "short"));
        const QByteArray repaired = tokenFrom(attestation);
        QCOMPARE(repaired.size(), 48);
        QVERIFY(repaired.left(32) != first.left(32));
    }

    // Quitting ends the work under way while the application still exists and runs nothing
    // after it: left to the teardown of the process, work reached unloaded plugins.
    void quittingStopsAWorkerThreadAfterItsCurrentWork() {
        std::atomic<int> done = 0;
        QSemaphore started;
        WorkerThread worker(QStringLiteral("worker"));
        worker.post([&done, &started] {
            started.release();
            QThread::msleep(300);
            ++done;
        });
        // The quit comes while the work is under way, however late the worker got to it.
        started.acquire();
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
        QCOMPARE(done.load(), 1);
        QVERIFY(!worker.context());
        worker.post([&done] { ++done; });
        QTest::qWait(100);
        QCOMPARE(done.load(), 1);
    }

    // A stop from the session or the terminal quits the application the usual way; the
    // signal's own default comes back, so a second one still ends a quit that hangs.
    void terminationSignalsQuitTheApplication() {
        TerminationSignals::quitApplicationOnThem();
        QSignalSpy quitting(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
        for (const int signal : {SIGTERM, SIGINT}) {
            QTimer::singleShot(20, [signal] { std::raise(signal); });
            QTimer deadline;
            deadline.setSingleShot(true);
            connect(&deadline, &QTimer::timeout, QCoreApplication::instance(),
                    &QCoreApplication::quit);
            deadline.start(5000);
            QCoreApplication::exec();
            QVERIFY(deadline.isActive());
            struct sigaction now = {};
            QCOMPARE(sigaction(signal, nullptr, &now), 0);
            QVERIFY(now.sa_handler == SIG_DFL);
        }
        QCOMPARE(quitting.size(), 2);
    }

    // The client's warnings and status lines are printed by default as plain lines on standard
    // output, debug traces (raw bodies among them) only once the rules ask for them, and a rule
    // quietens an area; messages of other libraries are not printed there.
    // (The capture routes messages as the client's main() does.)
    void theClientsCategoriesPrintStatusLinesAndKeepTracesForTheAsking() {
        StdoutCapture out;
        const auto rulesBack = qScopeGuard([] { QLoggingCategory::setFilterRules({}); });
        qCInfo(lcFeed).noquote() << QStringLiteral("Все карточки были свайпнуты!");
        qCDebug(lcFeed) << "trace";
        qCWarning(lcChats).noquote() << QStringLiteral("Ошибка загрузки: нет сети");
        qCDebug(lcWire) << "raw body";
        qInfo("from another library");
        QLoggingCategory::setFilterRules(
            QStringLiteral("zirel.*.debug=true\nzirel.chats.warning=false"));
        qCDebug(lcFeed).noquote() << "trace asked for";
        qCWarning(lcChats) << "quietened";
        const QStringList lines = out.text().split(u'\n');
        const QStringList printed{QStringLiteral("Все карточки были свайпнуты!"),
                                  QStringLiteral("Ошибка загрузки: нет сети"),
                                  QStringLiteral("trace asked for")};
        for (const QString &line : printed)
            QVERIFY2(lines.contains(line), qPrintable(out.text()));
        for (const char *line : {"trace", "raw body", "quietened", "from another library"})
            QVERIFY2(!lines.contains(QLatin1String(line)), qPrintable(out.text()));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
