// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/ProfileView.h"

ProfileView ProfileView::read(DecodeContext &context) {
    ProfileView profile;
    profile.userID = context.string("userID");
    profile.name = context.string("name");
    profile.age = context.integer("age");
    profile.bio = context.string("bio");
    profile.distance = context.integer("distance");
    profile.job = context.string("job");
    profile.edu = context.string("edu");
    profile.city = context.string("city");
    profile.photoURLs = context.optionalStrings("photoURLs");
    profile.hasCheckmark = context.boolean("hasCheckmark");
    return profile;
}

std::optional<ProfileView> ProfileView::fromJson(const QJsonValue &value, QString *error) {
    return decodeRecord<ProfileView>(value, error);
}

QJsonObject ProfileView::toJson() const {
    QJsonObject json{
        {QStringLiteral("userID"), userID},
        {QStringLiteral("name"), name},
        {QStringLiteral("age"), age},
        {QStringLiteral("bio"), bio},
        {QStringLiteral("distance"), distance},
        {QStringLiteral("job"), job},
        {QStringLiteral("edu"), edu},
        {QStringLiteral("city"), city},
        {QStringLiteral("hasCheckmark"), hasCheckmark},
    };
    if (photoURLs)
        json.insert(QStringLiteral("photoURLs"), QJsonArray::fromStringList(*photoURLs));
    return json;
}
