#include "SymbolIcons.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

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
        {QStringLiteral("flag.fill"), QStringLiteral("icons/flag")},
        {QStringLiteral("location.fill"), QStringLiteral("icons/map-pin")},
        {QStringLiteral("slider.horizontal.3"), QStringLiteral("icons/sliders-horizontal")},
        {QStringLiteral("arrowshape.up.fill"), QStringLiteral("icons/arrow-big-up")},
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
        {QStringLiteral("person.crop.rectangle.stack"),
         QStringLiteral("icons/gallery-vertical-end")},
    };
    const QString name = table.value(symbol);
    return name.isEmpty() ? QString() : QStringLiteral(":/%1.svg").arg(name);
}

QImage render(const QString &symbol, const QColor &color, bool bold, QSize size) {
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

    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setOpacity(color.alphaF());
    renderer.render(&painter);
    return image;
}

} // namespace SymbolIcons
