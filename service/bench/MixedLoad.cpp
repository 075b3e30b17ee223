// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "MixedLoad.h"

#include "ServiceContext.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace MixedLoad {

QString newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

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

std::map<QString, Samples> run(quint16 port, std::vector<BenchUser> &users, qint64 ms) {
    return drive(
        port, kClients, ms, SIZE_MAX,
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
                       [&u, done](int status, const QByteArray &body, double latency) {
                           u.queue.clear();
                           for (const QJsonValue &p : QJsonDocument::fromJson(body).array())
                               u.queue.append(
                                   p.toObject().value(QStringLiteral("userID")).toString());
                           done(status, body, latency);
                       });
            }
        });
}

} // namespace MixedLoad
