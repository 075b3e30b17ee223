// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/DesktopLocationService.h"

#include "platform/DiagnosticLog.h"

#include <QFile>
#include <QGeoPositionInfoSource>
#include <QNmeaPositionInfoSource>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {
constexpr int kPositionTimeoutMs = 30000;
} // namespace

std::optional<QGeoCoordinate> PositionOverride::parse(const QString &text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool latOk = false;
    bool lonOk = false;
    const double lat = parts[0].trimmed().toDouble(&latOk);
    const double lon = parts[1].trimmed().toDouble(&lonOk);
    const QGeoCoordinate coordinate(lat, lon);
    if (!latOk || !lonOk || !coordinate.isValid())
        return std::nullopt;
    return coordinate;
}

PositionOverride PositionOverride::fromEnvironment(QString *error) {
    PositionOverride result;
    const QString fixed = qEnvironmentVariable("ZIREL_POSITION");
    if (!fixed.isEmpty()) {
        result.fixed = parse(fixed);
        if (!result.fixed && error)
            *error = QStringLiteral("ZIREL_POSITION is not \"lat,lon\": ") + fixed;
    }
    result.nmeaFile = qEnvironmentVariable("ZIREL_POSITION_FILE");
    return result;
}

DesktopLocationService::DesktopLocationService(std::unique_ptr<QSettings> defaults,
                                               PositionOverride override,
                                               bool systemSourceAvailable,
                                               PermissionPrompt::Ask ask, QString settingsProgram,
                                               QObject *parent)
    : LocationService(parent)
    , m_defaults(std::move(defaults))
    , m_override(std::move(override))
    , m_systemSource(systemSourceAvailable)
    , m_ask(std::move(ask))
    , m_settingsProgram(std::move(settingsProgram)) {}

std::unique_ptr<DesktopLocationService>
DesktopLocationService::makeDefault(PermissionPrompt::Ask ask) {
    QString error;
    PositionOverride override = PositionOverride::fromEnvironment(&error);
    if (!error.isEmpty())
        qCWarning(lcLocation).noquote() << error;
    // With a position given, the machine's sources are never asked, so they are not looked
    // for: listing them reads every position plugin, on the main thread while the feed loads.
    const bool systemSource =
        !override.isEmpty() || !QGeoPositionInfoSource::availableSources().isEmpty();
    return std::make_unique<DesktopLocationService>(
        std::make_unique<QSettings>(), std::move(override), systemSource, std::move(ask),
        QStandardPaths::findExecutable(QStringLiteral("gnome-control-center")));
}

LocationAuthorization DesktopLocationService::authorizationStatus() const {
    if (m_override.isEmpty() && !m_systemSource)
        return LocationAuthorization::Restricted;
    const QVariant answer = m_defaults->value(allowedKey());
    if (!answer.isValid())
        return LocationAuthorization::NotDetermined;
    return answer.toBool() ? LocationAuthorization::AuthorizedWhenInUse
                           : LocationAuthorization::Denied;
}

void DesktopLocationService::requestWhenInUseAuthorization(PermissionPrompt::Asked asked) {
    if (authorizationStatus() != LocationAuthorization::NotDetermined)
        return;
    if (asked == PermissionPrompt::Asked::Nobody) {
        ask();
        return;
    }
    // Answered on the next turn, as a question would be: the screen that asked may replace
    // itself when it hears the answer.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (authorizationStatus() == LocationAuthorization::NotDetermined)
                remember(true);
        },
        Qt::QueuedConnection);
}

void DesktopLocationService::openSettings() {
    // The client's own answer changes only through its own question. GNOME's location page
    // switches the desktop's position source, which is what is missing once the client is
    // allowed (or when there is none); other desktops have no such page.
    const LocationAuthorization status = authorizationStatus();
    const bool ownAnswerMissing =
        status == LocationAuthorization::NotDetermined || status == LocationAuthorization::Denied;
    if (ownAnswerMissing || m_settingsProgram.isEmpty() ||
        !QProcess::startDetached(m_settingsProgram, {QStringLiteral("location")}))
        ask();
}

void DesktopLocationService::ask() {
    if (m_asking || authorizationStatus() == LocationAuthorization::Restricted)
        return;
    m_asking = true;
    const bool asked = m_ask([self = QPointer<DesktopLocationService>(this)](bool allowed) {
        if (!self)
            return;
        self->m_asking = false;
        self->remember(allowed);
    });
    if (!asked)
        m_asking = false;
}

void DesktopLocationService::remember(bool allowed) {
    m_defaults->setValue(allowedKey(), allowed);
    m_defaults->sync();
    Q_EMIT authorizationChanged(authorizationStatus());
}

void DesktopLocationService::requestLocation() {
    if (!isAuthorized(authorizationStatus()))
        return;
    if (m_override.fixed) {
        // Answers come later, as they would from a real source.
        QTimer::singleShot(0, this, [this, coordinate = *m_override.fixed] {
            Q_EMIT locationsUpdated({coordinate});
        });
    } else if (!m_override.nmeaFile.isEmpty() && !m_source) {
        replayNmea();
    } else {
        requestFromSystem();
    }
}

void DesktopLocationService::replayNmea() {
    auto file = std::make_unique<QFile>(m_override.nmeaFile);
    if (!file->open(QIODevice::ReadOnly)) {
        const QString reason = file->errorString();
        QTimer::singleShot(0, this, [this, reason] {
            Q_EMIT failed(tr("не удалось открыть ") + m_override.nmeaFile + QStringLiteral(": ") +
                          reason);
        });
        return;
    }
    auto *source = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::SimulationMode, this);
    source->setDevice(file.get());
    file.release()->setParent(source);
    m_source = source;
    requestFromSystem();
}

void DesktopLocationService::requestFromSystem() {
    if (!m_source)
        m_source = QGeoPositionInfoSource::createDefaultSource(this);
    if (!m_source) {
        QTimer::singleShot(0, this, [this] { Q_EMIT failed(tr("нет источника местоположения")); });
        return;
    }
    QGeoPositionInfoSource *source = m_source;
    source->disconnect(this);
    connect(source, &QGeoPositionInfoSource::positionUpdated, this,
            [this](const QGeoPositionInfo &info) { Q_EMIT locationsUpdated({info.coordinate()}); });
    connect(source, &QGeoPositionInfoSource::errorOccurred, this,
            [this](QGeoPositionInfoSource::Error error) {
                Q_EMIT failed(error == QGeoPositionInfoSource::UpdateTimeoutError
                                  ? tr("время ожидания истекло")
                                  : tr("ошибка источника местоположения %1").arg(int(error)));
            });
    source->requestUpdate(kPositionTimeoutMs);
}
