// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/PagedPhotos.h"
#include "media/PhotoScaler.h"
#include "ui/CardModel.h"

#include <QImage>
#include <QObject>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class Services;

// The photo row of a profile's details: the photos the profile holds, or else those its
// addresses give (all fetched at once with plain requests, failures skipped, and kept decoded
// only near the one shown), one bar per photo, the placeholder picture when none arrived. A tap on
// the left or right half pages, without wrapping around.
class UserInfoImageCell : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by its screen")
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY pageChanged)
    Q_PROPERTY(int count READ count NOTIFY imagesChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY imagesChanged)
    Q_PROPERTY(bool showsPlaceholder READ showsPlaceholder NOTIFY imagesChanged)
    Q_PROPERTY(QVariant image READ imageVariant NOTIFY pageChanged)
    Q_PROPERTY(PhotoScaler *photoScaler READ photoScaler CONSTANT)

public:
    UserInfoImageCell(const CardModel &model, const Services &services, QObject *parent = nullptr);

    /// The photos, a null image for one not decoded at the moment.
    [[nodiscard]] QList<QImage> images() const { return m_photos.images(); }
    int currentIndex() const { return m_currentIndex; }
    int count() const { return m_photos.count(); }
    bool isLoading() const { return m_loading; }
    bool showsPlaceholder() const { return !m_loading && count() == 0; }
    /// The photo shown, none when the index is out of range; while it is decoded again, the one
    /// shown before.
    [[nodiscard]] QImage image() const { return m_photos.shownImage(); }
    QVariant imageVariant() const { return image(); }
    /// What the view prepares the photo with.
    [[nodiscard]] PhotoScaler *photoScaler() const { return &m_scaler; }

    /// A tap at x on a photo of the given width.
    Q_INVOKABLE void tap(qreal x, qreal width);
    /// The previous (negative) or next photo, without wrapping round: the keyboard's paging.
    Q_INVOKABLE void step(int direction);

Q_SIGNALS:
    void pageChanged();
    void imagesChanged();

private:
    void setPages(QList<PhotoBatch::Page> pages);
    void show(int index);

    PhotoScaler &m_scaler;
    PagedPhotos m_photos;
    int m_currentIndex = 0;
    bool m_loading = false;
};
