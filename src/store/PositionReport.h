#pragma once

#include <QGeoCoordinate>

class NetworkService;
class UserManager;

// Tells the service where the user is, once per screen that asks, and keeps the position in
// the user's own record when the service has it.
namespace PositionReport {
void send(const QGeoCoordinate &position, NetworkService &network, UserManager &user);
} // namespace PositionReport
