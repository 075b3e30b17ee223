// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "photos/ImageCropperVC.h"
#include "photos/PhotoSlots.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <QVariantList>
#include <functional>

// The six photo tiles of a screen and what a tap, a drop or a paste does to them: a filled tile
// asks before its photo is deleted, an empty one opens the picker, and a picked, dropped or
// pasted picture is cropped and screened into the first empty slot. The registration's photo
// step and the profile editor share it, so both follow the same slot rules.
class PhotoGrid : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by the screens with photo tiles")
    // One picture per slot; nothing (undefined in QML) for an empty one. A photo's own picture
    // is made off the main thread; until it comes, its slot shows a plain filled tile.
    Q_PROPERTY(QVariantList thumbnails READ thumbnails NOTIFY thumbnailsChanged)
    Q_PROPERTY(int count READ count NOTIFY slotsChanged)
    Q_PROPERTY(bool frozen READ isFrozen NOTIFY frozenChanged)
    // A dropped or pasted picture file is being read.
    Q_PROPERTY(bool reading READ isReading NOTIFY readingChanged)

public:
    /// The question put before a photo is deleted; `remove` deletes it.
    using DeleteQuestion = std::function<ViewController *(std::function<void()> remove)>;

    /// Presents the picker, the cropper and the question over `screen`, which owns the grid.
    PhotoGrid(ViewController *screen, ImageCropperVC::Screening screening,
              DeleteQuestion deleteQuestion);

    /// Why these photos cannot be uploaded, as the user is told; nothing when they can.
    [[nodiscard]] static std::optional<QString> uploadRefusal(const QList<QByteArray> &photos);

    /// Replaces every slot, without counting as a change.
    void load(const PhotoSlots &filled);
    [[nodiscard]] const PhotoSlots &photoSlots() const { return m_slots; }
    QVariantList thumbnails() const;
    int count() const { return m_slots.count(); }

    /// While the screen waits for the service, the tiles take no taps, drops or pastes.
    bool isFrozen() const { return m_frozen; }
    void setFrozen(bool frozen);
    bool isReading() const { return m_reading; }

    Q_INVOKABLE void tileTapped(int index);
    /// Files dropped on the screen: the first picture goes straight to the cropper.
    Q_INVOKABLE void filesDropped(const QList<QUrl> &files);
    /// Ctrl+V: a copied picture or picture file goes straight to the cropper.
    Q_INVOKABLE void pasteRequested();
    /// A photo from the cropper.
    void addPhoto(const QByteArray &photo);
    void deletePhoto(int index);

Q_SIGNALS:
    /// A photo was added or deleted.
    void slotsChanged();
    void thumbnailsChanged();
    void frozenChanged();
    void readingChanged();

private:
    void crop(const QImage &picture);
    void cropFile(const QUrl &file);
    void setReading(bool reading);
    void makeThumbnails();
    void makeThumbnail(int index);
    void thumbnailMade(const QByteArray &photo, const QImage &made);

    ViewController *m_screen;
    ImageCropperVC::Screening m_screening;
    DeleteQuestion m_deleteQuestion;
    PhotoSlots m_slots;
    QList<QImage> m_thumbnails;
    bool m_frozen = false;
    bool m_reading = false;
};
