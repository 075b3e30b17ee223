// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "controls/SymbolIcons.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPainter>

namespace SymbolIcons {

QString fileFor(const QString &symbol) {
    static const QHash<QString, QString> table = {
        {QStringLiteral("Logo"), QStringLiteral("images/Logo")},
        {QStringLiteral("chevron.left"), QStringLiteral("icons/chevron-left")},
        {QStringLiteral("key.icloud.fill"), QStringLiteral("icons/key-round")},
        {QStringLiteral("pause.circle.fill"), QStringLiteral("icons/circle-pause")},
        {QStringLiteral("bell.badge"), QStringLiteral("icons/bell-ring")},
        {QStringLiteral("flame.fill"), QStringLiteral("icons/flame")},
        {QStringLiteral("heart.fill"), QStringLiteral("icons/heart")},
        {QStringLiteral("message.fill"), QStringLiteral("icons/message-circle")},
        {QStringLiteral("bubble.left.and.bubble.right.fill"),
         QStringLiteral("icons/messages-square")},
        {QStringLiteral("person.fill"), QStringLiteral("icons/user-round")},
        {QStringLiteral("xmark"), QStringLiteral("icons/x")},
        {QStringLiteral("star.fill"), QStringLiteral("icons/star")},
        {QStringLiteral("arrow.uturn.backward"), QStringLiteral("icons/undo-2")},
        {QStringLiteral("info.circle.fill"), QStringLiteral("icons/info")},
        {QStringLiteral("exclamationmark.circle"), QStringLiteral("icons/circle-alert")},
        {QStringLiteral("camera"), QStringLiteral("icons/camera")},
        {QStringLiteral("photo"), QStringLiteral("icons/image")},
        {QStringLiteral("plus.square.dashed"), QStringLiteral("icons/square-dashed-plus")},
        {QStringLiteral("plus"), QStringLiteral("icons/plus")},
        {QStringLiteral("flag.fill"), QStringLiteral("icons/flag")},
        {QStringLiteral("location.fill"), QStringLiteral("icons/map-pin")},
        {QStringLiteral("slider.horizontal.3"), QStringLiteral("icons/sliders-horizontal")},
        {QStringLiteral("arrowshape.up.fill"), QStringLiteral("icons/arrow-big-up")},
        {QStringLiteral("arrowshape.down.fill"), QStringLiteral("icons/arrow-big-down")},
        {QStringLiteral("person.crop.square.fill"), QStringLiteral("icons/square-user")},
        {QStringLiteral("heart.text.square"), QStringLiteral("icons/message-square-heart")},
        {QStringLiteral("placeholder"), QStringLiteral("images/placeholder")},
        {QStringLiteral("checkmark.seal.fill"), QStringLiteral("icons/badge-check")},
        {QStringLiteral("location.fill.viewfinder"), QStringLiteral("icons/locate-fixed")},
        {QStringLiteral("briefcase"), QStringLiteral("icons/briefcase")},
        {QStringLiteral("graduationcap"), QStringLiteral("icons/graduation-cap")},
        {QStringLiteral("house"), QStringLiteral("icons/house")},
        {QStringLiteral("quote.opening"), QStringLiteral("icons/quote")},
        {QStringLiteral("checkmark"), QStringLiteral("icons/check")},
        {QStringLiteral("arrow.up"), QStringLiteral("icons/arrow-up")},
        {QStringLiteral("arrow.counterclockwise"), QStringLiteral("icons/rotate-ccw")},
        {QStringLiteral("heart.text.square.fill"), QStringLiteral("icons/message-square-heart")},
        {QStringLiteral("gearshape.fill"), QStringLiteral("icons/settings")},
        {QStringLiteral("applepencil.gen1"), QStringLiteral("icons/pencil")},
        {QStringLiteral("circle.fill"), QStringLiteral("icons/circle")},
        {QStringLiteral("person.crop.rectangle.stack"),
         QStringLiteral("icons/gallery-vertical-end")},
    };
    const QString name = table.value(symbol);
    return name.isEmpty() ? QString() : QStringLiteral(":/%1.svg").arg(name);
}

QByteArray source(const QString &symbol, const QColor &color, bool bold) {
    const QString path = fileFor(symbol);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    const QByteArray colorName = color.name(QColor::HexRgb).toLatin1();
    // Filled symbols keep their outline too, so thin parts of the shape stay visible.
    if (symbol.endsWith(QStringLiteral(".fill")))
        svg.replace("fill=\"none\"", "fill=\"" + colorName + '"');
    svg.replace("currentColor", colorName);
    if (bold)
        svg.replace("stroke-width=\"2\"", "stroke-width=\"3\"");
    return svg;
}

QImage draw(const QByteArray &svg, QSize size, qreal opacity) {
    // Qt's SVG image reader is a plugin, so the vector renderer is loaded only when a symbol
    // is actually drawn rather than at every start.
    QBuffer buffer;
    buffer.setData(svg);
    QImageReader reader(&buffer, "svg");
    reader.setAutoDetectImageFormat(false);
    reader.setScaledSize(size);
    QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        return {};
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (opacity >= 1.0)
        return image;
    QImage faded(size, QImage::Format_ARGB32_Premultiplied);
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(opacity);
    painter.drawImage(0, 0, image);
    return faded;
}

QImage render(const QString &symbol, const QColor &color, bool bold, QSize size) {
    const QByteArray svg = source(symbol, color, bold);
    if (svg.isEmpty() || size.isEmpty())
        return {};
    return draw(svg, size, color.alphaF());
}

} // namespace SymbolIcons
