// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cards/ProfileCardModel.h"

#include <QCoreApplication>

CardModel ProfileCardModel::make(const ProfileView &profile, Distance distance) {
    CardModel model;
    model.userID = profile.userID;
    model.name = profile.name;
    model.photoURLs = profile.photoURLs;
    model.hasCheckmark = profile.hasCheckmark;
    model.age = QString::number(profile.age);
    const auto add = [&model](InfoType type, const QString &value) {
        if (!value.isEmpty())
            model.info.append({type, value});
    };
    add(InfoType::About, profile.bio);
    add(InfoType::Distance,
        distance == Distance::FromYou
            ? QCoreApplication::translate("ProfileCardModel", "%1 км от тебя").arg(profile.distance)
            : QCoreApplication::translate("ProfileCardModel", "%1 км").arg(profile.distance));
    add(InfoType::Position, profile.job);
    add(InfoType::Education, profile.edu);
    add(InfoType::City, profile.city);
    return model;
}
