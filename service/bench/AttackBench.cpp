// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Robustness run of zirel-service: the attacks a stranger or a free account once made on it,
// each bounded in count and time, over loopback against the service binary at its default
// limits on SQLite. Attackers call from 127.0.0.2 and up (spread over many addresses where the
// attack was), a bystander from 127.0.0.1 asks for its own record one call after another the
// whole time. For each attack: the service's resident memory at its peak over what it held
// before, and the bystander's latencies beside those of the same bystander with nothing going
// on, in the same run. An argument runs only the attacks whose names contain it.
#include "Database.h"
#include "EnvelopeOpener.h"
#include "LoadClient.h"
#include "ServiceContext.h"
#include "ServiceHarness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <libheif/heif.h>

#include <sys/resource.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

constexpr qint64 kAttackMs = 8000;
constexpr qint64 kTargetGrowthKb = 64 * 1024;
constexpr double kTargetP99Ms = 200;

qint64 residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// What an attack holds: its sockets and timers, all closed when it is deleted.
using Arena = QObject;

// A connection from an attacker's address, 127.0.0.`host`.
QTcpSocket *attackerSocket(Arena &arena, quint16 port, int host = 2) {
    auto *socket = new QTcpSocket(&arena);
    socket->bind(QHostAddress(QStringLiteral("127.0.0.%1").arg(host)));
    socket->connectToHost(QHostAddress::LocalHost, port);
    // Answers are read and dropped, as a client that keeps its receive window open would.
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
    return socket;
}

// Writes what `next` returns whenever the socket has drained, until it returns nothing.
void feed(QTcpSocket *socket, std::function<QByteArray()> next) {
    auto write = [socket, next = std::move(next)] {
        if (socket->state() != QAbstractSocket::ConnectedState || socket->bytesToWrite() > 0)
            return;
        const QByteArray piece = next();
        if (!piece.isEmpty())
            socket->write(piece);
    };
    QObject::connect(socket, &QTcpSocket::connected, socket, write);
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, write);
}

QByteArray request(const QByteArray &method, const QByteArray &path, const QByteArray &token,
                   const QByteArray &extraHeaders = {}) {
    return method + " /" + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
           (token.isEmpty() ? QByteArray() : "auth: bear " + token + "\r\n") +
           "Content-Type: application/json\r\n" + extraHeaders + "\r\n";
}

// Posts `body()` to `path` again as soon as each answer is in, `times` times or for as long as
// `client` lives.
void repeat(LoadClient *client, const QByteArray &path, const QByteArray &token,
            const std::function<QByteArray()> &body, int times) {
    if (times <= 0)
        return;
    client->send("POST", path, token, body(), [=](int, const QByteArray &, double) {
        QTimer::singleShot(0, client, [=] { repeat(client, path, token, body, times - 1); });
    });
}

QByteArray signInBody(const QByteArray &envelopeKey) {
    const QString id = ServiceHarness::newUserId();
    QByteArray attestation(48, Qt::Uninitialized);
    QRandomGenerator::global()->generate(attestation.begin(), attestation.end());
    const QJsonObject plain{{"tok1", "_cloud" + id},
                            {"tok2", id},
                            {"tok3", QString::fromLatin1(attestation.toBase64())},
                            {"device", QJsonObject{{"systemName", "Linux"}}}};
    const QByteArray sealed =
        EnvelopeOpener::seal(envelopeKey, QJsonDocument(plain).toJson(QJsonDocument::Compact));
    return QJsonDocument(QJsonObject{{"data", QString::fromLatin1(sealed.toBase64())}})
        .toJson(QJsonDocument::Compact);
}

// 7000 × 7000 pixels in a few kilobytes: flat colour costs the encoder nothing.
QByteArray heicBomb() {
    std::unique_ptr<heif_context, decltype(&heif_context_free)> context(heif_context_alloc(),
                                                                        &heif_context_free);
    heif_encoder *encoder = nullptr;
    heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &encoder);
    heif_encoder_set_parameter_string(encoder, "preset", "ultrafast");
    heif_image *image = nullptr;
    heif_image_create(7000, 7000, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
    heif_image_add_plane(image, heif_channel_interleaved, 7000, 7000, 8);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    std::fill(plane, plane + qsizetype(stride) * 7000, uint8_t(0x60));
    heif_context_encode_image(context.get(), image, encoder, nullptr, nullptr);
    heif_image_release(image);
    heif_encoder_release(encoder);
    QByteArray bytes;
    heif_writer writer{};
    writer.writer_api_version = 1;
    writer.write = [](heif_context *, const void *data, size_t size, void *out) {
        static_cast<QByteArray *>(out)->append(static_cast<const char *>(data), qsizetype(size));
        return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
    };
    heif_context_write(context.get(), &writer, &bytes);
    return bytes;
}

struct Attack {
    QString name;
    std::function<void(Arena &, quint16 port)> start;
};

struct Figures {
    std::vector<double> ms;
    int failed = 0;
    qint64 growthKb = 0;

    [[nodiscard]] double percentile(double p) {
        if (ms.empty())
            return 0;
        std::sort(ms.begin(), ms.end());
        return ms[std::min(ms.size() - 1, size_t(p * double(ms.size())))];
    }
};

// Runs `attack` (none for the quiet baseline) for kAttackMs beside the bystander.
Figures underAttack(const Attack *attack, qint64 pid, quint16 port, const QByteArray &token) {
    Figures figures;
    const qint64 before = residentKb(pid);
    qint64 peak = before;
    auto arena = std::make_unique<Arena>();
    if (attack)
        attack->start(*arena, port);
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { peak = std::max(peak, residentKb(pid)); });
    sampler.start(50);
    LoadClient bystander(port);
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    std::function<void()> ask = [&] {
        if (wall.elapsed() >= kAttackMs) {
            loop.quit();
            return;
        }
        bystander.send("GET", "user", token, {}, [&](int status, const QByteArray &, double ms) {
            figures.ms.push_back(ms);
            if (status != 200)
                ++figures.failed;
            QTimer::singleShot(0, &loop, ask);
        });
    };
    QTimer::singleShot(0, &loop, ask);
    loop.exec();
    peak = std::max(peak, residentKb(pid));
    figures.growthKb = peak - before;
    arena.reset();
    // Let the service see the attack's connections close before the next one starts.
    QEventLoop settle;
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();
    return figures;
}

QList<Attack> attacks(const QByteArray &memberToken, const QList<QByteArray> &freeAccounts,
                      const QByteArray &envelopeKey, qint64 largest) {
    QList<Attack> list;
    list.append({QStringLiteral("3 000 idle connections, 30 addresses"), [](Arena &a, quint16 p) {
                     for (int i = 0; i < 3000; ++i)
                         attackerSocket(a, p, 2 + i % 30);
                 }});
    list.append(
        {QStringLiteral("200 bodies promised, 14 bytes sent"), [memberToken](Arena &a, quint16 p) {
             for (int i = 0; i < 200; ++i) {
                 QTcpSocket *s = attackerSocket(a, p, 2 + i % 4);
                 QObject::connect(s, &QTcpSocket::connected, s, [s, memberToken] {
                     s->write(request("POST", "images/upload", memberToken,
                                      "Content-Length: 1048576\r\n") +
                              "{\"images\":[\"AA");
                 });
             }
         }});
    list.append({QStringLiteral("chunked body with end markers inside"), [](Arena &a, quint16 p) {
                     QTcpSocket *s = attackerSocket(a, p);
                     QByteArray chunk =
                         "10000\r\n" + QByteArray(0x10000 - 5, 'a') + "0\r\n\r\n" + "\r\n";
                     auto sent = std::make_shared<int>(0);
                     feed(s, [chunk, sent]() -> QByteArray {
                         // 600 MB at most, as the attack once got through.
                         if (++*sent > 9600)
                             return {};
                         return *sent == 1 ? request("POST", "validateDevice", {},
                                                     "Transfer-Encoding: chunked\r\n") +
                                                 chunk
                                           : chunk;
                     });
                 }});
    list.append({QStringLiteral("20 largest uploads, last byte withheld"),
                 [memberToken, largest](Arena &a, quint16 p) {
                     const qint64 length = largest;
                     for (int i = 0; i < 20; ++i) {
                         QTcpSocket *s = attackerSocket(a, p, 2 + i % 4);
                         auto left = std::make_shared<qint64>(length - 1);
                         auto started = std::make_shared<bool>(false);
                         feed(s, [=]() -> QByteArray {
                             if (!*started) {
                                 *started = true;
                                 return request("POST", "images/upload", memberToken,
                                                "Content-Length: " + QByteArray::number(length) +
                                                    "\r\n");
                             }
                             const qint64 piece = std::min<qint64>(*left, 256 * 1024);
                             *left -= piece;
                             return QByteArray(piece, 'A');
                         });
                     }
                 }});
    list.append(
        {QStringLiteral("400 000 requests pipelined on one"), [memberToken](Arena &a, quint16 p) {
             QTcpSocket *s = attackerSocket(a, p);
             const QByteArray one = request("GET", "user", memberToken);
             auto sent = std::make_shared<int>(0);
             feed(s, [one, sent]() -> QByteArray {
                 if (*sent >= 400000)
                     return {};
                 *sent += 1000;
                 return one.repeated(1000);
             });
         }});
    list.append(
        {QStringLiteral("3 000 sign-ups, one after another"), [envelopeKey](Arena &a, quint16 p) {
             repeat(
                 new LoadClient(p, &a), "validateDevice", {},
                 [envelopeKey] { return signInBody(envelopeKey); }, 3000);
         }});
    const QByteArray bomb = heicBomb();
    const QByteArray bombBody = "{\"images\":[\"" + bomb.toBase64() + "\"]}";
    list.append({QStringLiteral("7000x7000 HEIC of %1 KB, 8 accounts").arg(bomb.size() / 1024),
                 [freeAccounts, bombBody](Arena &a, quint16 p) {
                     for (const QByteArray &token : freeAccounts)
                         repeat(
                             new LoadClient(p, &a), "images/upload", token,
                             [bombBody] { return bombBody; }, 1000000);
                 }});
    return list;
}

QByteArray registeredToken(ServiceContext &ctx) {
    const QString id = ServiceHarness::newUserId();
    (void)ctx.users.signIn(id, QStringLiteral("bench"), {}, QStringLiteral("{}"));
    (void)ctx.users.completeRegistration(
        id, {{QStringLiteral("name"), QStringLiteral("Бенч")},
             {QStringLiteral("birthday"), QStringLiteral("01011995")},
             {QStringLiteral("bio"), QString()},
             {QStringLiteral("genderInput"), QStringLiteral("woman")},
             {QStringLiteral("selectedGender"), QStringLiteral("all")}});
    return ctx.tokens.issue(id).toUtf8();
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    // The service gets the descriptors its unit gives it, the attackers what they need.
    rlimit files{65536, 65536};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = std::min<rlim_t>(files.rlim_max, 65536);
    setrlimit(RLIMIT_NOFILE, &files);

    QTemporaryDir dir;
    const QString location = dir.filePath(QStringLiteral("attack.sqlite"));
    QByteArray bystander;
    QByteArray member;
    QList<QByteArray> freeAccounts;
    {
        ServiceOptions options;
        QString error;
        Database db(location);
        if (!options.parse({QStringLiteral("bench")}, &error) || !db.open(&error)) {
            out << "Cannot prepare the database: " << error << Qt::endl;
            return 1;
        }
        ServiceContext ctx(options, db);
        bystander = registeredToken(ctx);
        member = registeredToken(ctx);
        for (int i = 0; i < 8; ++i)
            freeAccounts.append(registeredToken(ctx));
    }
    QByteArray envelopeKey(32, Qt::Uninitialized);
    QRandomGenerator::global()->generate(envelopeKey.begin(), envelopeKey.end());
    quint16 port = 0;
    // At the limits a deployment has, not the tests' allowance of sign-ins.
    const auto service = ServiceHarness::serveBinary(
        {QStringLiteral("--database"), location, QStringLiteral("--no-demo"),
         QStringLiteral("--envelope-key"), QString::fromLatin1(envelopeKey.toBase64()),
         QStringLiteral("--sign-ins-per-hour"), QStringLiteral("30")},
        &port);
    if (!service) {
        out << "Cannot start the service" << Qt::endl;
        return 1;
    }
    QObject::connect(service.get(), &QProcess::readyRead, service.get(),
                     [&service] { service->readAll(); });
    const qint64 pid = service->processId();

    const auto row = [&out](const QString &name, Figures &f, double baseP99) {
        const auto num = [](double v, int width, int decimals) {
            return QString::number(v, 'f', decimals).rightJustified(width);
        };
        out << "  " << name.leftJustified(40) << num(double(f.ms.size()), 7, 0)
            << num(f.failed, 7, 0) << num(f.percentile(0.5), 8, 2) << num(f.percentile(0.99), 8, 2)
            << num(f.percentile(0.99) / baseP99, 8, 2) << num(double(f.growthKb) / 1024, 10, 1)
            << Qt::endl;
    };
    out << "Bystander's GET user calls, for " << kAttackMs / 1000 << " s per attack\n  "
        << QStringLiteral("attack").leftJustified(40)
        << "  calls failed  p50 ms  p99 ms   x p99  +RSS MB" << Qt::endl;
    Figures quiet = underAttack(nullptr, pid, port, bystander);
    const double baseP99 = std::max(quiet.percentile(0.99), 0.001);
    row(QStringLiteral("none"), quiet, baseP99);
    bool met = true;
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const Attack &attack :
         attacks(member, freeAccounts, envelopeKey, ServiceOptions().maxBodyBytes)) {
        if (!attack.name.contains(only))
            continue;
        Figures figures = underAttack(&attack, pid, port, bystander);
        row(attack.name, figures, baseP99);
        met = met && figures.growthKb < kTargetGrowthKb &&
              figures.percentile(0.99) < kTargetP99Ms && figures.failed == 0;
    }
    service->terminate();
    service->waitForFinished(5000);
    out << "Targets: memory growth < 64 MB and bystander p99 < 200 ms with no call failed: "
        << (met ? "met" : "NOT MET") << Qt::endl;
    return met ? 0 : 1;
}
