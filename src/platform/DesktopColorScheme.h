// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

// The desktop's light or dark preference as the XDG desktop portal publishes it, followed while
// the client runs: GNOME, KDE and others change it from their settings at any time.
class DesktopColorScheme : public QObject {
    Q_OBJECT

public:
    enum class Preference { None, Dark, Light };

    /// The desktop's portal on the session bus; never answers where there is no bus.
    [[nodiscard]] static DesktopColorScheme *ofDesktop(QObject *parent);

    /// Reads and follows the settings published by `service` on `bus`.
    DesktopColorScheme(const QDBusConnection &bus, const QString &service,
                       QObject *parent = nullptr);

    [[nodiscard]] Preference preference() const { return m_preference; }

Q_SIGNALS:
    void preferenceChanged(DesktopColorScheme::Preference preference);

private Q_SLOTS:
    void settingChanged(const QDBusMessage &change);

private:
    void apply(const QVariant &value);

    QDBusConnection m_bus;
    QString m_service;
    Preference m_preference = Preference::None;
};
