// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/DesktopColorScheme.h"

#include "platform/SessionBus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

// The portal wraps the value in as many variants as its version likes.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}
} // namespace

DesktopColorScheme *DesktopColorScheme::ofDesktop(QObject *parent) {
    return new DesktopColorScheme(SessionBus::mayAnswer()
                                      ? QDBusConnection::sessionBus()
                                      : QDBusConnection(QStringLiteral("no-session-bus")),
                                  QStringLiteral("org.freedesktop.portal.Desktop"), parent);
}

DesktopColorScheme::DesktopColorScheme(const QDBusConnection &bus, const QString &service,
                                       QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_service(service) {
    if (!m_bus.isConnected())
        return;
    m_bus.connect(m_service, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QDBusMessage)));
    QDBusMessage read =
        QDBusMessage::createMethodCall(m_service, kPath, kInterface, QStringLiteral("Read"));
    read << kGroup << kKey;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *call) {
                const QDBusPendingReply<QDBusVariant> reply = *call;
                if (!reply.isError())
                    apply(reply.value().variant());
                call->deleteLater();
            });
}

void DesktopColorScheme::settingChanged(const QDBusMessage &change) {
    const QVariantList arguments = change.arguments();
    if (arguments.size() == 3 && arguments.at(0).toString() == kGroup &&
        arguments.at(1).toString() == kKey)
        apply(arguments.at(2));
}

void DesktopColorScheme::apply(const QVariant &value) {
    bool ok = false;
    const uint code = unwrapped(value).toUInt(&ok);
    const Preference preference = !ok         ? Preference::None
                                  : code == 1 ? Preference::Dark
                                  : code == 2 ? Preference::Light
                                              : Preference::None;
    if (preference == m_preference)
        return;
    m_preference = preference;
    Q_EMIT preferenceChanged(preference);
}
