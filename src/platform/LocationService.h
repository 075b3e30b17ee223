// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/PermissionPrompt.h"

#include <QGeoCoordinate>
#include <QList>
#include <QObject>

// Whether the client may read the user's position.
enum class LocationAuthorization {
    NotDetermined,
    Restricted,
    Denied,
    AuthorizedWhenInUse,
    AuthorizedAlways,
};

// The user's position for the screens that need it. Answers arrive as signals on the main
// thread, so every screen that listens is told, and a screen that goes away stops listening.
class LocationService : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    [[nodiscard]] virtual LocationAuthorization authorizationStatus() const = 0;
    /// Asks the user for access while the client is in use, unless `asked` says a screen did;
    /// the answer comes as authorizationChanged.
    virtual void requestWhenInUseAuthorization(PermissionPrompt::Asked asked) = 0;
    /// One position, reported once through locationsUpdated or failed.
    virtual void requestLocation() = 0;
    /// Asks the client's own question again, whatever was answered before; once it is allowed,
    /// opens the desktop's location settings instead, where the desktop has them.
    virtual void openSettings() = 0;

    [[nodiscard]] static bool isAuthorized(LocationAuthorization status) {
        return status == LocationAuthorization::AuthorizedWhenInUse ||
               status == LocationAuthorization::AuthorizedAlways;
    }

Q_SIGNALS:
    void locationsUpdated(const QList<QGeoCoordinate> &locations);
    void failed(const QString &error);
    void authorizationChanged(LocationAuthorization status);
};
