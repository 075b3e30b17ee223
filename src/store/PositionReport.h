#pragma once

#include <QGeoCoordinate>
#include <functional>

class NetworkService;
class UserManager;

// Tells the service where the user is, once per screen that asks, and keeps the position in
// the user's own record when the service has it. `done` hears whether it did, on whichever
// thread the answer came.
namespace PositionReport {
void send(const QGeoCoordinate &position, NetworkService &network, UserManager &user,
          std::function<void(bool sent)> done = {});
} // namespace PositionReport
