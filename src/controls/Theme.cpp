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
} // namespace

bool Theme::desktopPrefersDark() const {
    if (forcedAppearance())
        return qgetenv("ZIREL_APPEARANCE") == "dark";
    switch (m_scheme ? m_scheme->preference() : DesktopColorScheme::Preference::None) {
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

Theme::Theme(QObject *parent)
    : QObject(parent) {
    m_dark = desktopPrefersDark();
    if (forcedAppearance())
        return;
    // The desktop's setting can change at any time; the client follows it at once.
    m_scheme = DesktopColorScheme::ofDesktop(this);
    connect(m_scheme, &DesktopColorScheme::preferenceChanged, this,
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
