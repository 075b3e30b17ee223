// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Database.h"
#include "Discovery.h"
#include "EventBus.h"
#include "HourlyLimit.h"
#include "ImageStore.h"
#include "MatchStore.h"
#include "ServiceOptions.h"
#include "TokenStore.h"
#include "UserStore.h"

class DemoCrowd;

// The stores of one running service, shared by its request handlers.
struct ServiceContext {
    ServiceContext(const ServiceOptions &options, Database &database)
        : options(options)
        , db(database)
        , users(database, options.positionCellMetres / 1000.0)
        , tokens(database, options.tokenDays)
        , images(database, database.filesDir() + QStringLiteral("/images"))
        , discovery(database, users)
        , events(database)
        , matches(database, users, events)
        , signIns(options.signInsPerHour)
        , uploads(options.uploadsPerHour) {}

    // The account that the configured review token signs in.
    static QString reviewerId() { return QStringLiteral("5E4A1B2C-0000-4000-8000-00000000AE71"); }

    const ServiceOptions &options;
    Database &db;
    UserStore users;
    TokenStore tokens;
    ImageStore images;
    Discovery discovery;
    EventBus events;
    MatchStore matches;
    // Per caller address: how many more sign-ins it may make now.
    HourlyLimit signIns;
    // Per account: how many more photo uploads it may make now.
    HourlyLimit uploads;
    DemoCrowd *demo = nullptr;
    // What opens device envelopes: the operator's key from the options or the database.
    QByteArray envelopeKey;
};
