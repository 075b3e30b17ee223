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
#include "DemoSeeder.h"
#include "EnvelopeKeyStore.h"
#include "LoadClient.h"
#include "PostgresCluster.h"
#include "ServiceContext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUuid>

#include <algorithm>
#include <map>
#include <unistd.h>

namespace {

constexpr int kClients = 20;
constexpr int kMatchesEach = 30;
constexpr double kLat = 55.7558;
constexpr double kLon = 37.6173;
constexpr qint64 kBaselineMs = 4000;
constexpr qint64 kMixedMs = 8000;
constexpr size_t kViewerCalls = 300;
const QStringList kMixedCalls{QStringLiteral("fetchProfiles"), QStringLiteral("swipes"),
                              QStringLiteral("sendMessage")};

QString newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

struct Samples {
    std::vector<double> ms;
    int failed = 0;
    double seconds = 0;

    void add(int status, double latency) {
        ms.push_back(latency);
        if (status != 200)
            ++failed;
    }
    void merge(const Samples &other) {
        ms.insert(ms.end(), other.ms.begin(), other.ms.end());
        failed += other.failed;
        seconds += other.seconds;
    }
    [[nodiscard]] double rate() const { return seconds > 0 ? double(ms.size()) / seconds : 0; }
    [[nodiscard]] double percentile(double p) {
        if (ms.empty())
            return 0;
        std::sort(ms.begin(), ms.end());
        return ms[std::min(ms.size() - 1, size_t(p * double(ms.size())))];
    }
};

struct BenchUser {
    QByteArray token;
    QStringList chats;
    QStringList queue; // profiles fetched and not yet swiped
    int step = 0;
};

// A registered person at a place, with the feed settings of a typical user.
QString registered(ServiceContext &ctx, double lat, double lon, bool man, int maxDistance) {
    const QString id = newId();
    (void)ctx.users.signIn(id, QStringLiteral("bench"), {}, QStringLiteral("{}"));
    (void)ctx.users.completeRegistration(
        id, {{QStringLiteral("name"), QStringLiteral("Бенч")},
             {QStringLiteral("birthday"), QStringLiteral("01011995")},
             {QStringLiteral("bio"), QStringLiteral("")},
             {QStringLiteral("genderInput"), man ? QStringLiteral("man") : QStringLiteral("woman")},
             {QStringLiteral("selectedGender"), QStringLiteral("all")}});
    ctx.users.updateGeo(id, lat, lon);
    ctx.users.updateSettings(id, {{QStringLiteral("maxDistance"), maxDistance},
                                  {QStringLiteral("showMore"), false},
                                  {QStringLiteral("selectedGender"), QStringLiteral("all")},
                                  {QStringLiteral("ageStart"), 20},
                                  {QStringLiteral("ageEnd"), 45},
                                  {QStringLiteral("showMoreAge"), false},
                                  {QStringLiteral("active"), true}});
    return id;
}

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

// The bench users in the middle of the crowd, each with some matches and a chat in each.
std::vector<BenchUser> prepare(ServiceContext &ctx) {
    std::vector<BenchUser> users;
    QSqlQuery demo = ctx.db.exec(QStringLiteral("SELECT id FROM users WHERE is_demo = 1 LIMIT ?"),
                                 {kClients * kMatchesEach});
    QStringList partners;
    while (demo.next())
        partners.append(demo.value(0).toString());
    for (int i = 0; i < kClients; ++i) {
        const QString id = registered(ctx, kLat + i * 0.01, kLon, i % 2, 25);
        BenchUser user{ctx.tokens.issue(id).toUtf8(), {}, {}, 0};
        for (int m = 0; m < kMatchesEach && i * kMatchesEach + m < partners.size(); ++m) {
            const QString partner = partners.at(i * kMatchesEach + m);
            (void)ctx.matches.swipe(partner, id, QStringLiteral("right"), {});
            user.chats.append(ctx.matches.swipe(id, partner, QStringLiteral("right"), {}).chatId);
        }
        users.push_back(std::move(user));
    }
    return users;
}

// Keeps `clients` connections busy for `ms` or `calls` answers, each sending what `next` says
// after every answer.
using Next = std::function<void(int client, LoadClient &connection, const LoadClient::Done &done)>;
std::map<QString, Samples> drive(quint16 port, int clients, qint64 ms, size_t calls,
                                 const std::function<QString(int client)> &kind, const Next &next) {
    std::map<QString, Samples> samples;
    std::vector<std::unique_ptr<LoadClient>> connections;
    QElapsedTimer wall;
    wall.start();
    int running = clients;
    QEventLoop loop;
    std::function<void(int)> go = [&](int client) {
        if (wall.elapsed() >= ms || samples[QStringLiteral("all")].ms.size() >= calls) {
            if (--running == 0)
                loop.quit();
            return;
        }
        const QString name = kind(client);
        next(client, *connections[size_t(client)],
             [&, client, name](int status, const QByteArray &, double latency) {
                 samples[name].add(status, latency);
                 samples[QStringLiteral("all")].add(status, latency);
                 go(client);
             });
    };
    for (int c = 0; c < clients; ++c)
        connections.push_back(std::make_unique<LoadClient>(port));
    for (int c = 0; c < clients; ++c)
        go(c);
    loop.exec();
    for (auto &[name, s] : samples)
        s.seconds = double(wall.elapsed()) / 1000.0;
    return samples;
}

class Service {
public:
    bool start(const QString &path, const QString &database) {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(path, {QStringLiteral("--database"), database, QStringLiteral("--port"),
                               QStringLiteral("0"), QStringLiteral("--no-demo")});
        static const QRegularExpression announced(QStringLiteral("listening on [^\\s]*:(\\d+)"));
        QByteArray output;
        while (m_process.waitForReadyRead(20000)) {
            output += m_process.readAll();
            const QRegularExpressionMatch match = announced.match(QString::fromUtf8(output));
            if (match.hasMatch()) {
                m_port = match.captured(1).toUShort();
                // Request log lines are not needed here; drop them so the pipe never fills.
                QObject::connect(&m_process, &QProcess::readyRead, &m_process,
                                 [this] { m_process.readAll(); });
                return true;
            }
        }
        QTextStream(stdout) << "Cannot start the service: " << output << Qt::endl;
        return false;
    }
    ~Service() {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    [[nodiscard]] quint16 port() const { return m_port; }
    // Processor time the service has used so far, user and system, from the kernel's account
    // of the process: unlike a rate, it hardly moves with what else the machine is doing.
    [[nodiscard]] double cpuSeconds() const {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(m_process.processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray line = stat.readAll();
        // The fields after the command name, which is in parentheses and may hold spaces:
        // state is the first, user time the twelfth, system time the thirteenth.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            return 0;
        return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) /
               double(sysconf(_SC_CLK_TCK));
    }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

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

// 20 clients each cycling fetchProfiles, a swipe and sendMessage.
std::map<QString, Samples> mixedLoad(quint16 port, std::vector<BenchUser> &users) {
    return drive(
        port, kClients, kMixedMs, SIZE_MAX,
        [&users](int client) {
            const BenchUser &u = users[size_t(client)];
            switch (u.step % 3) {
            case 0:
                return QStringLiteral("fetchProfiles");
            case 1:
                return u.queue.isEmpty() ? QStringLiteral("fetchProfiles")
                                         : QStringLiteral("swipes");
            default:
                return QStringLiteral("sendMessage");
            }
        },
        [&users](int client, LoadClient &c, const LoadClient::Done &done) {
            BenchUser &u = users[size_t(client)];
            const int step = u.step++ % 3;
            if (step == 2) {
                const QJsonObject message{
                    {QStringLiteral("chatID"), u.chats.at(u.step % u.chats.size())},
                    {QStringLiteral("content"), QStringLiteral("Привет, как дела?")},
                    {QStringLiteral("clientMessageID"), newId()}};
                c.send("POST", "sendMessage", u.token,
                       QJsonDocument(message).toJson(QJsonDocument::Compact), done);
            } else if (step == 1 && !u.queue.isEmpty()) {
                const QJsonObject swipe{
                    {QStringLiteral("toUserID"), u.queue.takeFirst()},
                    {QStringLiteral("swipeType"),
                     u.step % 2 ? QStringLiteral("left") : QStringLiteral("right")},
                    {QStringLiteral("message"), QString()}};
                c.send("POST", "swipes", u.token,
                       QJsonDocument(swipe).toJson(QJsonDocument::Compact), done);
            } else {
                c.send("GET", "fetchProfiles", u.token, {},
                       [&u, done](int status, const QByteArray &body, double ms) {
                           u.queue.clear();
                           for (const QJsonValue &p : QJsonDocument::fromJson(body).array())
                               u.queue.append(
                                   p.toObject().value(QStringLiteral("userID")).toString());
                           done(status, body, ms);
                       });
            }
        });
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
        Service service;
        if (!service.start(servicePath, location))
            return false;
        baseline = drive(
            service.port(), kClients, kBaselineMs, SIZE_MAX,
            [](int) { return QStringLiteral("user"); },
            [&users](int client, LoadClient &c, const LoadClient::Done &done) {
                c.send("GET", "user", users[size_t(client)].token, {}, done);
            });
        mixed = mixedLoad(service.port(), users);
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
        Service service;
        if (!service.start(reference ? referencePath : servicePath, location))
            return false;
        const double cpuBefore = service.cpuSeconds();
        std::map<QString, Samples> run = mixedLoad(service.port(), users);
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
    Service service;
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
