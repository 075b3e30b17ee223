// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/ImageBudget.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QtQml/qqmlregistration.h>
#include <functional>
#include <optional>

// Prepares photos for the pixel size they are shown at, on a worker thread, once per photo and
// look: cropped to the box's proportions around the centre, smoothly scaled, with rounded
// corners over black and, if asked, the dark shade towards the bottom that text sits on. The
// main thread then only copies finished pixels, and a photo shown on several cards is prepared
// once. Requests and answers belong to the main thread.
class PhotoScaler : public QObject {
    Q_OBJECT
    QML_ANONYMOUS // handed to the views that show photos
        public : using Done = std::function<void(const QImage &)>;
    struct Look {
        QSize box;
        qreal radius = 0;
        bool shaded = false;
        bool operator==(const Look &) const = default;
    };
    /// The photo already prepared in that look, if it is.
    [[nodiscard]] std::optional<QImage> cached(const QImage &photo, const Look &look) const;
    /// Prepares on a worker thread; done runs on the main thread while context lives. A photo
    /// that is already prepared is answered on the next turn of the event loop.
    void request(const QImage &photo, const Look &look, QObject *context, Done done);
    /// Keeps a prepared photo a card shows, for the next card with that photo at that size.
    void keepShown(const QImage &photo, const Look &look, const QImage &prepared);
    /// Photos prepared so far, for telling whether work was repeated.
    [[nodiscard]] int preparedCount() const { return m_preparedCount; }

    /// The part of an image of that size shown in a box of that size: centred, aspect kept.
    [[nodiscard]] static QRectF fillSourceRect(QSizeF image, QSizeF box);
    /// The part of the photo that fills the box, scaled to it, in that look.
    [[nodiscard]] static QImage prepare(const QImage &photo, const Look &look);

private:
    struct Waiter {
        QPointer<QObject> context;
        Done done;
    };
    [[nodiscard]] static QString key(const QImage &photo, const Look &look);
    void finish(const QString &key, const QImage &scaled);

    // Scaled photos; a feed card at full size takes about a megabyte. Cards keep the photo they
    // show themselves, so this only has to cover paging back through the top card's six photos;
    // keeping every swiped card's photo grew the client by tens of megabytes over a hundred
    // swipes.
    QCache<QString, QImage> m_cache{ImageBudget::kPreparedPhotos};
    // Photos last shown on cards, kept apart from the paging above: a card made again for the
    // same photo at the same size (an undo) draws it on its first frame.
    QCache<QString, QImage> m_shown{ImageBudget::kShownPhotos};
    QHash<QString, QList<Waiter>> m_pending;
    int m_preparedCount = 0;
    QThreadPool m_workers; // its threads are lowered, so they are not shared with others
};
