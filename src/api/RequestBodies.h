// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/GenderSelection.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QUuid>

// How a swipe is recorded by the service.
enum class SwipeType { left, right, superlike };

[[nodiscard]] QString swipeTypeText(SwipeType type);

// Everything the settings call sends; all of it goes every time.
struct DiscoverySettings {
    int maxDistance = 0;
    bool showMore = false;
    GenderSelection selectedGender = GenderSelection::all;
    int ageStart = 0;
    int ageEnd = 0;
    bool showMoreAge = false;
    bool active = true;

    friend bool operator==(const DiscoverySettings &, const DiscoverySettings &) = default;
};

// What registration sends once the steps are done.
struct Registration {
    QString bio;
    QString name;
    QString birthday;
    GenderSelection genderInput = GenderSelection::man;
    GenderSelection selectedGender = GenderSelection::all;
};

// The JSON bodies of the calls that carry one. Identifiers go out as upper-case UUID text.
namespace RequestBodies {

[[nodiscard]] QJsonObject validateDevice(const QString &sealedEnvelope);
[[nodiscard]] QJsonObject completeRegistration(const Registration &registration);
// Each photo's encoded bytes become one standard base64 text without line breaks.
[[nodiscard]] QJsonObject uploadImages(const QList<QByteArray> &encodedPhotos);
[[nodiscard]] QJsonObject geo(double lat, double longitude);
[[nodiscard]] QJsonObject pushToken(const QString &hexToken);
[[nodiscard]] QJsonObject swipeFromFeed(const QString &toUserID, SwipeType type,
                                        const QString &message);
[[nodiscard]] QJsonObject swipeFromLikes(const QString &fromUserID, const QString &toUserID,
                                         SwipeType type, const QString &message);
/// `clientMessageID` names the message, so the service stores it once however often it is sent.
[[nodiscard]] QJsonObject sendMessage(const QUuid &chatID, const QString &content,
                                      const QUuid &clientMessageID);
[[nodiscard]] QJsonObject cancelMatch(const QUuid &matchID);
[[nodiscard]] QJsonObject complain(const QString &toUserID, const QString &message);
[[nodiscard]] QJsonObject blockUser(const QString &toUserID);
[[nodiscard]] QJsonObject updateBio(const QString &bio, const QString &job, const QString &edu,
                                    const QString &city);
[[nodiscard]] QJsonObject updateSettings(const DiscoverySettings &settings);

} // namespace RequestBodies
