// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cards/CardView.h"
#include "media/PhotoScaler.h"

#include <QImage>
#include <QPointer>
#include <QQuickItem>
#include <QVariant>

// One photo filling the item (cropped to keep its proportions) with rounded corners over black,
// optionally shaded towards the bottom. The finished pixels are prepared once per photo and
// size off the main thread and handed to the scene graph as a texture, so a card's first frame
// costs no painting on the main thread and moving the card costs no repaint.
class CardPhotoView : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    // Prepares the pixels and keeps the ones prepared; the view shows nothing without one.
    Q_PROPERTY(PhotoScaler *scaler READ scaler WRITE setScaler NOTIFY scalerChanged REQUIRED)
    Q_PROPERTY(CardView *card READ card WRITE setCard NOTIFY imageChanged)
    // A photo set directly, for views that page their own photos rather than a card's; QML's
    // tools know no QImage type, so it travels as a variant.
    Q_PROPERTY(QVariant photo READ photoVariant WRITE setPhotoVariant NOTIFY imageChanged)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY lookChanged)
    Q_PROPERTY(bool shaded READ shaded WRITE setShaded NOTIFY lookChanged)
    Q_PROPERTY(bool pending READ pending NOTIFY shownImageChanged)
    Q_PROPERTY(bool showing READ showing NOTIFY shownImageChanged)
public:
    explicit CardPhotoView(QQuickItem *parent = nullptr);

    [[nodiscard]] PhotoScaler *scaler() const { return m_scaler; }
    void setScaler(PhotoScaler *scaler);
    /// The card whose current photo is shown, followed as it pages.
    [[nodiscard]] CardView *card() const { return m_card; }
    void setCard(CardView *card);
    [[nodiscard]] QImage image() const { return m_image; }
    void setImage(const QImage &image);
    [[nodiscard]] QVariant photoVariant() const { return QVariant::fromValue(m_image); }
    void setPhotoVariant(const QVariant &photo) { setImage(photo.value<QImage>()); }
    [[nodiscard]] qreal radius() const { return m_look.radius; }
    void setRadius(qreal radius);
    [[nodiscard]] bool shaded() const { return m_look.shaded; }
    void setShaded(bool shaded);
    /// What is painted: the photo prepared for the item's pixel size, once that is ready.
    [[nodiscard]] QImage shownImage() const { return m_shown; }
    /// A photo is set but its pixels for the current size are not ready yet.
    [[nodiscard]] bool pending() const { return m_pending; }
    [[nodiscard]] bool showing() const { return !m_shown.isNull(); }

Q_SIGNALS:
    void scalerChanged();
    void imageChanged();
    void lookChanged();
    void shownImageChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *data) override;

private:
    [[nodiscard]] QSize pixelSize() const;
    void prepare();
    void show(const QImage &prepared, bool pending);

    QPointer<PhotoScaler> m_scaler;
    QPointer<CardView> m_card;
    QMetaObject::Connection m_cardPages;
    QImage m_image;
    QImage m_shown;
    PhotoScaler::Look m_look;
    bool m_pending = false;
    bool m_textureStale = false;
};
