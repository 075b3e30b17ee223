// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/APIError.h"

#include <QGeoCoordinate>
#include <functional>
#include <optional>

class NetworkService;
class UserManager;

// Tells the service where the user is, once per screen that asks, and keeps the position in
// the user's own record when the service has it. `done` hears the failure, or nothing when the
// service took it, on whichever thread the answer came.
namespace PositionReport {
void send(const QGeoCoordinate &position, NetworkService &network, UserManager &user,
          std::function<void(std::optional<APIError> failure)> done = {});
} // namespace PositionReport
