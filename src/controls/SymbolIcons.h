#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// The system symbol names that screens use, drawn with the vendored open-licence icon set.
namespace SymbolIcons {
/// The icon file for a symbol name such as "flame.fill"; empty when the symbol is unknown.
[[nodiscard]] QString fileFor(const QString &symbol);
/// Draws the symbol in the colour; ".fill" symbols are filled, bold ones drawn heavier.
[[nodiscard]] QImage render(const QString &symbol, const QColor &color, bool bold, QSize size);
} // namespace SymbolIcons
