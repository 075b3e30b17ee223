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

QFont typeface(int pixelSize, QFont::Weight weight, qreal letterSpacing = 0) {
    QFont font(Theme::fontFamily());
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    if (letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
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

QString Theme::fontFamily() {
    return QStringLiteral("Inter");
}

QFont Theme::display() {
    return typeface(56, QFont::DemiBold, -2);
}

QFont Theme::wordmark() {
    return typeface(32, QFont::DemiBold, -1.2);
}

QFont Theme::largeTitle() {
    return typeface(32, QFont::Bold);
}

QFont Theme::title() {
    return typeface(26, QFont::Bold);
}

QFont Theme::titleAside() {
    return typeface(26, QFont::Normal);
}

QFont Theme::subtitle() {
    return typeface(20, QFont::Bold);
}

QFont Theme::lead() {
    return typeface(19, QFont::Normal);
}

QFont Theme::button() {
    return typeface(18, QFont::Bold);
}

QFont Theme::field() {
    return typeface(18, QFont::Normal);
}

QFont Theme::headline() {
    return typeface(17, QFont::DemiBold);
}

QFont Theme::row() {
    return typeface(17, QFont::Normal);
}

QFont Theme::body() {
    return typeface(16, QFont::Normal);
}

QFont Theme::bodyStrong() {
    return typeface(16, QFont::DemiBold);
}

QFont Theme::subhead() {
    return typeface(15, QFont::Normal);
}

QFont Theme::subheadStrong() {
    return typeface(15, QFont::DemiBold);
}

QFont Theme::caption() {
    return typeface(14, QFont::Normal);
}

QFont Theme::captionStrong() {
    return typeface(14, QFont::DemiBold);
}

QFont Theme::footnote() {
    return typeface(13, QFont::DemiBold);
}

QFont Theme::small() {
    return typeface(12, QFont::Normal);
}

QFont Theme::smallStrong() {
    return typeface(12, QFont::Bold);
}

QFont Theme::tabLabel() {
    return typeface(11, QFont::Medium);
}

QFont Theme::badge() {
    return typeface(11, QFont::Bold);
}
