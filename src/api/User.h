// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"
#include "api/GenderSelection.h"

#include <QJsonObject>
#include <QStringList>

// The signed-in user's own profile. It has no dates, so the local copy kept by the
// current-user store uses the wire form as it is.
struct User {
    QString userID;
    QString name;
    GenderSelection genderInput = GenderSelection::man;
    GenderSelection selectedGender = GenderSelection::all;
    QString birthday;
    QString bio;
    bool hasCheckmark = false;
    QStringList photoUrls;
    int superlikes = 0;
    int maxDistance = 0;
    bool showMore = false;
    int ageStart = 0;
    int ageEnd = 0;
    bool showMoreAge = false;
    QString job;
    QString edu;
    QString city;
    bool active = true;
    double lat = 0.0;
    double longitude = 0.0; // JSON key "long"

    [[nodiscard]] static User read(DecodeContext &context);
    [[nodiscard]] static std::optional<User> fromJson(const QJsonValue &value,
                                                      QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const User &, const User &) = default;
};
