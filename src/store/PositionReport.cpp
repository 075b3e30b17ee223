#include "store/PositionReport.h"

#include "api/Endpoints.h"
#include "api/WireLog.h"
#include "store/UserManager.h"

namespace PositionReport {

void send(const QGeoCoordinate &position, NetworkService &network, UserManager &user) {
    // The exact position is the user's to keep: written only when asked for.
    qCDebug(lcWire).noquote() << QStringLiteral("Местоположение: %1, %2")
                                     .arg(position.latitude(), 0, 'g', 10)
                                     .arg(position.longitude(), 0, 'g', 10);
    Endpoints::updateGeo(
        position.latitude(), position.longitude(),
        [&user, position](const Result<EmptyResponse> &result) {
            if (!result.ok())
                return;
            user.update([&position](User &record) { record.lat = position.latitude(); });
            user.update([&position](User &record) { record.longitude = position.longitude(); });
        },
        network);
}

} // namespace PositionReport
