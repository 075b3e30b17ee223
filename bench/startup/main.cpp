// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Start-up and swipe memory of the client against the reference service on loopback.
//
// Times the real client binary from spawn to its first frame with cards on the feed (offscreen,
// the service seeded with demo people around a fixed place) as a returning user (a stored
// session and permissions already answered) and at a first start signed in with the review code
// (the window flips to the main screen and the permission questions come up), and the same for
// a minimal Qt Quick window (bench-startup-window), bare and with one line of text; medians of
// several alternating starts. The returning user's installation is the one its last start left
// behind (stored photos, the window's place), so each such start is the second one
// in its home; the first is not timed. The same start without those caches is timed as well, and
// the returning user's start in a window of 1000 × 800 and of 1920 × 1080 on a screen of that
// size, where the wide layout adds the top card's profile beside the stack. Then runs the client
// in this process and notes the resident memory at the first cards and after 100 swipes. Usage:
// bench-startup [--runs N] [--full-size-photos]   (run under dbus-run-session like the tests)
#include "BuildConfigValues.h"
#include "ChildStart.h"
#include "CompletionSpy.h"
#include "ServiceProcess.h"
#include "StdoutCapture.h"
#include "SwipeRun.h"
#include "api/Endpoints.h"
#include "api/NetworkService.h"
#include "app/AllocatorSettings.h"
#include "app/FirstFrameProbe.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotifier.h"
#include "platform/FileSecretBackend.h"
#include "store/UserManager.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
const QString kCrowd = QStringLiteral("55.0,37.0");
constexpr int kDemoPeople = 240;
constexpr int kSwipes = 100;
constexpr int kMemoryStep = 20;

void print(const QString &text) {
    std::fputs(qPrintable(text + u'\n'), stdout);
    std::fflush(stdout);
}

double mib(qint64 kib) {
    return kib / 1024.0;
}

QProcessEnvironment childEnvironment(const QString &home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    // A fresh installation every time: no stored window, photos or preferences. Without a
    // session bus the secure store is the file below, whatever keyring the machine has.
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    return env;
}

// The reviewers' own record, as the client stores it after every start.
std::optional<User> reviewersRecord(const QString &baseUrl) {
    NetworkService reviewer;
    reviewer.setBaseUrl(baseUrl);
    reviewer.setPaseto(QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN));
    const CompletionSpy<User> answer;
    Endpoints::user(answer.callback(), reviewer);
    if (!answer.wait() || !answer.result().ok())
        return std::nullopt;
    return answer.result().value();
}

// What a returning user's installation holds: the session on the main screen, the location
// and notification questions answered and the own record from the last start. The token is
// the reviewers'.
bool prepareReturningUser(const QString &home, const User &record, QSize window = {}) {
    // Where this version keeps them: organisation and application are both "Zirel".
    FileSecretBackend store(home + QStringLiteral("/data/Zirel/Zirel/secure-store.json"));
    QSettings defaults(home + QStringLiteral("/config/Zirel/Zirel.conf"), QSettings::IniFormat);
    if (window.isValid())
        defaults.setValue(QStringLiteral("window/geometry"), QRect(QPoint(), window));
    defaults.setValue(DesktopLocationService::allowedKey(), true);
    defaults.setValue(DesktopNotifier::allowedKey(), true);
    defaults.sync();
    UserManager(std::make_unique<QSettings>(defaults.fileName(), QSettings::IniFormat))
        .save(record);
    return store.store(QStringLiteral("paseto"), ZIREL_BUILD_REVIEW_TOKEN) &&
           store.store(QStringLiteral("screen"), "main") && defaults.status() == QSettings::NoError;
}

struct Series {
    QList<double> wallMs;
    QList<qint64> selfMs;
    QList<qint64> residentKiB;

    void add(const ChildStart::Figures &f) {
        wallMs.append(f.wallMs);
        selfMs.append(f.report.msSinceStart);
        residentKiB.append(f.report.residentKiB);
    }
    template <class T> static T median(QList<T> values) {
        std::sort(values.begin(), values.end());
        return values.at(values.size() / 2);
    }
    // The machine's speed drifts over a run; starts of the same round ran back to back, so
    // the ratio within each round is steadier than the ratio of the two medians.
    double medianRatioTo(const Series &base) const {
        QList<double> ratios;
        for (qsizetype i = 0; i < qMin(wallMs.size(), base.wallMs.size()); ++i)
            ratios.append(wallMs.at(i) / base.wallMs.at(i));
        return median(ratios);
    }
    QString describe() const {
        return QStringLiteral("%1 ms (min %2, process-reported %3 ms), VmRSS %4 MiB")
            .arg(median(wallMs), 0, 'f', 0)
            .arg(*std::min_element(wallMs.cbegin(), wallMs.cend()), 0, 'f', 0)
            .arg(median(selfMs))
            .arg(mib(median(residentKiB)), 0, 'f', 1);
    }
};
} // namespace

int main(int argc, char *argv[]) {
    // The swipe run below is the client inside this process, so it allocates as the client does.
    AllocatorSettings::returnLargeBlocksOnFree();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication app(argc, argv);
    QCommandLineParser options;
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("starts of each"),
                                  QStringLiteral("N"), QStringLiteral("5"));
    // The demo crowd's photos are few and small; real people's are up to six of the largest
    // size, which is what a card's memory is made of.
    const QCommandLineOption fullSizePhotos(QStringLiteral("full-size-photos"),
                                            QStringLiteral("six 1200 × 1600 photos a person"));
    options.addOption(runs);
    options.addOption(fullSizePhotos);
    options.process(app);

    QStringList serviceArguments{QStringLiteral("--seed-demo"), QString::number(kDemoPeople),
                                 QStringLiteral("--near"), kCrowd, QStringLiteral("--serve")};
    if (options.isSet(fullSizePhotos))
        serviceArguments << QStringLiteral("--full-size-photos");
    ServiceProcess service(serviceArguments);
    if (!service.start(300000)) {
        print(QStringLiteral("The service did not start: ") + service.output());
        return 1;
    }
    print(QStringLiteral("Service on %1 with %2 demo people around %3, %4")
              .arg(service.baseUrl())
              .arg(kDemoPeople)
              .arg(kCrowd, options.isSet(fullSizePhotos)
                               ? QStringLiteral("six 1200 × 1600 photos each")
                               : QStringLiteral("one to three 600 × 800 photos each")));

    const std::optional<User> record = reviewersRecord(service.baseUrl());
    if (!record) {
        print(QStringLiteral("The service did not answer the reviewers' record"));
        return 1;
    }
    QTemporaryDir homes;
    // The offscreen platform's one screen is 800 × 600 unless told otherwise, and the client
    // keeps its window on the screen.
    const QString wideScreen = homes.filePath(QStringLiteral("screen.json"));
    QFile screenFile(wideScreen);
    if (!screenFile.open(QIODevice::WriteOnly) ||
        screenFile.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920,
            "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0) {
        print(QStringLiteral("Cannot write ") + wideScreen);
        return 1;
    }
    screenFile.close();
    Series returning;
    Series medium;
    Series wide;
    Series restored;
    Series reviewCode;
    Series window;
    Series windowWithText;
    const int count = qMax(1, options.value(runs).toInt());
    for (int i = 0; i < count; ++i) {
        const QString home = homes.filePath(QStringLiteral("%1-").arg(i));
        if (!prepareReturningUser(home + u'r', *record) ||
            !prepareReturningUser(home + u's', *record) ||
            !prepareReturningUser(home + u'm', *record, {1000, 800}) ||
            !prepareReturningUser(home + u'l', *record, {1920, 1080})) {
            print(QStringLiteral("Cannot prepare a session under ") + homes.path());
            return 1;
        }
        const auto clientEnvironment = [&service](const QString &path) {
            QProcessEnvironment env = childEnvironment(path);
            env.insert(QStringLiteral("ZIREL_BASE_URL"), service.baseUrl());
            env.insert(QStringLiteral("ZIREL_POSITION"), kCrowd);
            env.insert(QStringLiteral("ZIREL_EXIT_AFTER_FIRST_CARDS"), QStringLiteral("1"));
            return env;
        };
        const auto onWideScreen = [&](const QString &path) {
            QProcessEnvironment env = clientEnvironment(path);
            env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + wideScreen);
            return env;
        };
        // The returning user's last start, which leaves what a start keeps for the next.
        ChildStart lastStarts[] = {
            {QStringLiteral(ZIREL_CLIENT_BINARY), {}, clientEnvironment(home + u'r')},
            {QStringLiteral(ZIREL_CLIENT_BINARY), {}, onWideScreen(home + u'm')},
            {QStringLiteral(ZIREL_CLIENT_BINARY), {}, onWideScreen(home + u'l')}};
        for (ChildStart &lastStart : lastStarts) {
            if (!lastStart.run()) {
                print(lastStart.error());
                return 1;
            }
        }
        ChildStart starts[] = {
            {QStringLiteral(ZIREL_MINIMAL_WINDOW_BINARY), {}, childEnvironment(home + u'w')},
            {QStringLiteral(ZIREL_MINIMAL_WINDOW_BINARY),
             {QStringLiteral("--text")},
             childEnvironment(home + u't')},
            {QStringLiteral(ZIREL_CLIENT_BINARY), {}, clientEnvironment(home + u'r')},
            {QStringLiteral(ZIREL_CLIENT_BINARY), {}, clientEnvironment(home + u's')},
            {QStringLiteral(ZIREL_CLIENT_BINARY),
             {QStringLiteral("--review-code"), QStringLiteral(ZIREL_BUILD_REVIEW_CODE)},
             clientEnvironment(home + u'f')},
            {QStringLiteral(ZIREL_CLIENT_BINARY), {}, onWideScreen(home + u'm')},
            {QStringLiteral(ZIREL_CLIENT_BINARY), {}, onWideScreen(home + u'l')}};
        Series *series[] = {&window,     &windowWithText, &returning, &restored,
                            &reviewCode, &medium,         &wide};
        for (int k = 0; k < 7; ++k) {
            const auto figures = starts[k].run();
            if (!figures) {
                print(starts[k].error());
                return 1;
            }
            series[k]->add(*figures);
        }
    }
    const double base = Series::median(window.wallMs);
    print(
        QStringLiteral("Start-up to the first frame, median of %1 starts from spawn:").arg(count));
    print(QStringLiteral("  minimal Qt Quick window:            ") + window.describe());
    print(QStringLiteral("  client, returning user, with cards: ") + returning.describe() +
          QStringLiteral(", ratio %1").arg(Series::median(returning.wallMs) / base, 0, 'f', 2));
    print(QStringLiteral("  the same, without its caches:       ") + restored.describe() +
          QStringLiteral(", ratio %1").arg(Series::median(restored.wallMs) / base, 0, 'f', 2));
    print(QStringLiteral("  client, review code, with cards:    ") + reviewCode.describe() +
          QStringLiteral(", ratio %1").arg(Series::median(reviewCode.wallMs) / base, 0, 'f', 2));
    print(QStringLiteral("  (target: returning user at most 2.5)"));
    print(QStringLiteral(
              "  median of the ratios within each round: returning user %1 (no caches %2), "
              "review code %3")
              .arg(returning.medianRatioTo(window), 0, 'f', 2)
              .arg(restored.medianRatioTo(window), 0, 'f', 2)
              .arg(reviewCode.medianRatioTo(window), 0, 'f', 2));
    print(QStringLiteral("  returning user, 1000 × 800 window:  ") + medium.describe());
    print(QStringLiteral("  returning user, 1920 × 1080 window: ") + wide.describe() +
          QStringLiteral(", ratio to 1000 × 800 %1 (within each round %2; target at most 1.10)")
              .arg(Series::median(wide.wallMs) / Series::median(medium.wallMs), 0, 'f', 2)
              .arg(wide.medianRatioTo(medium), 0, 'f', 2));
    const double textBase = Series::median(windowWithText.wallMs);
    print(QStringLiteral("  minimal window, one line of text:   ") + windowWithText.describe());
    print(QStringLiteral("  returning user against it: ratio %1; review code: ratio %2")
              .arg(Series::median(returning.wallMs) / textBase, 0, 'f', 2)
              .arg(Series::median(reviewCode.wallMs) / textBase, 0, 'f', 2));

    SwipeRun swipeRun(service.baseUrl());
    std::optional<SwipeRun::Figures> memory;
    {
        StdoutCapture quiet; // the client's diagnostic lines
        memory = swipeRun.run(kSwipes, kMemoryStep);
    }
    if (!memory) {
        print(QStringLiteral("Swipe run failed: ") + swipeRun.error());
        return 1;
    }
    const qint64 growth = memory->residentAfterKiB - memory->residentAtCardsKiB;
    print(QStringLiteral("Client in this process, %1 swipes in %2 s:")
              .arg(memory->swipes)
              .arg(memory->swipesMs / 1000, 0, 'f', 1));
    // The target was set for the demo crowd; full-size photos are there to be compared with
    // earlier runs of their own.
    print(
        QStringLiteral("  VmRSS at first cards %1 MiB, after the swipes %2 MiB: growth %3 MiB%4")
            .arg(mib(memory->residentAtCardsKiB), 0, 'f', 1)
            .arg(mib(memory->residentAfterKiB), 0, 'f', 1)
            .arg(mib(growth), 0, 'f', 1)
            .arg(options.isSet(fullSizePhotos) ? QString() : QStringLiteral(" (target below 20)")));
    QStringList curve;
    for (int k = 0; k < memory->residentEveryStepKiB.size(); ++k)
        curve.append(QStringLiteral("%1: %2")
                         .arg(k * memory->step)
                         .arg(mib(memory->residentEveryStepKiB.at(k)), 0, 'f', 1));
    print(QStringLiteral("  VmRSS in MiB before swipe ") + curve.join(QStringLiteral(", ")));
    print(QStringLiteral("  after malloc_trim %1 MiB: growth %2 MiB still in use")
              .arg(mib(memory->residentTrimmedKiB), 0, 'f', 1)
              .arg(mib(memory->residentTrimmedKiB - memory->residentAtCardsKiB), 0, 'f', 1));
    return 0;
}
