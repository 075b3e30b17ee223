// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/PermissionPrompt.h"

#include <memory>

class CameraAccess;
class CloudAccount;
class DeviceAttestation;
class DeviceInfo;
class LocationService;
class NotificationPermission;
class UrlOpener;

// The platform services the screens call. It starts with the desktop ones; a test replaces
// them with its own doubles before it builds a screen.
class AppServices {
public:
    AppServices();
    ~AppServices();
    AppServices(const AppServices &) = delete;
    AppServices &operator=(const AppServices &) = delete;
    /// The client's question for the location, over the window.
    [[nodiscard]] static PermissionPrompt::Ask locationQuestion();

    CameraAccess &cameraAccess();
    CloudAccount &cloudAccount();
    DeviceAttestation &deviceAttestation();
    DeviceInfo &deviceInfo();
    UrlOpener &urlOpener();
    LocationService &locationService();
    NotificationPermission &notificationPermission();

    void setCameraAccess(std::unique_ptr<CameraAccess> service);
    void setCloudAccount(std::unique_ptr<CloudAccount> service);
    void setDeviceAttestation(std::unique_ptr<DeviceAttestation> service);
    void setDeviceInfo(std::unique_ptr<DeviceInfo> service);
    void setUrlOpener(std::unique_ptr<UrlOpener> service);
    void setLocationService(std::unique_ptr<LocationService> service);
    void setNotificationPermission(std::unique_ptr<NotificationPermission> service);

private:
    std::unique_ptr<CloudAccount> m_cloudAccount;
    std::unique_ptr<DeviceAttestation> m_deviceAttestation;
    std::unique_ptr<DeviceInfo> m_deviceInfo;
    std::unique_ptr<UrlOpener> m_urlOpener;
    // Created on first use: they read the user defaults, which need the application's name.
    std::unique_ptr<LocationService> m_locationService;
    std::unique_ptr<NotificationPermission> m_notificationPermission;
    std::unique_ptr<CameraAccess> m_cameraAccess;
};
