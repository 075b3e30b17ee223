// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Load benchmark of zirel-service on SQLite and on PostgreSQL. For each database a crowd is
// seeded, the service runs as a separate process, and this process drives it over loopback:
//  - baseline: 20 clients asking for their own record (GET user), the cheapest signed-in call;
//  - mixed: 20 clients each cycling fetchProfiles, a swipe and sendMessage, at 10 000 people;
//  - fetchProfiles one call at a time for a viewer in the crowd, for one far from it (at the
//    crowd's latitude, 40 degrees east, 100 km radius) and for one in the crowd who has swiped
//    the 1 000 people nearest, at 10 000 and at 100 000 people.
// Every figure is also printed as a ratio to that database's baseline from the same run,
// which says more than the figure itself on a machine shared with other work.
// `--reference SERVICE` names another build of the service (one from before a change, say): the
// mixed load then also runs on it and on this build again, and their rates and the processor
// time the service spends per call are compared.
#include "BenchService.h"
#include "DemoSeeder.h"
#include "EnvelopeKeyStore.h"
#include "MixedLoad.h"
#include "PostgresCluster.h"
#include "ServiceContext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

using namespace MixedLoad;

constexpr qint64 kBaselineMs = 4000;
constexpr size_t kViewerCalls = 300;
const QStringList kMixedCalls{QStringLiteral("fetchProfiles"), QStringLiteral("swipes"),
                              QStringLiteral("sendMessage")};

// A viewer in the middle of the crowd who has passed on the `count` people nearest.
QString swipedNearest(ServiceContext &ctx, int count) {
    const QString id = registered(ctx, kLat, kLon, true, 25);
    QSqlQuery nearest = ctx.db.exec(QStringLiteral("SELECT id FROM users WHERE is_demo = 1 "
                                                   "ORDER BY ABS(lat - ?) + ABS(lon - ?) LIMIT ?"),
                                    {kLat, kLon, count});
    QStringList ids;
    while (nearest.next())
        ids.append(nearest.value(0).toString());
    for (const QString &other : ids)
        (void)ctx.matches.swipe(id, other, QStringLiteral("left"), {});
    return id;
}

class Report {
public:
    explicit Report(QTextStream &out)
        : m_out(out) {}

    void header(const QString &title) {
        m_out << '\n'
              << title << '\n'
              << "  " << qSetFieldWidth(34) << Qt::left << "call" << qSetFieldWidth(0) << Qt::right
              << "  count failed   req/s  p50 ms  p99 ms | x req/s   x p50   x p99\n";
    }
    void baseline(Samples &s) {
        m_rate = s.rate();
        m_p50 = s.percentile(0.5);
        m_p99 = s.percentile(0.99);
    }
    void line(const QString &name, Samples &s, bool rate = true) {
        const double p50 = s.percentile(0.5);
        const double p99 = s.percentile(0.99);
        const auto num = [](double v, int width, int decimals) {
            return QString::number(v, 'f', decimals).rightJustified(width);
        };
        m_out << "  " << qSetFieldWidth(34) << Qt::left << name << qSetFieldWidth(0) << Qt::right
              << num(double(s.ms.size()), 7, 0) << num(s.failed, 7, 0)
              << (rate ? num(s.rate(), 8, 0) : QStringLiteral("       -")) << num(p50, 8, 2)
              << num(p99, 8, 2) << " |"
              << (rate ? num(s.rate() / m_rate, 8, 2) : QStringLiteral("       -"))
              << num(p50 / m_p50, 8, 2) << num(p99 / m_p99, 8, 2) << '\n';
        m_out.flush();
    }

private:
    QTextStream &m_out;
    double m_rate = 1;
    double m_p50 = 1;
    double m_p99 = 1;
};

Samples oneAtATime(quint16 port, const QByteArray &token) {
    return drive(
               port, 1, 600000, kViewerCalls, [](int) { return QStringLiteral("call"); },
               [&token](int, LoadClient &c, const LoadClient::Done &done) {
                   c.send("GET", "fetchProfiles", token, {}, done);
               })
        .at(QStringLiteral("call"));
}

bool runOn(const QString &title, const QString &location, const QString &servicePath,
           const QString &referencePath, QTextStream &out) {
    std::vector<BenchUser> users;
    QByteArray central, far, swiper;
    {
        ServiceOptions options;
        QString error;
        Database db(location);
        if (!options.parse({QStringLiteral("bench")}, &error) || !db.open(&error)) {
            out << "Cannot prepare the database: " << error << Qt::endl;
            return false;
        }
        ServiceContext ctx(options, db);
        QElapsedTimer seeding;
        seeding.start();
        DemoSeeder(ctx).seed(10000, kLat, kLon, 30, DemoPhotos::None);
        (void)EnvelopeKeyStore(db).generateIfMissing();
        users = prepare(ctx);
        central = ctx.tokens.issue(registered(ctx, kLat, kLon, true, 25)).toUtf8();
        far = ctx.tokens.issue(registered(ctx, kLat, kLon + 40, true, 100)).toUtf8();
        swiper = ctx.tokens.issue(swipedNearest(ctx, 1000)).toUtf8();
        out << title << ": seeded 10 000 people in " << seeding.elapsed() << " ms" << Qt::endl;
    }
    Report report(out);
    std::map<QString, Samples> baseline, mixed;
    Samples central10k, far10k, swiper10k;
    {
        BenchService service;
        if (!service.start(servicePath, location))
            return false;
        baseline = drive(
            service.port(), kClients, kBaselineMs, SIZE_MAX,
            [](int) { return QStringLiteral("user"); },
            [&users](int client, LoadClient &c, const LoadClient::Done &done) {
                c.send("GET", "user", users[size_t(client)].token, {}, done);
            });
        mixed = MixedLoad::run(service.port(), users);
        central10k = oneAtATime(service.port(), central);
        far10k = oneAtATime(service.port(), far);
        swiper10k = oneAtATime(service.port(), swiper);
    }
    // The same mixed load on the reference build and on this one again, in the order reference,
    // this, this, reference, this, reference, reference, this: the database grows with every run,
    // and each build gets the same share of early and late runs. Besides the rates, the
    // service's own processor time per answered call is compared: the rates move with whatever
    // else the machine runs, the processor time a call costs much less.
    std::map<QString, Samples> referenceMixed, againMixed;
    double referenceCpu = 0, againCpu = 0;
    for (int turn = 0; !referencePath.isEmpty() && turn < 8; ++turn) {
        const bool reference = QByteArray("rttrtrrt").at(turn) == 'r';
        BenchService service;
        if (!service.start(reference ? referencePath : servicePath, location))
            return false;
        const double cpuBefore = service.cpuSeconds();
        std::map<QString, Samples> run = MixedLoad::run(service.port(), users);
        (reference ? referenceCpu : againCpu) += service.cpuSeconds() - cpuBefore;
        for (auto &[name, s] : run)
            (reference ? referenceMixed : againMixed)[name].merge(s);
    }
    report.header(title + QStringLiteral(", 10 000 people, 20 clients"));
    report.baseline(baseline[QStringLiteral("user")]);
    report.line(QStringLiteral("baseline: GET user"), baseline[QStringLiteral("user")]);
    report.line(QStringLiteral("mixed, all calls"), mixed[QStringLiteral("all")]);
    for (const QString &call : kMixedCalls)
        report.line(QStringLiteral("  ") + call, mixed[call]);
    if (!referencePath.isEmpty()) {
        Samples &reference = referenceMixed[QStringLiteral("all")];
        Samples &again = againMixed[QStringLiteral("all")];
        report.line(QStringLiteral("mixed, reference build"), reference);
        for (const QString &call : kMixedCalls)
            report.line(QStringLiteral("  ") + call, referenceMixed[call]);
        report.line(QStringLiteral("mixed, this build beside it"), again);
        for (const QString &call : kMixedCalls)
            report.line(QStringLiteral("  ") + call, againMixed[call]);
        out << "  this build's mixed req/s over the reference's: "
            << QString::number(again.rate() / std::max(reference.rate(), 1e-9), 'f', 3) << " (p99 "
            << QString::number(again.percentile(0.99) / std::max(reference.percentile(0.99), 1e-9),
                               'f', 3)
            << ")\n";
        const double referencePerCall =
            referenceCpu / double(std::max<size_t>(reference.ms.size(), 1));
        const double againPerCall = againCpu / double(std::max<size_t>(again.ms.size(), 1));
        out << "  service processor time per call: reference "
            << QString::number(referencePerCall * 1e6, 'f', 1) << " us, this build "
            << QString::number(againPerCall * 1e6, 'f', 1) << " us, ratio "
            << QString::number(againPerCall / std::max(referencePerCall, 1e-12), 'f', 3) << '\n';
    }
    report.line(QStringLiteral("fetchProfiles alone, central viewer"), central10k, false);
    report.line(QStringLiteral("fetchProfiles alone, far viewer"), far10k, false);
    report.line(QStringLiteral("  viewer with 1 000 swipes"), swiper10k, false);
    {
        ServiceOptions options;
        QString error;
        Database db(location);
        if (!options.parse({QStringLiteral("bench")}, &error) || !db.open(&error))
            return false;
        ServiceContext ctx(options, db);
        QElapsedTimer seeding;
        seeding.start();
        DemoSeeder(ctx).seed(90000, kLat, kLon, 30, DemoPhotos::None);
        out << "  (seeded 90 000 more people in " << seeding.elapsed() << " ms)\n";
    }
    BenchService service;
    if (!service.start(servicePath, location))
        return false;
    Samples central100k = oneAtATime(service.port(), central);
    Samples far100k = oneAtATime(service.port(), far);
    Samples swiper100k = oneAtATime(service.port(), swiper);
    report.line(QStringLiteral("at 100 000 people, central viewer"), central100k, false);
    report.line(QStringLiteral("at 100 000 people, far viewer"), far100k, false);
    report.line(QStringLiteral("  viewer with 1 000 swipes"), swiper100k, false);
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList arguments = app.arguments().mid(1);
    QString referencePath;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--reference"));
        at >= 0 && at + 1 < arguments.size()) {
        referencePath = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    const QString servicePath =
        arguments.isEmpty() ? QStringLiteral(ZIREL_SERVICE_PATH) : arguments.first();
    QTemporaryDir dir;
    bool ok = runOn(QStringLiteral("SQLite"), dir.filePath(QStringLiteral("bench.sqlite")),
                    servicePath, referencePath, out);
    PostgresCluster cluster;
    if (cluster.error().isEmpty())
        ok = runOn(QStringLiteral("PostgreSQL"), cluster.url(), servicePath, referencePath, out) &&
             ok;
    else
        out << "No PostgreSQL cluster: " << cluster.error() << Qt::endl;
    out << "Targets: mixed >= 1500 req/s with p99 < 50 ms; fetchProfiles p99 < 20 ms at 100 000"
        << Qt::endl;
    return ok && cluster.error().isEmpty() ? 0 : 1;
}
