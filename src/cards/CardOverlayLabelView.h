// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>

// The stamp an overlay shows: the title in a bold face inside a coloured rounded border,
// turned by an angle about its centre. The text shrinks to fit the box, down to the style's
// least scale (half its size on a profile card).
// Every card has its stamps, so the drawing of a title in a colour and size is made once and
// shared: a new card only wraps finished pixels in a texture.
class CardOverlayLabelView : public QQuickItem {
    Q_OBJECT
public:
    static constexpr qreal kBorderWidth = 4;
    static constexpr qreal kCornerRadius = 4;
    static constexpr int kFontPixelSize = 42;
    static constexpr qreal kHorizontalPadding = 10;
    static constexpr qreal kVerticalPadding = 2;

    /// How big the stamp is drawn; the defaults are a profile card's.
    struct Style {
        qreal borderWidth = kBorderWidth;
        qreal cornerRadius = kCornerRadius;
        int fontPixelSize = kFontPixelSize;
        qreal letterSpacing = 0;
        qreal minimumScale = 0.5;
    };

    /// angle in radians, positive turning clockwise on screen.
    CardOverlayLabelView(qreal angle, const QString &title, const QColor &color,
                         QQuickItem *parent = nullptr);
    CardOverlayLabelView(qreal angle, const QString &title, const QColor &color, const Style &style,
                         QQuickItem *parent = nullptr);

    [[nodiscard]] qreal angle() const { return m_angle; }
    [[nodiscard]] QString title() const { return m_title; }
    [[nodiscard]] QColor color() const { return m_color; }

    /// The size the label takes when it is free to take its full font size.
    [[nodiscard]] QSizeF naturalSize() const;
    /// The font size the title is drawn with in the current width.
    [[nodiscard]] int fittedPixelSize() const;

    /// The stamp drawn at the current size for the window's pixel ratio.
    [[nodiscard]] QImage image() const;

protected:
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    [[nodiscard]] QImage draw(QSize pixels, qreal ratio) const;
    [[nodiscard]] QFont font(int pixelSize) const;

    qreal m_angle;
    QString m_title;
    QColor m_color;
    Style m_style;
};
