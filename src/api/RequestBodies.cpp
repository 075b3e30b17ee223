// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/RequestBodies.h"

#include "api/WireFormat.h"

#include <QJsonArray>

QString swipeTypeText(SwipeType type) {
    switch (type) {
    case SwipeType::left:
        return QStringLiteral("left");
    case SwipeType::right:
        return QStringLiteral("right");
    case SwipeType::superlike:
        break;
    }
    return QStringLiteral("superlike");
}

namespace RequestBodies {

QJsonObject validateDevice(const QString &sealedEnvelope) {
    return {{QStringLiteral("data"), sealedEnvelope}};
}

QJsonObject completeRegistration(const Registration &registration) {
    return {{QStringLiteral("bio"), registration.bio},
            {QStringLiteral("name"), registration.name},
            {QStringLiteral("birthday"), registration.birthday},
            {QStringLiteral("genderInput"), genderSelectionText(registration.genderInput)},
            {QStringLiteral("selectedGender"), genderSelectionText(registration.selectedGender)}};
}

QJsonObject uploadImages(const QList<QByteArray> &encodedPhotos) {
    QJsonArray images;
    for (const QByteArray &photo : encodedPhotos)
        images.append(QString::fromLatin1(photo.toBase64()));
    return {{QStringLiteral("images"), images}};
}

QJsonObject geo(double lat, double longitude) {
    return {{QStringLiteral("lat"), lat}, {QStringLiteral("long"), longitude}};
}

QJsonObject pushToken(const QString &hexToken) {
    return {{QStringLiteral("pushToken"), hexToken}};
}

QJsonObject swipeFromFeed(const QString &toUserID, SwipeType type, const QString &message) {
    return {{QStringLiteral("toUserID"), toUserID},
            {QStringLiteral("swipeType"), swipeTypeText(type)},
            {QStringLiteral("message"), message}};
}

QJsonObject swipeFromLikes(const QString &fromUserID, const QString &toUserID, SwipeType type,
                           const QString &message) {
    QJsonObject body = swipeFromFeed(toUserID, type, message);
    body.insert(QStringLiteral("fromUserID"), fromUserID);
    return body;
}

QJsonObject sendMessage(const QUuid &chatID, const QString &content, const QUuid &clientMessageID) {
    return {{QStringLiteral("chatID"), WireFormat::uuidText(chatID)},
            {QStringLiteral("content"), content},
            {QStringLiteral("clientMessageID"), WireFormat::uuidText(clientMessageID)}};
}

QJsonObject cancelMatch(const QUuid &matchID) {
    return {{QStringLiteral("matchID"), WireFormat::uuidText(matchID)}};
}

QJsonObject complain(const QString &toUserID, const QString &message) {
    return {{QStringLiteral("toUserID"), toUserID}, {QStringLiteral("message"), message}};
}

QJsonObject blockUser(const QString &toUserID) {
    return {{QStringLiteral("toUserID"), toUserID}};
}

QJsonObject updateBio(const QString &bio, const QString &job, const QString &edu,
                      const QString &city) {
    return {{QStringLiteral("bio"), bio},
            {QStringLiteral("job"), job},
            {QStringLiteral("edu"), edu},
            {QStringLiteral("city"), city}};
}

QJsonObject updateSettings(const DiscoverySettings &settings) {
    return {{QStringLiteral("maxDistance"), settings.maxDistance},
            {QStringLiteral("showMore"), settings.showMore},
            {QStringLiteral("selectedGender"), genderSelectionText(settings.selectedGender)},
            {QStringLiteral("ageStart"), settings.ageStart},
            {QStringLiteral("ageEnd"), settings.ageEnd},
            {QStringLiteral("showMoreAge"), settings.showMoreAge},
            {QStringLiteral("active"), settings.active}};
}

} // namespace RequestBodies
