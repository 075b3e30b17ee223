// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "UserStore.h"

#include "ApiError.h"
#include "Database.h"
#include "Discovery.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>

#include <openssl/crypto.h>

UserStore::UserStore(Database &db, double positionCellKm)
    : m_db(db)
    , m_grid(positionCellKm) {}

const QString &UserStore::profileColumns() {
    static const QString columns = QStringLiteral(
        "u.id, u.name, u.birthday, u.bio, u.job, u.edu, u.city, u.has_checkmark, u.lat, u.lon");
    return columns;
}

namespace {
bool sameSecret(const QByteArray &stored, const QString &claimed) {
    const QByteArray bytes = claimed.toUtf8();
    return !stored.isEmpty() && stored.size() == bytes.size() &&
           CRYPTO_memcmp(stored.constData(), bytes.constData(), size_t(stored.size())) == 0;
}
} // namespace

UserStore::SignIn UserStore::signIn(const QString &id, const QString &cloudId,
                                    const QString &previousCloudId, const QString &device) {
    const bool created =
        m_db.exec(QStringLiteral("INSERT INTO users (id, cloud_id, device, created_at) "
                                 "VALUES (?, ?, ?, ?) ON CONFLICT DO NOTHING"),
                  {id, cloudId, device, QDateTime::currentSecsSinceEpoch()})
            .numRowsAffected() > 0;
    if (created)
        return SignIn::Created;
    const QByteArray stored =
        m_db.scalar(QStringLiteral("SELECT cloud_id FROM users WHERE id = ?"), {id})
            .toString()
            .toUtf8();
    if (sameSecret(stored, cloudId)) {
        m_db.exec(QStringLiteral("UPDATE users SET device = ? WHERE id = ?"), {device, id});
        return SignIn::Returning;
    }
    if (previousCloudId.isEmpty() || !sameSecret(stored, previousCloudId))
        return SignIn::OtherAccount;
    // Only the holder of the identity stored now replaces it, and only that one once.
    const bool moved =
        m_db.exec(QStringLiteral("UPDATE users SET cloud_id = ?, device = ? WHERE id = ? AND "
                                 "cloud_id = ?"),
                  {cloudId, device, id, QString::fromUtf8(stored)})
            .numRowsAffected() > 0;
    return moved ? SignIn::Returning : SignIn::OtherAccount;
}

AccountState UserStore::state(const QString &id) {
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT registered, deleted, banned FROM users WHERE id = ?"), {id});
    if (!q.next())
        return {};
    return {true, q.value(0).toBool(), q.value(1).toBool(), q.value(2).toBool()};
}

QJsonArray UserStore::photoUrls(const QString &id, const QString &origin) {
    QJsonArray urls;
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT id, ext FROM photos WHERE user_id = ? ORDER BY position"), {id});
    while (q.next())
        urls.append(origin + QStringLiteral("/images/") + q.value(0).toString() + QLatin1Char('.') +
                    q.value(1).toString());
    return urls;
}

QHash<QString, QJsonArray> UserStore::photoUrls(const QVariantList &ids, const QString &origin) {
    QHash<QString, QJsonArray> urls;
    if (ids.isEmpty())
        return urls;
    const QString marks = QStringLiteral("?,").repeated(int(ids.size())).chopped(1);
    QSqlQuery q =
        m_db.exec(QStringLiteral("SELECT user_id, id, ext FROM photos WHERE user_id IN (") + marks +
                      QStringLiteral(") ORDER BY user_id, position"),
                  ids);
    while (q.next())
        urls[q.value(0).toString()].append(origin + QStringLiteral("/images/") +
                                           q.value(1).toString() + QLatin1Char('.') +
                                           q.value(2).toString());
    return urls;
}

QJsonObject UserStore::userJson(const QString &id, const QString &origin) {
    QSqlQuery q = m_db.exec(
        QStringLiteral("SELECT name, gender, selected_gender, birthday, bio, has_checkmark, "
                       "superlikes, max_distance, show_more, age_start, age_end, show_more_age, "
                       "job, edu, city, active, lat, lon FROM users WHERE id = ?"),
        {id});
    if (!q.next())
        return {};
    // An account that has not finished registration still needs a decodable gender.
    const QString gender =
        q.value(1).toString().isEmpty() ? QStringLiteral("all") : q.value(1).toString();
    return {{QStringLiteral("userID"), id},
            {QStringLiteral("name"), q.value(0).toString()},
            {QStringLiteral("genderInput"), gender},
            {QStringLiteral("selectedGender"), q.value(2).toString()},
            {QStringLiteral("birthday"), q.value(3).toString()},
            {QStringLiteral("bio"), q.value(4).toString()},
            {QStringLiteral("hasCheckmark"), q.value(5).toBool()},
            {QStringLiteral("photoUrls"), photoUrls(id, origin)},
            {QStringLiteral("superlikes"), q.value(6).toInt()},
            {QStringLiteral("maxDistance"), q.value(7).toInt()},
            {QStringLiteral("showMore"), q.value(8).toBool()},
            {QStringLiteral("ageStart"), q.value(9).toInt()},
            {QStringLiteral("ageEnd"), q.value(10).toInt()},
            {QStringLiteral("showMoreAge"), q.value(11).toBool()},
            {QStringLiteral("job"), q.value(12).toString()},
            {QStringLiteral("edu"), q.value(13).toString()},
            {QStringLiteral("city"), q.value(14).toString()},
            {QStringLiteral("active"), q.value(15).toBool()},
            {QStringLiteral("lat"), q.value(16).toDouble()},
            {QStringLiteral("long"), q.value(17).toDouble()}};
}

QJsonObject UserStore::profileJson(const QSqlQuery &row, int distanceKm) {
    return {{QStringLiteral("userID"), row.value(0).toString()},
            {QStringLiteral("name"), row.value(1).toString()},
            {QStringLiteral("age"), ageFromBirthday(row.value(2).toString())},
            {QStringLiteral("bio"), row.value(3).toString()},
            {QStringLiteral("distance"), distanceKm},
            {QStringLiteral("job"), row.value(4).toString()},
            {QStringLiteral("edu"), row.value(5).toString()},
            {QStringLiteral("city"), row.value(6).toString()},
            {QStringLiteral("hasCheckmark"), row.value(7).toBool()}};
}

void UserStore::attachPhotos(QJsonObject &profile, const QString &origin) {
    const QJsonArray photos = photoUrls(profile.value(QStringLiteral("userID")).toString(), origin);
    if (!photos.isEmpty())
        profile.insert(QStringLiteral("photoURLs"), photos);
}

UserStore::Registration UserStore::completeRegistration(const QString &id, const QJsonObject &f) {
    const QString name = f.value(QStringLiteral("name")).toString();
    const QString birthday = f.value(QStringLiteral("birthday")).toString();
    const bool registered =
        m_db.exec(QStringLiteral("UPDATE users SET name = ?, birthday = ?, birth_ymd = ?, bio = ?, "
                                 "gender = ?, selected_gender = ?, registered = 1, active = 1 "
                                 "WHERE id = ? AND registered = 0"),
                  {name, birthday, birthYmd(birthday), f.value(QStringLiteral("bio")).toString(),
                   f.value(QStringLiteral("genderInput")).toString(),
                   f.value(QStringLiteral("selectedGender")).toString(), id})
            .numRowsAffected() > 0;
    if (registered)
        return Registration::Done;
    return m_db.scalar(QStringLiteral("SELECT 1 FROM users WHERE id = ? AND name = ? AND "
                                      "birthday = ?"),
                       {id, name, birthday})
                   .isValid()
               ? Registration::Repeated
               : Registration::Refused;
}

void UserStore::updateBio(const QString &id, const QString &bio, const QString &job,
                          const QString &edu, const QString &city) {
    m_db.exec(QStringLiteral("UPDATE users SET bio = ?, job = ?, edu = ?, city = ? WHERE id = ?"),
              {bio, job, edu, city, id});
}

void UserStore::updateSettings(const QString &id, const QJsonObject &s) {
    const auto flag = [&](const char *key) { return s.value(QLatin1String(key)).toBool() ? 1 : 0; };
    const auto number = [&](const char *key) { return s.value(QLatin1String(key)).toInt(); };
    m_db.exec(QStringLiteral("UPDATE users SET max_distance = ?, show_more = ?, "
                             "selected_gender = ?, age_start = ?, age_end = ?, show_more_age = ?, "
                             "active = ? WHERE id = ?"),
              {number("maxDistance"), flag("showMore"),
               s.value(QStringLiteral("selectedGender")).toString(), number("ageStart"),
               number("ageEnd"), flag("showMoreAge"), flag("active"), id});
}

void UserStore::updateGeo(const QString &id, double lat, double lon) {
    constexpr qint64 kSecondsBetweenMoves = 60;
    constexpr double kTravelKmPerSecond = 0.25; // 900 km/h
    QSqlQuery q = m_db.exec(QStringLiteral("SELECT lat, lon, has_geo, geo_offset_lat, "
                                           "geo_offset_lon, geo_moved_at FROM users WHERE id = ?"),
                            {id});
    if (!q.next())
        return;
    PositionGrid::Offset offset{q.value(3).toDouble(), q.value(4).toDouble()};
    if (offset.lat < 0 || offset.lon < 0)
        offset = PositionGrid::randomOffset();
    const PositionGrid::Point cell = m_grid.snap(lat, lon, offset);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (q.value(2).toBool()) {
        const double km =
            Discovery::distanceKm(q.value(0).toDouble(), q.value(1).toDouble(), cell.lat, cell.lon);
        // The middles of two cells lie a cell apart; anything nearer is the cell kept already.
        if (km < m_grid.cellKm() / 2)
            return;
        const qint64 elapsed = now - q.value(5).toLongLong();
        if (elapsed < kSecondsBetweenMoves ||
            km > 2 * m_grid.cellKm() + kTravelKmPerSecond * double(elapsed))
            throw ApiError(429, QStringLiteral("Местоположение обновится позже"));
    }
    q.finish();
    m_db.exec(QStringLiteral("UPDATE users SET lat = ?, lon = ?, has_geo = 1, geo_offset_lat = ?, "
                             "geo_offset_lon = ?, geo_moved_at = ? WHERE id = ?"),
              {cell.lat, cell.lon, offset.lat, offset.lon, now, id});
}

void UserStore::setPushToken(const QString &id, const QString &token) {
    m_db.exec(QStringLiteral("DELETE FROM push_tokens WHERE user_id = ?"), {id});
    m_db.exec(QStringLiteral("INSERT INTO push_tokens (user_id, token, updated_at) "
                             "VALUES (?, ?, ?)"),
              {id, token, QDateTime::currentSecsSinceEpoch()});
}

void UserStore::setDeleted(const QString &id, bool deleted) {
    m_db.exec(QStringLiteral("UPDATE users SET deleted = ? WHERE id = ?"), {deleted ? 1 : 0, id});
}

bool UserStore::setBanned(const QString &id, bool banned) {
    if (!state(id).exists)
        return false;
    m_db.exec(QStringLiteral("UPDATE users SET banned = ? WHERE id = ?"), {banned ? 1 : 0, id});
    return true;
}

int UserStore::ageFromBirthday(const QString &birthday) {
    const QDate born = QDate::fromString(birthday, QStringLiteral("ddMMyyyy"));
    if (!born.isValid())
        return 25;
    const QDate today = QDate::currentDate();
    int age = today.year() - born.year();
    if (today.month() < born.month() || (today.month() == born.month() && today.day() < born.day()))
        --age;
    return age;
}

int UserStore::birthYmd(const QString &birthday) {
    const QDate born = QDate::fromString(birthday, QStringLiteral("ddMMyyyy"));
    return born.isValid() ? born.year() * 10000 + born.month() * 100 + born.day() : 0;
}
