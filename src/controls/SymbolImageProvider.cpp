// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/SymbolImageProvider.h"

#include "controls/SymbolIcons.h"

#include <QUrlQuery>

SymbolImageProvider::SymbolImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage SymbolImageProvider::requestImage(const QString &id, QSize *size,
                                         const QSize &requestedSize) {
    const qsizetype queryStart = id.indexOf(QLatin1Char('?'));
    const QString symbol = id.left(queryStart);
    const QUrlQuery query(queryStart < 0 ? QString() : id.mid(queryStart + 1));
    const QColor color(query.queryItemValue(QStringLiteral("color"), QUrl::FullyDecoded));
    const bool bold = query.queryItemValue(QStringLiteral("bold")) == QStringLiteral("1");
    const QSize target =
        requestedSize.isValid() && !requestedSize.isEmpty() ? requestedSize : QSize(48, 48);
    QImage image =
        SymbolIcons::render(symbol, color.isValid() ? color : QColor(Qt::black), bold, target);
    if (size)
        *size = image.size();
    return image;
}
