// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>
#include <QStringList>

// Another person's profile as the service shows it in the feed, the likes and a match.
struct ProfileView {
    QString userID;
    QString name;
    int age = 0;
    QString bio;
    int distance = 0;
    QString job;
    QString edu;
    QString city;
    // Absent on the wire means no photos; it is written back only when present.
    std::optional<QStringList> photoURLs;
    bool hasCheckmark = false;

    [[nodiscard]] static ProfileView read(DecodeContext &context);
    [[nodiscard]] static std::optional<ProfileView> fromJson(const QJsonValue &value,
                                                             QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;

    friend bool operator==(const ProfileView &, const ProfileView &) = default;
};
