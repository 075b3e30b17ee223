// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <functional>

// Whether the client may take pictures with the camera.
enum class CameraAuthorization {
    NotDetermined,
    Restricted,
    Denied,
    Authorized,
};

// The camera for the profile photos: whether there is one, and the user's permission to use it.
class CameraAccess {
public:
    /// Runs once, on the main thread, with whether the camera may be used now.
    using Answer = std::function<void(bool granted)>;

    virtual ~CameraAccess() = default;

    [[nodiscard]] virtual CameraAuthorization authorizationStatus() const = 0;
    /// Asks the user; a question that cannot be put is answered "no" at once.
    virtual void requestAccess(Answer answer) = 0;
    /// Whether the machine has a camera to open.
    [[nodiscard]] virtual bool hasCamera() const = 0;
    /// The camera to open, as the camera module names it.
    [[nodiscard]] virtual QByteArray camera() const = 0;
    /// The way back from a refusal: the client's own question again when it was the user's
    /// answer that refused, otherwise the desktop's camera privacy page where it has one (the
    /// answer then never comes: the user returns to the camera row).
    virtual void openSettings(Answer answer) = 0;
};
