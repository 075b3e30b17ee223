// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Discovery.h"

#include "ApiError.h"
#include "Database.h"
#include "GeoBox.h"
#include "ServiceContext.h"
#include "UserStore.h"

#include <QDate>
#include <QHash>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kPi = 3.14159265358979323846;
// Where a viewer's first search starts, and how small a remembered start may get.
constexpr double kFirstRadiusKm = 2.0;
constexpr double kSmallestRadiusKm = 0.1;
// The next search aims at half a page more people than a page.
constexpr double kNextPageMargin = 1.5;

struct Viewer {
    QString gender;
    QString selectedGender;
    int maxDistance = 100;
    bool showMore = true;
    int ageStart = 18;
    int ageEnd = 40;
    bool showMoreAge = true;
    double lat = 0;
    double lon = 0;
    bool hasGeo = false;
    bool registered = false;
};

Viewer loadViewer(Database &db, const QString &id) {
    QSqlQuery q = db.exec(
        QStringLiteral("SELECT gender, selected_gender, max_distance, show_more, age_start, "
                       "age_end, show_more_age, lat, lon, has_geo, registered FROM users "
                       "WHERE id = ?"),
        {id});
    if (!q.next())
        return {};
    return {q.value(0).toString(), q.value(1).toString(), q.value(2).toInt(),
            q.value(3).toBool(),   q.value(4).toInt(),    q.value(5).toInt(),
            q.value(6).toBool(),   q.value(7).toDouble(), q.value(8).toDouble(),
            q.value(9).toBool(),   q.value(10).toBool()};
}

// People the viewer swiped or blocked, and people who blocked the viewer, are left out; binds
// the viewer's id three times. On SQLite each is a key lookup per person read. PostgreSQL keeps
// one plan per statement, and for a per-person lookup of the viewer's rows that plan rescanned
// all of them for every person read (10 ms for a viewer with 300 swipes, growing with each);
// there the viewer's rows are read once as a set.
QString notSwipedOrBlocked(bool postgres) {
    if (postgres)
        return QStringLiteral(
            " AND u.id NOT IN (SELECT s.to_id FROM swipes s WHERE s.from_id = ?)"
            " AND u.id NOT IN (SELECT b.to_id FROM blocks b WHERE b.from_id = ?)"
            " AND NOT EXISTS (SELECT 1 FROM blocks b WHERE b.from_id = u.id AND b.to_id = ?)");
    return QStringLiteral(
        " AND NOT EXISTS (SELECT 1 FROM swipes s WHERE s.from_id = ? AND s.to_id = u.id)"
        " AND NOT EXISTS (SELECT 1 FROM blocks b WHERE b.from_id = ? AND b.to_id = u.id)"
        " AND NOT EXISTS (SELECT 1 FROM blocks b WHERE b.from_id = u.id AND b.to_id = ?)");
}

} // namespace

Discovery::Discovery(Database &db, UserStore &users)
    : m_db(db)
    , m_users(users) {}

double Discovery::distanceKm(double lat1, double lon1, double lat2, double lon2) {
    const double toRad = kPi / 180.0;
    const double dLat = (lat2 - lat1) * toRad;
    const double dLon = (lon2 - lon1) * toRad;
    const double a =
        std::sin(dLat / 2) * std::sin(dLat / 2) +
        std::cos(lat1 * toRad) * std::cos(lat2 * toRad) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

QString Discovery::reviewerApart(const QString &viewerId, QVariantList *binds) {
    // The reviewers' account meets demo people only, and no real person meets it.
    if (viewerId == ServiceContext::reviewerId())
        return QStringLiteral(" AND u.is_demo = 1");
    binds->append(ServiceContext::reviewerId());
    return QStringLiteral(" AND u.id <> ?");
}

QJsonArray Discovery::fetchProfiles(const QString &viewerId, const QString &origin) {
    const Viewer v = loadViewer(m_db, viewerId);
    if (!v.registered)
        throw ApiError(403, QStringLiteral("Сначала заверши регистрацию"));

    QString filters = QStringLiteral(" FROM users u WHERE u.id <> ? AND u.registered = 1 "
                                     "AND u.active = 1 AND u.deleted = 0 AND u.banned = 0 "
                                     "AND (? = 'all' OR u.gender = ?) "
                                     "AND (u.selected_gender = 'all' OR u.selected_gender = ?)") +
                      notSwipedOrBlocked(m_db.isPostgres());
    QVariantList binds{viewerId, v.selectedGender, v.selectedGender, v.gender,
                       viewerId, viewerId,         viewerId};
    if (!v.showMoreAge) {
        const QDate today = QDate::currentDate();
        const int todayYmd = today.year() * 10000 + today.month() * 100 + today.day();
        filters += QStringLiteral(" AND u.birth_ymd <= ? AND u.birth_ymd > ?");
        binds << todayYmd - v.ageStart * 10000 << todayYmd - (v.ageEnd + 1) * 10000;
    }
    filters += reviewerApart(viewerId, &binds);
    if (v.hasGeo)
        filters += QStringLiteral(" AND u.has_geo = 1");
    const double limitKm = v.showMore || !v.hasGeo ? kEarthRadiusKm * kPi : v.maxDistance;

    struct Candidate {
        double distance;
        QString id;
    };
    std::vector<Candidate> found;
    const QString select = QStringLiteral("SELECT u.id, u.lat, u.lon") + filters;
    if (!v.hasGeo) {
        QSqlQuery q = m_db.exec(select + QStringLiteral(" ORDER BY u.id LIMIT ?"),
                                binds + QVariantList{kPageSize});
        while (q.next())
            found.push_back({0.0, q.value(0).toString()});
    }
    // Search growing boxes around the viewer: once a box holds a full page within its radius,
    // nobody outside it can be nearer, so a search reads the people near the viewer, and one
    // far from everyone reads nobody until the box reaches someone. Each box is read whole, so
    // it starts where the viewer's last page was found, and when it falls short the next
    // radius is guessed from how many it held: people grow with the area, the square of the
    // radius, and a margin makes one more box usually enough.
    double radius = std::min(m_radii.startFor(viewerId).value_or(kFirstRadiusKm), limitKm);
    while (v.hasGeo) {
        found.clear();
        for (const auto &[box, boxBinds] :
             GeoBox(v.lat, v.lon, radius).conditions(m_db.isPostgres())) {
            QSqlQuery q = m_db.exec(select + box, binds + boxBinds);
            while (q.next()) {
                const double d =
                    distanceKm(v.lat, v.lon, q.value(1).toDouble(), q.value(2).toDouble());
                if (d <= radius)
                    found.push_back({d, q.value(0).toString()});
            }
        }
        if (found.size() >= size_t(kPageSize) || radius >= limitKm)
            break;
        const double growth =
            found.empty()
                ? 4.0
                : std::clamp(1.3 * std::sqrt(double(kPageSize) / double(found.size())), 1.5, 4.0);
        radius = std::min(radius * growth, limitKm);
    }
    std::sort(found.begin(), found.end(), [](const Candidate &a, const Candidate &b) {
        return a.distance < b.distance || (a.distance == b.distance && a.id < b.id);
    });
    if (v.hasGeo) {
        // The next search starts where it would hold half a page more than a page: the viewer
        // has passed on some of these by then. The people found say exactly where that is; the
        // viewer's own passes leave a hole around them, so the area is no guide.
        const size_t aimed = size_t(kNextPageMargin * kPageSize);
        m_radii.remember(
            viewerId,
            found.size() >= aimed
                ? std::max(kSmallestRadiusKm, found[aimed - 1].distance)
                : radius * std::sqrt(double(aimed) / double(std::max<size_t>(found.size(), 1))));
    }
    found.resize(std::min(found.size(), size_t(kPageSize)));
    if (found.empty())
        return {};
    QVariantList ids;
    for (const Candidate &c : found)
        ids.append(c.id);
    const QString marks = QStringLiteral("?,").repeated(int(ids.size())).chopped(1);
    QSqlQuery q =
        m_db.exec(QStringLiteral("SELECT ") + UserStore::profileColumns() +
                      QStringLiteral(" FROM users u WHERE u.id IN (") + marks + QLatin1Char(')'),
                  ids);
    QHash<QString, QJsonObject> profiles;
    while (q.next())
        profiles.insert(q.value(0).toString(), UserStore::profileJson(q, 0));
    const QHash<QString, QJsonArray> photos = m_users.photoUrls(ids, origin);
    QJsonArray page;
    for (const Candidate &c : found) {
        QJsonObject profile = profiles.value(c.id);
        profile.insert(QStringLiteral("distance"), int(std::floor(c.distance)));
        if (const auto urls = photos.find(c.id); urls != photos.end())
            profile.insert(QStringLiteral("photoURLs"), *urls);
        page.append(profile);
    }
    return page;
}

QJsonArray Discovery::likes(const QString &viewerId, const QString &origin) {
    const Viewer v = loadViewer(m_db, viewerId);
    QVariantList binds{viewerId, viewerId, viewerId, viewerId};
    const QString apart = reviewerApart(viewerId, &binds);
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT ") + UserStore::profileColumns() +
            QStringLiteral(" FROM swipes l JOIN users u ON u.id = l.from_id WHERE l.to_id = ? "
                           "AND l.kind IN ('right', 'superlike') AND u.deleted = 0 "
                           "AND u.banned = 0") +
            notSwipedOrBlocked(m_db.isPostgres()) + apart +
            QStringLiteral(" ORDER BY l.created_at DESC, u.id LIMIT 100"),
        binds);
    QJsonArray result;
    while (q.next()) {
        const double d =
            v.hasGeo ? distanceKm(v.lat, v.lon, q.value(8).toDouble(), q.value(9).toDouble()) : 0.0;
        QJsonObject profile = UserStore::profileJson(q, int(std::floor(d)));
        m_users.attachPhotos(profile, origin);
        result.append(profile);
    }
    return result;
}
