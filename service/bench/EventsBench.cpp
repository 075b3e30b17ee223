// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Live events of zirel-service, on SQLite and on two processes sharing one PostgreSQL:
//  - delivery: 1 000 people hold an event channel each while the mixed load runs and their
//    partners write to them; the time from a sendMessage answer to the partner's event. Beside
//    it, in the same run, the same with polling as a client without the channel polls (every
//    2 s), from the answer to the poll that brings the message;
//  - idle cost (SQLite): 5 000 open channels, the memory the service holds for each and the
//    processor time it spends on them over a ping round.
// Figures are ratios too: event delivery against poll delivery of the same run.
#include "BenchService.h"
#include "DemoSeeder.h"
#include "EnvelopeKeyStore.h"
#include "MixedLoad.h"
#include "PostgresCluster.h"
#include "ServiceContext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWebSocket>

#include <sys/resource.h>

#include <memory>

namespace {

using namespace MixedLoad;

constexpr int kPairs = 1000;
constexpr int kPollers = 100;
constexpr int kChannelsEach = 5;
constexpr int kPollMs = 2000;
constexpr int kSafetyPollMs = 60000;
constexpr int kSendPauseMs = 20;
constexpr int kIdleMs = 31000;

QElapsedTimer s_clock;

double nowMs() {
    return double(s_clock.nsecsElapsed()) / 1e6;
}

struct Pair {
    QByteArray senderToken;
    QByteArray receiverToken;
    QString chatId;
};

struct Prepared {
    std::vector<BenchUser> users;
    std::vector<Pair> pairs;
};

Prepared prepareDatabase(const QString &location, QTextStream &out) {
    ServiceOptions options;
    QString error;
    Database db(location);
    if (!options.parse({QStringLiteral("bench")}, &error) || !db.open(&error)) {
        out << "Cannot prepare the database: " << error << Qt::endl;
        return {};
    }
    ServiceContext ctx(options, db);
    DemoSeeder(ctx).seed(10000, kLat, kLon, 30, DemoPhotos::None);
    (void)EnvelopeKeyStore(db).generateIfMissing();
    Prepared prepared{prepare(ctx), {}};
    for (int i = 0; i < kPairs; ++i) {
        // Far from the crowd, so the mixed load's feeds never meet them.
        const QString sender = registered(ctx, -40, i * 0.01, true, 5);
        const QString receiver = registered(ctx, -40, i * 0.01, false, 5);
        (void)ctx.matches.swipe(sender, receiver, QStringLiteral("right"), {});
        const QString chat =
            ctx.matches.swipe(receiver, sender, QStringLiteral("right"), {}).chatId;
        prepared.pairs.push_back(
            {ctx.tokens.issue(sender).toUtf8(), ctx.tokens.issue(receiver).toUtf8(), chat});
    }
    return prepared;
}

// Event channels held by this process, noting when each message's event came.
class Channels {
public:
    bool open(quint16 port, const std::vector<Pair> &pairs, int each) {
        for (int round = 0; round < each; ++round) {
            for (size_t i = 0; i < pairs.size(); ++i) {
                auto socket = std::make_unique<QWebSocket>();
                QObject::connect(socket.get(), &QWebSocket::textMessageReceived, socket.get(),
                                 [this](const QString &text) {
                                     const QJsonObject event =
                                         QJsonDocument::fromJson(text.toUtf8()).object();
                                     const QString id = event.value("messageID").toString();
                                     if (!id.isEmpty() && !arrived.contains(id))
                                         arrived.insert(id, nowMs());
                                 });
                QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/events").arg(port)));
                request.setRawHeader("auth", "bear " + pairs[i].receiverToken);
                socket->open(request);
                m_sockets.push_back(std::move(socket));
                // A few hundred handshakes at a time, as reconnecting clients would come.
                if (m_sockets.size() % 250 == 0 && !waitConnected())
                    return false;
            }
        }
        return waitConnected();
    }
    void close() { m_sockets.clear(); }
    [[nodiscard]] size_t size() const { return m_sockets.size(); }
    [[nodiscard]] size_t connected() const {
        return size_t(std::count_if(m_sockets.begin(), m_sockets.end(), [](const auto &s) {
            return s->state() == QAbstractSocket::ConnectedState;
        }));
    }

    QHash<QString, double> arrived;

private:
    bool waitConnected() {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000) {
            const bool all = std::all_of(m_sockets.begin(), m_sockets.end(), [](const auto &s) {
                return s->state() == QAbstractSocket::ConnectedState;
            });
            if (all)
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        return false;
    }

    std::vector<std::unique_ptr<QWebSocket>> m_sockets;
};

// Partners writing one message after another, each noting when its answer came.
class Writers {
public:
    Writers(quint16 port, const std::vector<Pair> &pairs, size_t count)
        : m_client(port)
        , m_pairs(pairs)
        , m_count(count) {
        m_pause.setSingleShot(true);
        QObject::connect(&m_pause, &QTimer::timeout, [this] { next(); });
    }
    void start() { next(); }
    void stop() { m_stopped = true; }

    // Message id to the pair it went to, when it was sent and when its answer came.
    struct Sent {
        size_t pair;
        double sentMs;
        double answeredMs;
    };
    QHash<QString, Sent> sent;

private:
    void next() {
        if (m_stopped)
            return;
        const size_t pair = m_turn++ % m_count;
        const QJsonObject message{{QStringLiteral("chatID"), m_pairs[pair].chatId},
                                  {QStringLiteral("content"), QStringLiteral("Привет")},
                                  {QStringLiteral("clientMessageID"), newId()}};
        const double sentMs = nowMs();
        m_client.send("POST", "sendMessage", m_pairs[pair].senderToken,
                      QJsonDocument(message).toJson(QJsonDocument::Compact),
                      [this, pair, sentMs](int status, const QByteArray &body, double) {
                          if (status == 200)
                              sent.insert(
                                  QJsonDocument::fromJson(body).object().value("id").toString(),
                                  {pair, sentMs, nowMs()});
                          m_pause.start(kSendPauseMs);
                      });
    }

    LoadClient m_client;
    const std::vector<Pair> &m_pairs;
    size_t m_count;
    size_t m_turn = 0;
    bool m_stopped = false;
    QTimer m_pause;
};

// Receivers without a channel, asking for newer messages every 2 s as the client does.
class Pollers {
public:
    Pollers(quint16 port, const std::vector<Pair> &pairs, size_t count)
        : m_pairs(pairs)
        , m_since(QDateTime::currentDateTimeUtc().addSecs(-1).toString(Qt::ISODate)) {
        for (size_t i = 0; i < count; ++i) {
            m_clients.push_back(std::make_unique<LoadClient>(port));
            auto timer = std::make_unique<QTimer>();
            QObject::connect(timer.get(), &QTimer::timeout, [this, i] { poll(i); });
            // Spread over the interval, as clients opened at different times are.
            timer->start(kPollMs);
            QTimer::singleShot(int(i * kPollMs / count), [this, i] { poll(i); });
            m_timers.push_back(std::move(timer));
        }
    }

    QHash<QString, double> arrived;
    int requests = 0;

private:
    void poll(size_t i) {
        ++requests;
        const QByteArray path =
            "chats/" + m_pairs[i].chatId.toLatin1() + "/messages/newer?after=" + m_since.toLatin1();
        m_clients[i]->send("GET", path, m_pairs[i].receiverToken, {},
                           [this](int status, const QByteArray &body, double) {
                               if (status != 200)
                                   return;
                               const double now = nowMs();
                               for (const QJsonValue &m : QJsonDocument::fromJson(body).array()) {
                                   const QString id = m.toObject().value("id").toString();
                                   if (!arrived.contains(id))
                                       arrived.insert(id, now);
                               }
                           });
    }

    const std::vector<Pair> &m_pairs;
    QString m_since;
    std::vector<std::unique_ptr<LoadClient>> m_clients;
    std::vector<std::unique_ptr<QTimer>> m_timers;
};

// The delivery times of what was sent, from its answer to its arrival (a message whose event
// came before the sender read its answer counts as 0), or from the call.
Samples delivery(const QHash<QString, Writers::Sent> &sent, const QHash<QString, double> &arrived,
                 bool fromCall = false) {
    Samples samples;
    for (auto it = sent.cbegin(); it != sent.cend(); ++it) {
        const auto came = arrived.constFind(it.key());
        if (came == arrived.cend())
            ++samples.failed;
        else
            samples.ms.push_back(std::max(0.0, *came - (fromCall ? it->sentMs : it->answeredMs)));
    }
    return samples;
}

QString figures(Samples &s) {
    return QStringLiteral("p50 %1 ms, p99 %2 ms (%3 messages, %4 not delivered)")
        .arg(s.percentile(0.5), 0, 'f', 2)
        .arg(s.percentile(0.99), 0, 'f', 2)
        .arg(s.ms.size())
        .arg(s.failed);
}

// Runs the mixed load while partners write; the load's figures say what the channels cost.
void writeDuringLoad(Writers &writers, quint16 port, std::vector<BenchUser> &users,
                     QTextStream &out) {
    writers.start();
    std::map<QString, Samples> mixed = MixedLoad::run(port, users);
    writers.stop();
    // What is still on its way.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < kPollMs + 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    Samples &all = mixed[QStringLiteral("all")];
    out << "    mixed load beside it: " << QString::number(all.rate(), 'f', 0) << " req/s, p99 "
        << QString::number(all.percentile(0.99), 'f', 2) << " ms\n";
}

bool measureIdle(BenchService &service, std::vector<Pair> &pairs, QTextStream &out);

bool runOn(const QString &title, const QString &location, bool twoProcesses, bool idle,
           bool onlyIdle, QTextStream &out) {
    QElapsedTimer preparing;
    preparing.start();
    Prepared prepared = prepareDatabase(location, out);
    if (prepared.pairs.empty())
        return false;
    out << '\n'
        << title << ": prepared 10 000 people and " << kPairs << " pairs in " << preparing.elapsed()
        << " ms" << Qt::endl;
    const QStringList extra{QStringLiteral("--connections-per-address"), QStringLiteral("100000")};
    BenchService writing;
    BenchService holding;
    if (!writing.start(QStringLiteral(ZIREL_SERVICE_PATH), location, extra) ||
        (twoProcesses && !holding.start(QStringLiteral(ZIREL_SERVICE_PATH), location, extra)))
        return false;
    if (onlyIdle)
        return measureIdle(writing, prepared.pairs, out);
    const quint16 channelPort = twoProcesses ? holding.port() : writing.port();
    if (twoProcesses)
        out << "  channels on one process, writes and the mixed load on the other\n";

    Channels channels;
    if (!channels.open(channelPort, prepared.pairs, 1)) {
        out << "  the channels did not all open\n";
        return false;
    }
    Writers eventWriters(writing.port(), prepared.pairs, prepared.pairs.size());
    out << "  " << channels.size() << " channels open, event delivery:\n";
    writeDuringLoad(eventWriters, writing.port(), prepared.users, out);
    Samples events = delivery(eventWriters.sent, channels.arrived);
    Samples eventsFromCall = delivery(eventWriters.sent, channels.arrived, true);
    out << "    from the answer: " << figures(events)
        << "\n    from the call:   " << figures(eventsFromCall) << Qt::endl;
    channels.close();

    Samples polls, pollsFromCall;
    {
        // Gone before the idle channels are measured.
        Pollers pollers(writing.port(), prepared.pairs, kPollers);
        Writers pollWriters(writing.port(), prepared.pairs, kPollers);
        out << "  " << kPollers << " conversations polling every " << kPollMs << " ms instead:\n";
        writeDuringLoad(pollWriters, writing.port(), prepared.users, out);
        polls = delivery(pollWriters.sent, pollers.arrived);
        pollsFromCall = delivery(pollWriters.sent, pollers.arrived, true);
    }
    out << "    from the answer: " << figures(polls)
        << "\n    from the call:   " << figures(pollsFromCall) << Qt::endl;
    const auto ratio = [](Samples &a, Samples &b, double p) {
        return QString::number(a.percentile(p) / std::max(b.percentile(p), 1e-9), 'f', 4);
    };
    out << "  event delivery over poll delivery, from the call: p50 x"
        << ratio(eventsFromCall, pollsFromCall, 0.5) << ", p99 x"
        << ratio(eventsFromCall, pollsFromCall, 0.99) << " (target: event p99 < 100 ms)\n";
    return !idle || measureIdle(writing, prepared.pairs, out);
}

// The memory and processor time 5 000 open, idle channels cost the service.
bool measureIdle(BenchService &writing, std::vector<Pair> &pairs, QTextStream &out) {
    QElapsedTimer quiet;
    quiet.start();
    while (quiet.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const qint64 before = writing.residentBytes();
    Channels many;
    if (!many.open(writing.port(), pairs, kChannelsEach)) {
        out << "  the idle channels did not all open\n";
        return false;
    }
    // The last handshakes settle first.
    quiet.restart();
    while (quiet.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const qint64 after = writing.residentBytes();
    const double cpuBefore = writing.cpuSeconds();
    quiet.restart();
    while (quiet.elapsed() < kIdleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    const double cpu = writing.cpuSeconds() - cpuBefore;
    const auto count = double(many.size());
    out << "  " << many.size()
        << " idle channels: " << QString::number(double(after - before) / count / 1024.0, 'f', 1)
        << " KiB of service memory each (target <= 20), "
        << QString::number(cpu * 100000.0 / double(kIdleMs), 'f', 2) << " % of a core over "
        << kIdleMs / 1000 << " s with a ping round (target <= 1), " << many.connected()
        << " still open at its end\n";
    many.close();
    quiet.restart();
    while (quiet.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    out << "  after they closed the service still holds "
        << QString::number(double(writing.residentBytes() - before) / count / 1024.0, 'f', 1)
        << " KiB for each\n";
    out << "  requests/s from " << count << " idle open conversations, by the client's "
        << "intervals: " << QString::number(count * 1000.0 / kSafetyPollMs, 'f', 0)
        << " with the channel (a safety poll a minute), "
        << QString::number(count * 1000.0 / kPollMs, 'f', 0) << " polling every 2 s\n";
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    // Thousands of channels on this side and the service's, which inherits the limit.
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
    QCoreApplication app(argc, argv);
    s_clock.start();
    QTextStream out(stdout);
    QTemporaryDir dir;
    // With --idle, only the idle channels' cost.
    const bool onlyIdle = app.arguments().contains(QStringLiteral("--idle"));
    bool ok = runOn(QStringLiteral("SQLite"), dir.filePath(QStringLiteral("events.sqlite")), false,
                    true, onlyIdle, out);
    if (onlyIdle)
        return ok ? 0 : 1;
    PostgresCluster cluster;
    if (cluster.error().isEmpty())
        ok = runOn(QStringLiteral("PostgreSQL, two processes"), cluster.url(), true, false, false,
                   out) &&
             ok;
    else
        out << "No PostgreSQL cluster: " << cluster.error() << Qt::endl;
    return ok && cluster.error().isEmpty() ? 0 : 1;
}
