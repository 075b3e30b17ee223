// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "store/PositionReport.h"

#include "api/Endpoints.h"
#include "api/WireLog.h"
#include "store/UserManager.h"

namespace PositionReport {

void send(const QGeoCoordinate &position, NetworkService &network, UserManager &user,
          std::function<void(std::optional<APIError> failure)> done) {
    // The exact position is the user's to keep: written only when asked for.
    qCDebug(lcWire).noquote() << QStringLiteral("Местоположение: %1, %2")
                                     .arg(position.latitude(), 0, 'g', 10)
                                     .arg(position.longitude(), 0, 'g', 10);
    Endpoints::updateGeo(
        position.latitude(), position.longitude(),
        [&user, position, done = std::move(done)](const Result<EmptyResponse> &result) {
            if (result.ok()) {
                user.update([&position](User &record) {
                    record.lat = position.latitude();
                    record.longitude = position.longitude();
                });
            }
            if (done)
                done(result.ok() ? std::nullopt : std::optional(result.error()));
        },
        network);
}

} // namespace PositionReport
