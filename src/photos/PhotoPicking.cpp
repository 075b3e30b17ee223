#include "photos/PhotoPicking.h"

#include "media/ImageDecoder.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

namespace PhotoPicking {

namespace {
// Big enough for any camera's photo, small enough that a wrong file is refused at once.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
} // namespace

Picked fromFile(const QUrl &file) {
    QFile source(file.toLocalFile());
    if (!file.isLocalFile() || !source.open(QIODevice::ReadOnly))
        return {{},
                QCoreApplication::translate("PhotoPicking", "Не удалось получить доступ к файлу")};
    const QImage image =
        source.size() <= kMaxFileBytes ? ImageDecoder::decode(source.readAll()) : QImage();
    if (image.isNull())
        return {{},
                QCoreApplication::translate("PhotoPicking", "Не удалось загрузить изображение")};
    return {image, {}};
}

Picked fromClipboard() {
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    if (data->hasImage())
        return {qvariant_cast<QImage>(data->imageData()), {}};
    if (const std::optional<QUrl> file = firstFile(data->urls()))
        return fromFile(*file);
    return {};
}

std::optional<QUrl> firstFile(const QList<QUrl> &urls) {
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            return url;
    }
    return std::nullopt;
}

} // namespace PhotoPicking
