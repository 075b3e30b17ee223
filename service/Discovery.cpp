#include "Discovery.h"

#include "ApiError.h"
#include "Database.h"
#include "UserStore.h"

#include <QDate>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kKmPerDegree = 111.32;
constexpr double kPi = 3.14159265358979323846;

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

const QString kNotBlocked = QStringLiteral(
    " AND NOT EXISTS (SELECT 1 FROM blocks b WHERE (b.from_id = ? AND b.to_id = u.id) "
    "OR (b.from_id = u.id AND b.to_id = ?))");

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

QJsonArray Discovery::fetchProfiles(const QString &viewerId, const QString &origin) {
    const Viewer v = loadViewer(m_db, viewerId);
    if (!v.registered)
        throw ApiError(403, QStringLiteral("Сначала заверши регистрацию"));

    QString filters = QStringLiteral(" FROM users u WHERE u.id <> ? AND u.registered = 1 "
                                     "AND u.active = 1 AND u.deleted = 0 AND u.banned = 0 "
                                     "AND (? = 'all' OR u.gender = ?) "
                                     "AND (u.selected_gender = 'all' OR u.selected_gender = ?)"
                                     " AND NOT EXISTS (SELECT 1 FROM swipes s WHERE "
                                     "s.from_id = ? AND s.to_id = u.id)") +
                      kNotBlocked;
    QVariantList binds{viewerId, v.selectedGender, v.selectedGender, v.gender,
                       viewerId, viewerId,         viewerId};
    if (!v.showMoreAge) {
        const QDate today = QDate::currentDate();
        const int todayYmd = today.year() * 10000 + today.month() * 100 + today.day();
        filters += QStringLiteral(" AND u.birth_ymd <= ? AND u.birth_ymd > ?");
        binds << todayYmd - v.ageStart * 10000 << todayYmd - (v.ageEnd + 1) * 10000;
    }
    if (v.hasGeo)
        filters += QStringLiteral(" AND u.has_geo = 1");
    const double lonScale = std::max(0.01, std::cos(v.lat * kPi / 180.0));
    const double limitKm = v.showMore || !v.hasGeo ? kEarthRadiusKm * kPi : v.maxDistance;

    struct Candidate {
        double distance;
        QJsonObject profile;
    };
    std::vector<Candidate> found;
    // Search growing boxes around the viewer: once a box holds a full page within its radius,
    // nobody outside it can be nearer, so dense areas never read the whole crowd.
    for (double radius = std::min(2.0, limitKm);; radius = std::min(radius * 4, limitKm)) {
        found.clear();
        QString sql = QStringLiteral("SELECT ") + UserStore::profileColumns() + filters;
        QVariantList boxBinds = binds;
        const double dLat = radius / kKmPerDegree;
        const double dLon = radius / (kKmPerDegree * lonScale);
        const bool boxed = v.hasGeo && dLat < 45;
        if (boxed) {
            sql += QStringLiteral(" AND u.lat BETWEEN ? AND ?");
            boxBinds << v.lat - dLat << v.lat + dLat;
            if (v.lon - dLon > -180 && v.lon + dLon < 180) {
                sql += QStringLiteral(" AND u.lon BETWEEN ? AND ?");
                boxBinds << v.lon - dLon << v.lon + dLon;
            }
        } else {
            // Whole world: planar distance picks candidates, the exact one orders them below.
            sql += QStringLiteral(" ORDER BY (u.lat - ?) * (u.lat - ?) + (u.lon - ?) * "
                                  "(u.lon - ?) * ?, u.id LIMIT ?");
            boxBinds << v.lat << v.lat << v.lon << v.lon << lonScale * lonScale << kPageSize * 3;
        }
        QSqlQuery q = m_db.exec(sql, boxBinds);
        while (q.next()) {
            const double d =
                v.hasGeo ? distanceKm(v.lat, v.lon, q.value(8).toDouble(), q.value(9).toDouble())
                         : 0.0;
            if (d <= radius || !boxed)
                found.push_back({d, UserStore::profileJson(q, int(std::floor(d)))});
        }
        if (!boxed || found.size() >= size_t(kPageSize) || radius >= limitKm)
            break;
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate &a, const Candidate &b) {
        return a.distance < b.distance;
    });
    QJsonArray page;
    for (Candidate &c : found) {
        if (page.size() == kPageSize)
            break;
        m_users.attachPhotos(c.profile, origin);
        page.append(c.profile);
    }
    return page;
}

QJsonArray Discovery::likes(const QString &viewerId, const QString &origin) {
    const Viewer v = loadViewer(m_db, viewerId);
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT ") + UserStore::profileColumns() +
            QStringLiteral(
                " FROM swipes l JOIN users u ON u.id = l.from_id WHERE l.to_id = ? "
                "AND l.kind IN ('right', 'superlike') AND u.deleted = 0 AND u.banned = 0 "
                "AND NOT EXISTS (SELECT 1 FROM swipes s WHERE s.from_id = ? AND s.to_id = u.id)") +
            kNotBlocked + QStringLiteral(" ORDER BY l.created_at DESC, u.id LIMIT 100"),
        {viewerId, viewerId, viewerId, viewerId});
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
