// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/User.h"

User User::read(DecodeContext &context) {
    User user;
    user.userID = context.string("userID");
    user.name = context.string("name");
    user.genderInput = context.gender("genderInput");
    user.selectedGender = context.gender("selectedGender");
    user.birthday = context.string("birthday");
    user.bio = context.string("bio");
    user.hasCheckmark = context.boolean("hasCheckmark");
    user.photoUrls = context.strings("photoUrls");
    user.superlikes = context.integer("superlikes");
    user.maxDistance = context.integer("maxDistance");
    user.showMore = context.boolean("showMore");
    user.ageStart = context.integer("ageStart");
    user.ageEnd = context.integer("ageEnd");
    user.showMoreAge = context.boolean("showMoreAge");
    user.job = context.string("job");
    user.edu = context.string("edu");
    user.city = context.string("city");
    user.active = context.boolean("active");
    user.lat = context.number("lat");
    user.longitude = context.number("long");
    return user;
}

std::optional<User> User::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<User>(value, error);
}

QJsonObject User::toJson() const {
    return {
        {QStringLiteral("userID"), userID},
        {QStringLiteral("name"), name},
        {QStringLiteral("genderInput"), genderSelectionText(genderInput)},
        {QStringLiteral("selectedGender"), genderSelectionText(selectedGender)},
        {QStringLiteral("birthday"), birthday},
        {QStringLiteral("bio"), bio},
        {QStringLiteral("hasCheckmark"), hasCheckmark},
        {QStringLiteral("photoUrls"), QJsonArray::fromStringList(photoUrls)},
        {QStringLiteral("superlikes"), superlikes},
        {QStringLiteral("maxDistance"), maxDistance},
        {QStringLiteral("showMore"), showMore},
        {QStringLiteral("ageStart"), ageStart},
        {QStringLiteral("ageEnd"), ageEnd},
        {QStringLiteral("showMoreAge"), showMoreAge},
        {QStringLiteral("job"), job},
        {QStringLiteral("edu"), edu},
        {QStringLiteral("city"), city},
        {QStringLiteral("active"), active},
        {QStringLiteral("lat"), lat},
        {QStringLiteral("long"), longitude},
    };
}
