// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// The system symbol names that screens use, drawn with the vendored open-licence icon set.
namespace SymbolIcons {
/// The icon file for a symbol name such as "flame.fill"; empty when the symbol is unknown.
[[nodiscard]] QString fileFor(const QString &symbol);
/// The symbol's SVG tinted with the colour; ".fill" symbols filled, bold ones with heavier
/// strokes. Empty for an unknown symbol.
[[nodiscard]] QByteArray source(const QString &symbol, const QColor &color, bool bold);
/// The SVG drawn to exactly the size at the opacity; a null image when it cannot be drawn.
[[nodiscard]] QImage draw(const QByteArray &svg, QSize size, qreal opacity);
/// The symbol in the colour at the size; QML's image cache keeps what the screens show.
[[nodiscard]] QImage render(const QString &symbol, const QColor &color, bool bold, QSize size);
} // namespace SymbolIcons
