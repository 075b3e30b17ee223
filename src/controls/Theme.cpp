// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/Theme.h"

#include "platform/DesktopColorScheme.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

namespace {
bool forcedAppearance() {
    return !qEnvironmentVariableIsEmpty("ZIREL_APPEARANCE");
}

bool desktopPrefersDark() {
    if (forcedAppearance())
        return qgetenv("ZIREL_APPEARANCE") == "dark";
    switch (DesktopColorScheme::shared().preference()) {
    case DesktopColorScheme::Preference::Dark:
        return true;
    case DesktopColorScheme::Preference::Light:
        return false;
    case DesktopColorScheme::Preference::None:
        break;
    }
    // Without the portal's answer, the desktop's window colour tells the same.
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}
} // namespace

Theme::Theme(QObject *parent)
    : QObject(parent)
    , m_dark(desktopPrefersDark()) {
    if (forcedAppearance())
        return;
    // The desktop's setting can change at any time; the client follows it at once.
    connect(&DesktopColorScheme::shared(), &DesktopColorScheme::preferenceChanged, this,
            [this] { setDark(desktopPrefersDark()); });
    if (qApp)
        qApp->installEventFilter(this);
}

bool Theme::eventFilter(QObject *watched, QEvent *event) {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        setDark(desktopPrefersDark());
    return QObject::eventFilter(watched, event);
}

void Theme::setDark(bool dark) {
    if (dark == m_dark)
        return;
    m_dark = dark;
    Q_EMIT appearanceChanged();
}
