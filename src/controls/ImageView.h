// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QQuickItem>
#include <QVariant>

// Draws an image made in C++ (a picked photo, a thumbnail of encoded bytes) stretched over the
// item, without a round trip through an image provider.
class ImageView : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    // A QImage; QML's tools know no QImage type, so it travels as a variant.
    Q_PROPERTY(QVariant image READ imageVariant WRITE setImageVariant NOTIFY imageChanged)
    // Whether the image keeps its proportions, fitted whole inside the item and centred, rather
    // than stretched over it.
    Q_PROPERTY(bool fit MEMBER m_fit NOTIFY fitChanged)

public:
    explicit ImageView(QQuickItem *parent = nullptr);

    QImage image() const { return m_image; }
    void setImage(const QImage &image);
    QVariant imageVariant() const { return QVariant::fromValue(m_image); }
    void setImageVariant(const QVariant &image) { setImage(image.value<QImage>()); }

Q_SIGNALS:
    void imageChanged();
    void fitChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *) override;

private:
    QImage m_image;
    bool m_imageChanged = false;
    bool m_fit = false;
};
