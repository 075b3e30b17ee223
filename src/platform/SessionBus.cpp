// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/SessionBus.h"

#include <QFileInfo>
#include <QString>

namespace {
// An address no D-Bus library connects to: both GLib and libdbus refuse its transport at once,
// with no attempt to start a bus.
constexpr char noBus[] = "disabled:";
} // namespace

bool SessionBus::mayAnswer() {
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address != noBus;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

void SessionBus::neverAutolaunch() {
    if (!mayAnswer())
        qputenv("DBUS_SESSION_BUS_ADDRESS", noBus);
}
