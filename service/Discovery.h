// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "SearchRadii.h"

#include <QJsonArray>
#include <QString>

class Database;
class UserStore;

// Who the feed and the likes screen show to a person.
class Discovery {
public:
    static constexpr int kPageSize = 20;

    Discovery(Database &db, UserStore &users);

    // Next feed page: nearest first, filtered by the viewer's discovery settings.
    [[nodiscard]] QJsonArray fetchProfiles(const QString &viewerId, const QString &origin);
    // People who liked the viewer and have not been answered yet, newest like first.
    [[nodiscard]] QJsonArray likes(const QString &viewerId, const QString &origin);

    // Great-circle distance in kilometres.
    [[nodiscard]] static double distanceKm(double lat1, double lon1, double lat2, double lon2);

private:
    // The condition, with its values added to `binds`, that keeps the reviewers' account and
    // real people apart for `viewerId`.
    [[nodiscard]] static QString reviewerApart(const QString &viewerId, QVariantList *binds);

    Database &m_db;
    UserStore &m_users;
    SearchRadii m_radii;
};
