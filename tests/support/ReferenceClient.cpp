#include "ReferenceClient.h"

#include "ServiceProcess.h"
#include "account/StartVC.h"
#include "api/Endpoints.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "platform/FileSecretBackend.h"
#include "platform/SecureStore.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QTemporaryDir>

namespace ReferenceClient {

void connect(const ServiceProcess &service, const QTemporaryDir &dir) {
    NetworkService::shared().setBaseUrl(service.baseUrl());
    SecureStore::shared().replaceBackend(
        std::make_unique<FileSecretBackend>(dir.filePath(QStringLiteral("store.json"))));
}

void placeAt(double lat, double lon, const QTemporaryDir &dir) {
    const auto defaults = [&dir](const QString &name) {
        return std::make_unique<QSettings>(dir.filePath(name), QSettings::IniFormat);
    };
    const PermissionPrompt::Ask allowAtOnce = [](const std::function<void(bool)> &answer) {
        answer(true);
        return true;
    };
    PositionOverride fixed;
    fixed.fixed = QGeoCoordinate(lat, lon);
    AppServices::shared().setLocationService(std::make_unique<DesktopLocationService>(
        defaults(QStringLiteral("location.ini")), fixed, false, allowAtOnce));
    AppServices::shared().setNotificationPermission(std::make_unique<DesktopNotificationPermission>(
        defaults(QStringLiteral("notifications.ini")), allowAtOnce));
}

bool signIn(Window &window) {
    auto *start = new StartVC();
    window.setRoot(start);
    start->loginButtonTapped();
    return QTest::qWaitFor(
        [start] { return qobject_cast<NavigationContainer *>(start->presentedViewController()); },
        kWaitMs);
}

bool registerAt(double lat, double lon) {
    const auto registered = await<EmptyResponse>([](auto done) {
        Endpoints::completeRegistration({QStringLiteral("Ищу людей"), QStringLiteral("Тест"),
                                         QStringLiteral("01021995"), GenderSelection::man,
                                         GenderSelection::all},
                                        done);
    });
    const auto placed =
        await<EmptyResponse>([=](auto done) { Endpoints::updateGeo(lat, lon, done); });
    return registered && registered->ok() && placed && placed->ok();
}

} // namespace ReferenceClient
