// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "LoadClient.h"
#include "Samples.h"

#include <QStringList>

#include <functional>
#include <map>
#include <vector>

struct ServiceContext;

// The load the service benchmarks share: people in the middle of a crowd with matches and
// chats, each cycling fetchProfiles, a swipe and sendMessage on a connection of their own.
namespace MixedLoad {

constexpr int kClients = 20;
constexpr int kMatchesEach = 30;
constexpr double kLat = 55.7558;
constexpr double kLon = 37.6173;
constexpr qint64 kMixedMs = 8000;

[[nodiscard]] QString newId();

struct BenchUser {
    QByteArray token;
    QStringList chats;
    QStringList queue; // profiles fetched and not yet swiped
    int step = 0;
};

// A registered person at a place, with the feed settings of a typical user.
QString registered(ServiceContext &ctx, double lat, double lon, bool man, int maxDistance);
// The bench users in the middle of the crowd, each with some matches and a chat in each.
std::vector<BenchUser> prepare(ServiceContext &ctx);

// Keeps `clients` connections busy for `ms` or `calls` answers, each sending what `next` says
// after every answer.
using Next = std::function<void(int client, LoadClient &connection, const LoadClient::Done &done)>;
std::map<QString, Samples> drive(quint16 port, int clients, qint64 ms, size_t calls,
                                 const std::function<QString(int client)> &kind, const Next &next);

// kClients clients each cycling fetchProfiles, a swipe and sendMessage for `ms`.
std::map<QString, Samples> run(quint16 port, std::vector<BenchUser> &users, qint64 ms = kMixedMs);

} // namespace MixedLoad
