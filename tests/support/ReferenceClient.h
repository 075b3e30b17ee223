// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Result.h"

#include <QTest>
#include <QUuid>
#include <memory>
#include <optional>

class NetworkService;
class QTemporaryDir;
class ServiceProcess;
class Services;
class Window;

// A test's client services pointed at a running reference service, and the first steps of a
// newcomer that the end-to-end tests start with.
namespace ReferenceClient {

constexpr int kWaitMs = 15000;

// The answer of one call, or nothing when it did not come in time.
template <class T, class Call> std::optional<Result<T>> await(Call call) {
    std::optional<Result<T>> answer;
    call([&answer](const Result<T> &result) { answer = result; });
    (void)QTest::qWaitFor([&answer] { return answer.has_value(); }, kWaitMs);
    return answer;
}

// The client's network talks to `service`; its secure store keeps its values in `dir`.
void connect(const Services &client, const ServiceProcess &service, const QTemporaryDir &dir);
// Presses "Войти" on a new sign-in screen in `window`; true once the next step is presented.
[[nodiscard]] bool signIn(Window &window, const Services &client);
// The client sits at the position and allows the location and notifications at once; both
// answers are kept in `dir`.
void placeAt(const Services &client, double lat, double lon, const QTemporaryDir &dir);
// Completes the signed-in newcomer's registration and puts them at the position.
[[nodiscard]] bool registerAt(NetworkService &network, double lat, double lon);
// Another person on `service`, signed in on a network of their own and registered (a man,
// shown everyone); null when the service refused any step.
[[nodiscard]] std::unique_ptr<NetworkService>
registeredPerson(const ServiceProcess &service, const QUuid &id = QUuid::createUuid());

} // namespace ReferenceClient
