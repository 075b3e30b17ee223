// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/Endpoints.h"

#include "api/WireFormat.h"

namespace {

const QString get = QStringLiteral("GET");
const QString post = QStringLiteral("POST");
const QString put = QStringLiteral("PUT");

} // namespace

void Endpoints::checkVersion(const VersionCheckRequest &request,
                             Completion<VersionCheckResponse> completion, NetworkService &service) {
    service.request<VersionCheckResponse>(QStringLiteral("checkVersion"), post, request.toJson(),
                                          false, std::move(completion));
}

void Endpoints::validateDevice(const QString &sealedEnvelope, Completion<TokenResponse> completion,
                               NetworkService &service) {
    service.request<TokenResponse>(QStringLiteral("validateDevice"), post,
                                   RequestBodies::validateDevice(sealedEnvelope), false,
                                   std::move(completion));
}

void Endpoints::user(Completion<User> completion, NetworkService &service) {
    service.request<User>(QStringLiteral("user"), get, std::nullopt, true, std::move(completion));
}

void Endpoints::completeRegistration(const Registration &registration, Done completion,
                                     NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("completeRegistration"), post,
                                   RequestBodies::completeRegistration(registration), true,
                                   std::move(completion));
}

void Endpoints::uploadImages(const QList<QByteArray> &encodedPhotos,
                             Completion<ImagesUploadResponse> completion, NetworkService &service) {
    service.request<ImagesUploadResponse>(QStringLiteral("images/upload"), post,
                                          RequestBodies::uploadImages(encodedPhotos), true,
                                          std::move(completion));
}

void Endpoints::updateGeo(double lat, double longitude, Done completion, NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("user/geo"), put,
                                   RequestBodies::geo(lat, longitude), true, std::move(completion));
}

void Endpoints::sendPushToken(const QString &hexToken, Done completion, NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("pushToken"), post,
                                   RequestBodies::pushToken(hexToken), true, std::move(completion));
}

void Endpoints::fetchProfiles(Completion<QList<ProfileView>> completion, NetworkService &service) {
    service.request<QList<ProfileView>>(QStringLiteral("fetchProfiles"), get, std::nullopt, true,
                                        std::move(completion));
}

void Endpoints::swipeFromFeed(const QString &toUserID, SwipeType type, const QString &message,
                              Completion<SwipeResponse> completion, NetworkService &service) {
    service.request<SwipeResponse>(QStringLiteral("swipes"), post,
                                   RequestBodies::swipeFromFeed(toUserID, type, message), true,
                                   std::move(completion));
}

void Endpoints::swipeFromLikes(const QString &fromUserID, const QString &toUserID, SwipeType type,
                               const QString &message, Completion<SwipeResponse> completion,
                               NetworkService &service) {
    service.request<SwipeResponse>(
        QStringLiteral("swipes"), post,
        RequestBodies::swipeFromLikes(fromUserID, toUserID, type, message), true,
        std::move(completion));
}

void Endpoints::likes(Completion<QList<ProfileView>> completion, NetworkService &service) {
    service.request<QList<ProfileView>>(QStringLiteral("likes"), get, std::nullopt, true,
                                        std::move(completion));
}

void Endpoints::chats(int page, int perPage, Completion<QList<Match>> completion,
                      NetworkService &service) {
    service.request<QList<Match>>(QStringLiteral("chats?page=%1&perPage=%2").arg(page).arg(perPage),
                                  get, std::nullopt, true, std::move(completion));
}

void Endpoints::newerMessages(const QUuid &chatID, const QDateTime &after,
                              const QUuid &lastMessageID, Completion<QList<Message>> completion,
                              NetworkService &service) {
    QString path = QStringLiteral("chats/%1/messages/newer?after=%2")
                       .arg(WireFormat::uuidText(chatID), WireFormat::dateText(after));
    if (!lastMessageID.isNull())
        path += QStringLiteral("&lastMessageID=") + WireFormat::uuidText(lastMessageID);
    service.request<QList<Message>>(path, get, std::nullopt, true, std::move(completion));
}

void Endpoints::olderMessages(const QUuid &chatID, const QDateTime &before,
                              const QUuid &firstMessageID, Completion<QList<Message>> completion,
                              NetworkService &service) {
    QString path = QStringLiteral("chats/%1/messages/older?before=%2")
                       .arg(WireFormat::uuidText(chatID), WireFormat::dateText(before));
    if (!firstMessageID.isNull())
        path += QStringLiteral("&firstMessageID=") + WireFormat::uuidText(firstMessageID);
    service.request<QList<Message>>(path, get, std::nullopt, true, std::move(completion));
}

void Endpoints::sendMessage(const QUuid &chatID, const QString &content,
                            const QUuid &clientMessageID,
                            Completion<SendMessageResponse> completion, NetworkService &service) {
    service.request<SendMessageResponse>(
        QStringLiteral("sendMessage"), post,
        RequestBodies::sendMessage(chatID, content, clientMessageID), true, std::move(completion));
}

void Endpoints::cancelMatch(const QUuid &matchID, Done completion, NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("cancelMatch"), post,
                                   RequestBodies::cancelMatch(matchID), true,
                                   std::move(completion));
}

void Endpoints::complain(const QString &toUserID, const QString &message, Done completion,
                         NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("complain"), post,
                                   RequestBodies::complain(toUserID, message), true,
                                   std::move(completion));
}

void Endpoints::blockUser(const QString &toUserID, Done completion, NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("user/block"), post,
                                   RequestBodies::blockUser(toUserID), true, std::move(completion));
}

void Endpoints::updateBio(const QString &bio, const QString &job, const QString &edu,
                          const QString &city, Done completion, NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("user/bio"), put,
                                   RequestBodies::updateBio(bio, job, edu, city), true,
                                   std::move(completion));
}

void Endpoints::updateSettings(const DiscoverySettings &settings, Done completion,
                               NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("user/settings"), put,
                                   RequestBodies::updateSettings(settings), true,
                                   std::move(completion));
}

void Endpoints::deleteAccount(Done completion, NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("deleteAccount"), get, std::nullopt, true,
                                   std::move(completion));
}

void Endpoints::restoreUser(Done completion, NetworkService &service) {
    service.request<EmptyResponse>(QStringLiteral("restoreUser"), get, std::nullopt, true,
                                   std::move(completion));
}
