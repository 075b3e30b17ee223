// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/LocationService.h"
#include "platform/PermissionPrompt.h"

#include <QPointer>
#include <QSettings>
#include <memory>
#include <optional>

class QGeoPositionInfoSource;

// Where positions come from when the machine's own source is not to be used: a fixed
// coordinate or an NMEA log replayed from a file (demos and tests).
struct PositionOverride {
    std::optional<QGeoCoordinate> fixed;
    QString nmeaFile;

    /// Reads ZIREL_POSITION ("lat,lon") and ZIREL_POSITION_FILE; a malformed fixed position is
    /// reported in `error` and ignored.
    [[nodiscard]] static PositionOverride fromEnvironment(QString *error = nullptr);
    /// "55.75,37.62" as a coordinate; nothing for any other text or an impossible coordinate.
    [[nodiscard]] static std::optional<QGeoCoordinate> parse(const QString &text);
    [[nodiscard]] bool isEmpty() const { return !fixed && nmeaFile.isEmpty(); }
};

// Positions from Qt Positioning (GeoClue on desktops) or an override. The desktop grants
// positions to any program, so the permission is the client's own question, remembered in the
// user defaults under "locationAllowed"; "restricted" when there is no source at all.
class DesktopLocationService final : public LocationService {
    Q_OBJECT
public:
    [[nodiscard]] static QString allowedKey() { return QStringLiteral("locationAllowed"); }

    DesktopLocationService(std::unique_ptr<QSettings> defaults, PositionOverride override,
                           bool systemSourceAvailable, PermissionPrompt::Ask ask,
                           QString settingsProgram = {}, QObject *parent = nullptr);
    /// The service over the application's user defaults, the environment and the machine,
    /// asking the user with `ask`.
    [[nodiscard]] static std::unique_ptr<DesktopLocationService>
    makeDefault(PermissionPrompt::Ask ask);

    [[nodiscard]] LocationAuthorization authorizationStatus() const override;
    void requestWhenInUseAuthorization(PermissionPrompt::Asked asked) override;
    void requestLocation() override;
    void openSettings() override;

private:
    void ask();
    void remember(bool allowed);
    void replayNmea();
    void requestFromSystem();

    std::unique_ptr<QSettings> m_defaults;
    PositionOverride m_override;
    bool m_systemSource;
    PermissionPrompt::Ask m_ask;
    QString m_settingsProgram;
    bool m_asking = false;
    QPointer<QGeoPositionInfoSource> m_source;
};
