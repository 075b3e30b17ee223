#include "controls/Theme.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
bool desktopPrefersDark() {
    const QByteArray forced = qgetenv("ZIREL_APPEARANCE");
    if (!forced.isEmpty())
        return forced == "dark";
    // Qt 6.4 has no colour-scheme hint; the desktop's window colour tells the same.
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}
} // namespace

Theme::Theme(QObject *parent)
    : QObject(parent)
    , m_dark(desktopPrefersDark()) {}

void Theme::setDark(bool dark) {
    if (dark == m_dark)
        return;
    m_dark = dark;
    Q_EMIT appearanceChanged();
}
