// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "PositionGrid.h"

#include <QHash>
#include <QJsonObject>
#include <QSqlQuery>
#include <QString>

class Database;

// Standing of an account as the request layer checks it.
struct AccountState {
    bool exists = false;
    bool registered = false;
    bool deleted = false;
    bool banned = false;
};

// Reads and writes people: their own record, the profile others see, and the flags.
class UserStore {
public:
    explicit UserStore(Database &db, double positionCellKm = 1.0);

    // Columns every profile query selects, in the order profileJson() reads them.
    static const QString &profileColumns();

    enum class SignIn { Created, Returning, OtherAccount };
    // Creates the account when it is new. An existing one is only handed to the cloud identity
    // it was created with; accounts without one (the reviewer's) never sign in this way.
    // A client moving to a new cloud identity proves the stored one as `previousCloudId`; the
    // new one is kept from then on, and the old one no longer signs in.
    SignIn signIn(const QString &id, const QString &cloudId, const QString &previousCloudId,
                  const QString &device);
    [[nodiscard]] AccountState state(const QString &id);
    [[nodiscard]] QJsonObject userJson(const QString &id, const QString &origin);
    // ProfileView of the current row of a query that selected profileColumns() first,
    // still without its photos.
    [[nodiscard]] static QJsonObject profileJson(const QSqlQuery &row, int distanceKm);
    void attachPhotos(QJsonObject &profile, const QString &origin);
    [[nodiscard]] QJsonArray photoUrls(const QString &id, const QString &origin);
    // Photo URLs of several people at once, in one statement; people without photos are absent.
    [[nodiscard]] QHash<QString, QJsonArray> photoUrls(const QVariantList &ids,
                                                       const QString &origin);

    enum class Registration { Done, Repeated, Refused };
    // Registers once: name and birthday are fixed from then on. A repeat with the same name and
    // birthday (a retry after a lost answer) changes nothing and is Repeated; any other is
    // Refused.
    [[nodiscard]] Registration completeRegistration(const QString &id, const QJsonObject &fields);
    void updateBio(const QString &id, const QString &bio, const QString &job, const QString &edu,
                   const QString &city);
    void updateSettings(const QString &id, const QJsonObject &settings);
    // Keeps the middle of the person's grid cell holding the point. A move to another cell is
    // refused with 429 sooner than a minute after the last, or farther than an airliner could
    // have gone since: walking an account toward someone to read off distances takes hours.
    void updateGeo(const QString &id, double lat, double lon);
    void setPushToken(const QString &id, const QString &token);
    void setDeleted(const QString &id, bool deleted);
    // False when there is no such account.
    bool setBanned(const QString &id, bool banned);

    // Whole calendar years since a "ddMMyyyy" birthday; 25 when the text does not parse.
    [[nodiscard]] static int ageFromBirthday(const QString &birthday);
    // The birthday as the number yyyymmdd (0 when it does not parse), for age ranges in SQL.
    [[nodiscard]] static int birthYmd(const QString &birthday);

private:
    Database &m_db;
    PositionGrid m_grid;
};
