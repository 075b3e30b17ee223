// Seeds 10 000 people into a temporary database, starts zirel-service on it as a separate
// process and measures fetchProfiles, swipes and chats over loopback HTTP.
#include "DemoSeeder.h"
#include "EnvelopeKeyStore.h"
#include "ServiceContext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <map>

namespace {

constexpr int kPeople = 10000;
constexpr int kBenchUsers = 20;
constexpr int kMatchesEach = 30;
constexpr int kRequestsPerCall = 400;
constexpr qint64 kTimeBudgetMs = 60000;
constexpr double kLat = 55.7558;
constexpr double kLon = 37.6173;

struct BenchUser {
    QString id;
    QString token;
    QStringList queue; // profiles fetched and not yet swiped
};

// Registers the bench users in the middle of the crowd and gives each some matches.
std::vector<BenchUser> prepare(ServiceContext &ctx) {
    std::vector<BenchUser> users;
    QSqlQuery demo = ctx.db.exec(QStringLiteral("SELECT id FROM users WHERE is_demo = 1 LIMIT ?"),
                                 {kBenchUsers * kMatchesEach});
    QStringList partners;
    while (demo.next())
        partners.append(demo.value(0).toString());
    for (int i = 0; i < kBenchUsers; ++i) {
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
        (void)ctx.users.signIn(id, QStringLiteral("bench"), QStringLiteral("{}"));
        (void)ctx.users.completeRegistration(
            id, {{QStringLiteral("name"), QStringLiteral("Бенч")},
                 {QStringLiteral("birthday"), QStringLiteral("01011995")},
                 {QStringLiteral("bio"), QStringLiteral("")},
                 {QStringLiteral("genderInput"),
                  i % 2 ? QStringLiteral("man") : QStringLiteral("woman")},
                 {QStringLiteral("selectedGender"), QStringLiteral("all")}});
        ctx.users.updateGeo(id, kLat + i * 0.01, kLon);
        ctx.users.updateSettings(id, {{QStringLiteral("maxDistance"), 25},
                                      {QStringLiteral("showMore"), false},
                                      {QStringLiteral("selectedGender"), QStringLiteral("all")},
                                      {QStringLiteral("ageStart"), 20},
                                      {QStringLiteral("ageEnd"), 45},
                                      {QStringLiteral("showMoreAge"), false},
                                      {QStringLiteral("active"), true}});
        for (int m = 0; m < kMatchesEach; ++m) {
            const QString partner = partners.value(i * kMatchesEach + m);
            if (partner.isEmpty())
                break;
            (void)ctx.matches.swipe(partner, id, QStringLiteral("right"), {});
            const auto result = ctx.matches.swipe(id, partner, QStringLiteral("right"), {});
            ctx.matches.send(partner, result.chatId, QStringLiteral("Привет!"));
        }
        users.push_back({id, ctx.tokens.issue(id), {}});
    }
    return users;
}

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class Client {
public:
    explicit Client(quint16 port)
        : m_base(QStringLiteral("http://127.0.0.1:%1/").arg(port)) {}

    // Sends one request and waits; returns the body, or nothing on failure.
    std::optional<QByteArray> send(const QString &name, const QByteArray &method,
                                   const QString &path, const QString &token,
                                   const QByteArray &body = {}) {
        QNetworkRequest request(QUrl(m_base + path));
        request.setRawHeader("auth", "bear " + token.toUtf8());
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QByteArrayLiteral("application/json"));
        QElapsedTimer timer;
        timer.start();
        QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const bool ok = reply->isFinished() && reply->error() == QNetworkReply::NoError;
        m_latencies[name].push_back(double(timer.nsecsElapsed()) / 1e6);
        const QByteArray data = reply->readAll();
        reply->deleteLater();
        if (!ok)
            ++m_failures[name];
        return ok ? std::optional<QByteArray>(data) : std::nullopt;
    }

    void report(QTextStream &out, double totalSeconds) {
        out << "call            count  failed   req/s    p50 ms   p99 ms\n";
        for (auto &[name, samples] : m_latencies) {
            std::sort(samples.begin(), samples.end());
            const auto pct = [&](double p) {
                return samples[std::min(samples.size() - 1, size_t(p * double(samples.size())))];
            };
            double sum = 0;
            for (double s : samples)
                sum += s;
            out << qSetFieldWidth(14) << Qt::left << name << qSetFieldWidth(0) << Qt::right
                << qSetFieldWidth(7) << samples.size() << qSetFieldWidth(8) << m_failures[name]
                << qSetFieldWidth(9) << QString::number(1000.0 * samples.size() / sum, 'f', 0)
                << qSetFieldWidth(9) << QString::number(pct(0.5), 'f', 2) << qSetFieldWidth(9)
                << QString::number(pct(0.99), 'f', 2) << qSetFieldWidth(0) << '\n';
        }
        out << "total wall time " << QString::number(totalSeconds, 'f', 1) << " s" << Qt::endl;
    }

private:
    QString m_base;
    QNetworkAccessManager m_network;
    std::map<QString, std::vector<double>> m_latencies;
    std::map<QString, int> m_failures;
};

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString servicePath =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZIREL_SERVICE_PATH);
    QTemporaryDir dir;
    const QString dbPath = dir.filePath(QStringLiteral("bench.sqlite"));
    std::vector<BenchUser> users;
    {
        ServiceOptions options;
        QString error;
        Database db(dbPath);
        if (!options.parse({QStringLiteral("bench")}, &error) || !db.open(&error)) {
            out << "Cannot prepare the database: " << error << Qt::endl;
            return 1;
        }
        ServiceContext ctx(options, db);
        QElapsedTimer seeding;
        seeding.start();
        DemoSeeder(ctx).seed(kPeople, kLat, kLon, 30, false);
        (void)EnvelopeKeyStore(db).generateIfMissing();
        users = prepare(ctx);
        out << "Seeded " << kPeople << " people in " << seeding.elapsed() << " ms" << Qt::endl;
    }

    const quint16 port = freePort();
    QProcess service;
    service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    service.start(servicePath, {QStringLiteral("--database"), dbPath, QStringLiteral("--port"),
                                QString::number(port), QStringLiteral("--no-demo")});
    if (!service.waitForStarted(10000) || !service.waitForReadyRead(10000)) {
        out << "Cannot start " << servicePath << Qt::endl;
        return 1;
    }
    service.readAll();
    // Request log lines are not needed here; drop them so the pipe never fills.
    QObject::connect(&service, &QProcess::readyReadStandardOutput, &service,
                     [&service] { service.readAll(); });

    Client client(port);
    QElapsedTimer wall;
    wall.start();
    for (int i = 0; i < kRequestsPerCall && wall.elapsed() < kTimeBudgetMs; ++i) {
        BenchUser &user = users[size_t(i) % users.size()];
        if (user.queue.isEmpty()) {
            const auto body = client.send(QStringLiteral("fetchProfiles"), "GET",
                                          QStringLiteral("fetchProfiles"), user.token);
            for (const QJsonValue &p : QJsonDocument::fromJson(body.value_or("[]")).array())
                user.queue.append(p.toObject().value(QStringLiteral("userID")).toString());
        }
        if (!user.queue.isEmpty()) {
            const QJsonObject swipe{{QStringLiteral("toUserID"), user.queue.takeFirst()},
                                    {QStringLiteral("swipeType"),
                                     i % 3 ? QStringLiteral("left") : QStringLiteral("right")},
                                    {QStringLiteral("message"), QString()}};
            (void)client.send(QStringLiteral("swipes"), "POST", QStringLiteral("swipes"),
                              user.token, QJsonDocument(swipe).toJson(QJsonDocument::Compact));
        }
        (void)client.send(QStringLiteral("chats"), "GET", QStringLiteral("chats?page=1&perPage=20"),
                          user.token);
        // Keep fetchProfiles sampled as often as the others, not only when a queue runs dry.
        (void)client.send(QStringLiteral("fetchProfiles"), "GET", QStringLiteral("fetchProfiles"),
                          user.token);
    }
    client.report(out, double(wall.elapsed()) / 1000.0);
    service.terminate();
    if (!service.waitForFinished(5000))
        service.kill();
    return 0;
}
