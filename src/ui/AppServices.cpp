// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/AppServices.h"

#include "platform/DesktopCameraAccess.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "platform/DesktopUrlOpener.h"
#include "platform/LinuxCloudAccount.h"
#include "platform/LinuxDeviceAttestation.h"
#include "platform/LinuxDeviceInfo.h"
#include "ui/PermissionAlert.h"

#include <QCoreApplication>

AppServices::AppServices()
    : m_cloudAccount(std::make_unique<LinuxCloudAccount>())
    , m_deviceAttestation(std::make_unique<LinuxDeviceAttestation>())
    , m_deviceInfo(std::make_unique<LinuxDeviceInfo>())
    , m_urlOpener(std::make_unique<DesktopUrlOpener>()) {}

AppServices::~AppServices() = default;

CloudAccount &AppServices::cloudAccount() {
    return *m_cloudAccount;
}

DeviceAttestation &AppServices::deviceAttestation() {
    return *m_deviceAttestation;
}

DeviceInfo &AppServices::deviceInfo() {
    return *m_deviceInfo;
}

UrlOpener &AppServices::urlOpener() {
    return *m_urlOpener;
}

void AppServices::setCloudAccount(std::unique_ptr<CloudAccount> service) {
    m_cloudAccount = std::move(service);
}

void AppServices::setDeviceAttestation(std::unique_ptr<DeviceAttestation> service) {
    m_deviceAttestation = std::move(service);
}

void AppServices::setDeviceInfo(std::unique_ptr<DeviceInfo> service) {
    m_deviceInfo = std::move(service);
}

void AppServices::setUrlOpener(std::unique_ptr<UrlOpener> service) {
    m_urlOpener = std::move(service);
}

LocationService &AppServices::locationService() {
    if (!m_locationService)
        m_locationService = DesktopLocationService::makeDefault(locationQuestion());
    return *m_locationService;
}

NotificationPermission &AppServices::notificationPermission() {
    if (!m_notificationPermission)
        m_notificationPermission = DesktopNotificationPermission::makeDefault(PermissionAlert::ask(
            QCoreApplication::translate("AppServices", "Включи уведомления"),
            QCoreApplication::translate("AppServices",
                                        "Ты ведь не хочешь пропустить пару или сообщения?")));
    return *m_notificationPermission;
}

CameraAccess &AppServices::cameraAccess() {
    if (!m_cameraAccess)
        m_cameraAccess = DesktopCameraAccess::makeDefault(PermissionAlert::ask(
            QCoreApplication::translate("AppServices", "Камера"),
            QCoreApplication::translate("AppServices",
                                        "Разрешить Zirel снимать фото для твоего профиля?")));
    return *m_cameraAccess;
}

void AppServices::setCameraAccess(std::unique_ptr<CameraAccess> service) {
    m_cameraAccess = std::move(service);
}

void AppServices::setLocationService(std::unique_ptr<LocationService> service) {
    m_locationService = std::move(service);
}

void AppServices::setNotificationPermission(std::unique_ptr<NotificationPermission> service) {
    m_notificationPermission = std::move(service);
}

PermissionPrompt::Ask AppServices::locationQuestion() {
    return PermissionAlert::ask(
        QCoreApplication::translate("AppServices", "Геопозиция"),
        QCoreApplication::translate("AppServices",
                                    "Разрешить Zirel использовать твоё "
                                    "местоположение, чтобы показывать людей рядом?"));
}
