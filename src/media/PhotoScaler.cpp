#include "PhotoScaler.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QThreadPool>

PhotoScaler &PhotoScaler::shared() {
    static PhotoScaler instance;
    return instance;
}

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
    const QImage scaled =
        photo.copy(source).scaled(look.box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Premultiplied pixels are what the painter blends without converting them each time.
    QImage out(look.box, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(out.rect()), look.radius, look.radius);
    p.setClipPath(clip);
    p.fillRect(out.rect(), Qt::black);
    p.drawImage(0, 0, scaled);
    if (look.shaded) {
        QLinearGradient shade(0, 0, 0, look.box.height());
        shade.setColorAt(0, Qt::transparent);
        shade.setColorAt(1, Qt::black);
        p.fillRect(out.rect(), shade);
    }
    return out;
}

std::optional<QImage> PhotoScaler::cached(const QImage &photo, const Look &look) const {
    if (const QImage *image = m_cache.object(key(photo, look)))
        return *image;
    return std::nullopt;
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
    QThreadPool::globalInstance()->start([this, k, photo, look] {
        const QImage prepared = prepare(photo, look);
        QMetaObject::invokeMethod(
            this, [this, k, prepared] { finish(k, prepared); }, Qt::QueuedConnection);
    });
}

void PhotoScaler::finish(const QString &key, const QImage &prepared) {
    ++m_preparedCount;
    m_cache.insert(key, new QImage(prepared), prepared.sizeInBytes());
    const QList<Waiter> waiters = m_pending.take(key);
    for (const Waiter &w : waiters) {
        if (w.context)
            w.done(prepared);
    }
}
