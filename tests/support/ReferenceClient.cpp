// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ReferenceClient.h"

#include "ServiceProcess.h"
#include "account/DeviceEnvelope.h"
#include "account/StartVC.h"
#include "api/Endpoints.h"
#include "platform/DesktopLocationService.h"
#include "platform/DesktopNotificationPermission.h"
#include "platform/FileSecretBackend.h"
#include "platform/SecureStore.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"
#include "ui/Services.h"
#include "ui/Window.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

namespace ReferenceClient {

void connect(const Services &client, const ServiceProcess &service, const QTemporaryDir &dir) {
    client.network().setBaseUrl(service.baseUrl());
    client.secureStore().replaceBackend(
        std::make_unique<FileSecretBackend>(dir.filePath(QStringLiteral("store.json"))));
}

void placeAt(const Services &client, double lat, double lon, const QTemporaryDir &dir) {
    const auto defaults = [&dir](const QString &name) {
        return std::make_unique<QSettings>(dir.filePath(name), QSettings::IniFormat);
    };
    const PermissionPrompt::Ask allowAtOnce = [](const std::function<void(bool)> &answer) {
        answer(true);
        return true;
    };
    PositionOverride fixed;
    fixed.fixed = QGeoCoordinate(lat, lon);
    client.platform().setLocationService(std::make_unique<DesktopLocationService>(
        defaults(QStringLiteral("location.ini")), fixed, false, allowAtOnce));
    client.platform().setNotificationPermission(std::make_unique<DesktopNotificationPermission>(
        defaults(QStringLiteral("notifications.ini")), allowAtOnce));
}

bool signIn(Window &window, const Services &client) {
    auto *start = new StartVC(client);
    window.setRoot(start);
    start->loginButtonTapped();
    return QTest::qWaitFor(
        [start] { return qobject_cast<NavigationContainer *>(start->presentedViewController()); },
        kWaitMs);
}

bool registerAt(NetworkService &network, double lat, double lon) {
    const auto registered = await<EmptyResponse>([&network](auto done) {
        Endpoints::completeRegistration({QStringLiteral("Ищу людей"), QStringLiteral("Тест"),
                                         QStringLiteral("01021995"), GenderSelection::man,
                                         GenderSelection::all},
                                        done, network);
    });
    const auto placed = await<EmptyResponse>(
        [&network, lat, lon](auto done) { Endpoints::updateGeo(lat, lon, done, network); });
    return registered && registered->ok() && placed && placed->ok();
}

std::unique_ptr<NetworkService> registeredPerson(const ServiceProcess &service, const QUuid &id) {
    auto network = std::make_unique<NetworkService>();
    network->setBaseUrl(service.baseUrl());
    QByteArray attestation(48, Qt::Uninitialized);
    QRandomGenerator::global()->generate(attestation.begin(), attestation.end());
    const QString userId = WireFormat::uuidText(id);
    const std::optional<QString> sealed =
        DeviceEnvelope(QStringLiteral("_e2e") + userId, userId, attestation,
                       {QStringLiteral("pc"), QStringLiteral("pc"), QStringLiteral("Debian"),
                        QStringLiteral("12"), QStringLiteral("1.0")})
            .seal();
    const auto token = await<TokenResponse>(
        [&](auto done) { Endpoints::validateDevice(sealed.value_or(QString()), done, *network); });
    if (!token || !token->ok())
        return nullptr;
    network->setPaseto(token->value().token);
    const auto registered = await<EmptyResponse>([&](auto done) {
        Endpoints::completeRegistration({QString(), QStringLiteral("Имя"),
                                         QStringLiteral("01021995"), GenderSelection::man,
                                         GenderSelection::all},
                                        done, *network);
    });
    return registered && registered->ok() ? std::move(network) : nullptr;
}

} // namespace ReferenceClient
