#pragma once

#include <QImage>
#include <QQuickPaintedItem>

// One photo filling the item (cropped to keep its proportions) with rounded corners, painted
// once per photo or size change so a moving card costs no repaint.
class CardPhotoView : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QImage image READ image WRITE setImage NOTIFY imageChanged)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
public:
    explicit CardPhotoView(QQuickItem *parent = nullptr);

    [[nodiscard]] QImage image() const { return m_image; }
    void setImage(const QImage &image);
    [[nodiscard]] qreal radius() const { return m_radius; }
    void setRadius(qreal radius);

    /// The part of an image of that size shown in a box of that size: centred, aspect kept.
    [[nodiscard]] static QRectF fillSourceRect(QSizeF image, QSizeF box);

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void imageChanged();
    void radiusChanged();

private:
    QImage m_image;
    qreal m_radius = 0;
};
