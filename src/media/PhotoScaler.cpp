// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/PhotoScaler.h"

#include "media/AreaScaler.h"
#include "platform/BackgroundPriority.h"

#include <algorithm>
#include <cmath>

QString PhotoScaler::key(const QImage &photo, const Look &look) {
    return QStringLiteral("%1:%2x%3:%4:%5")
        .arg(photo.cacheKey())
        .arg(look.box.width())
        .arg(look.box.height())
        .arg(look.radius)
        .arg(look.shaded);
}

QRectF PhotoScaler::fillSourceRect(QSizeF image, QSizeF box) {
    if (image.isEmpty() || box.isEmpty())
        return {};
    const qreal scale = qMax(box.width() / image.width(), box.height() / image.height());
    const QSizeF shown(box.width() / scale, box.height() / scale);
    return {QPointF((image.width() - shown.width()) / 2, (image.height() - shown.height()) / 2),
            shown};
}

QImage PhotoScaler::prepare(const QImage &photo, const Look &look) {
    const QRect source = fillSourceRect(photo.size(), look.box).toAlignedRect() & photo.rect();
    if (source.isEmpty())
        return {};
    // Plain loops on this thread: painting here would hand slices to the GUI thread pool that
    // the window's drawing waits on.
    QImage out = AreaScaler::scaled(photo, source, look.box);
    const int w = out.width();
    const int h = out.height();
    const float r = std::min<float>(float(look.radius), std::min(w, h) / 2.0F);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        const float py = y + 0.5F;
        // The shade runs from clear at the top to black at the bottom.
        const float keep = look.shaded ? 1.0F - py / float(h) : 1.0F;
        const bool cornerRows = py < r || py > h - r;
        for (int x = 0; x < w; ++x) {
            float cover = 1;
            const float px = x + 0.5F;
            if (cornerRows && (px < r || px > w - r)) {
                const float dx = px - std::clamp(px, r, w - r);
                const float dy = py - std::clamp(py, r, h - r);
                cover = std::clamp(r - std::hypot(dx, dy) + 0.5F, 0.0F, 1.0F);
            }
            // Over a black backing: the premultiplied colour stays, the pixel turns opaque.
            const QRgb p = line[x];
            const float colour = keep * cover;
            line[x] = qRgba(int(qRed(p) * colour + 0.5F), int(qGreen(p) * colour + 0.5F),
                            int(qBlue(p) * colour + 0.5F), int(255 * cover + 0.5F));
        }
    }
    return out;
}

std::optional<QImage> PhotoScaler::cached(const QImage &photo, const Look &look) const {
    const QString k = key(photo, look);
    if (const QImage *image = m_shown.object(k))
        return *image;
    if (const QImage *image = m_cache.object(k))
        return *image;
    return std::nullopt;
}

void PhotoScaler::keepShown(const QImage &photo, const Look &look, const QImage &prepared) {
    m_shown.insert(key(photo, look), new QImage(prepared), ImageBudget::costOf(prepared));
}

void PhotoScaler::request(const QImage &photo, const Look &look, QObject *context, Done done) {
    if (const std::optional<QImage> ready = cached(photo, look)) {
        QMetaObject::invokeMethod(
            context, [done = std::move(done), image = *ready] { done(image); },
            Qt::QueuedConnection);
        return;
    }
    const QString k = key(photo, look);
    const bool started = m_pending.contains(k);
    m_pending[k].append({context, std::move(done)});
    if (started)
        return;
    m_workers.start([this, k, photo, look] {
        BackgroundPriority::lowerThisThread();
        const QImage prepared = prepare(photo, look);
        QMetaObject::invokeMethod(
            this, [this, k, prepared] { finish(k, prepared); }, Qt::QueuedConnection);
    });
}

void PhotoScaler::finish(const QString &key, const QImage &prepared) {
    ++m_preparedCount;
    m_cache.insert(key, new QImage(prepared), ImageBudget::costOf(prepared));
    const QList<Waiter> waiters = m_pending.take(key);
    for (const Waiter &w : waiters) {
        if (w.context)
            w.done(prepared);
    }
}
