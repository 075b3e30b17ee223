// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/EmptyResponse.h"
#include "api/ImagesUploadResponse.h"
#include "api/Match.h"
#include "api/NetworkService.h"
#include "api/ProfileView.h"
#include "api/RequestBodies.h"
#include "api/Result.h"
#include "api/SendMessageResponse.h"
#include "api/SwipeResponse.h"
#include "api/TokenResponse.h"
#include "api/User.h"
#include "api/VersionCheckRequest.h"
#include "api/VersionCheckResponse.h"

#include <QDateTime>
#include <QList>
#include <QUuid>

// Every call the client makes to the service, typed. Each one goes through
// NetworkService::request once and reports exactly one result on the network thread.
class Endpoints {
public:
    template <class T> using Completion = std::function<void(Result<T>)>;
    using Done = Completion<EmptyResponse>;

    // Sent before sign-in: never carries the token.
    static void checkVersion(const VersionCheckRequest &request,
                             Completion<VersionCheckResponse> completion, NetworkService &service);
    // Signs in with the sealed device envelope; never carries the token.
    static void validateDevice(const QString &sealedEnvelope, Completion<TokenResponse> completion,
                               NetworkService &service);
    static void user(Completion<User> completion, NetworkService &service);
    static void completeRegistration(const Registration &registration, Done completion,
                                     NetworkService &service);
    // One request for all photos; the answer lists their addresses in the same order.
    static void uploadImages(const QList<QByteArray> &encodedPhotos,
                             Completion<ImagesUploadResponse> completion, NetworkService &service);
    static void updateGeo(double lat, double longitude, Done completion, NetworkService &service);
    static void sendPushToken(const QString &hexToken, Done completion, NetworkService &service);
    static void fetchProfiles(Completion<QList<ProfileView>> completion, NetworkService &service);
    static void swipeFromFeed(const QString &toUserID, SwipeType type, const QString &message,
                              Completion<SwipeResponse> completion, NetworkService &service);
    static void swipeFromLikes(const QString &fromUserID, const QString &toUserID, SwipeType type,
                               const QString &message, Completion<SwipeResponse> completion,
                               NetworkService &service);
    static void likes(Completion<QList<ProfileView>> completion, NetworkService &service);
    static void chats(int page, int perPage, Completion<QList<Match>> completion,
                      NetworkService &service);
    // Without a last message identifier (a null one), everything after the date.
    static void newerMessages(const QUuid &chatID, const QDateTime &after,
                              const QUuid &lastMessageID, Completion<QList<Message>> completion,
                              NetworkService &service);
    // The oldest message held (a null one when none) marks the place exactly: many messages
    // can share the second of its date.
    static void olderMessages(const QUuid &chatID, const QDateTime &before,
                              const QUuid &firstMessageID, Completion<QList<Message>> completion,
                              NetworkService &service);
    /// Sending again after a failure reuses `clientMessageID`: the service keeps one copy.
    static void sendMessage(const QUuid &chatID, const QString &content,
                            const QUuid &clientMessageID,
                            Completion<SendMessageResponse> completion, NetworkService &service);
    static void cancelMatch(const QUuid &matchID, Done completion, NetworkService &service);
    static void complain(const QString &toUserID, const QString &message, Done completion,
                         NetworkService &service);
    static void blockUser(const QString &toUserID, Done completion, NetworkService &service);
    static void updateBio(const QString &bio, const QString &job, const QString &edu,
                          const QString &city, Done completion, NetworkService &service);
    static void updateSettings(const DiscoverySettings &settings, Done completion,
                               NetworkService &service);
    // GET although it changes state.
    static void deleteAccount(Done completion, NetworkService &service);
    static void restoreUser(Done completion, NetworkService &service);
};
