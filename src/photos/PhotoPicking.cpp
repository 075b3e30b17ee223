// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/PhotoPicking.h"

#include "media/ImageDecoder.h"
#include "platform/TaskGroup.h"
#include "ui/MainThreadReceiver.h"

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

void readFile(TaskGroup &tasks, const QUrl &file, QObject *receiver,
              std::function<void(const Picked &)> done) {
    tasks.run([file, to = MainThreadReceiver(receiver), done = std::move(done)] {
        to.post([picked = fromFile(file), done](QObject &) { done(picked); });
    });
}

QImage copiedPicture() {
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasImage() ? qvariant_cast<QImage>(data->imageData()) : QImage();
}

std::optional<QUrl> copiedFile() {
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data ? firstFile(data->urls()) : std::nullopt;
}

std::optional<QUrl> firstFile(const QList<QUrl> &urls) {
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            return url;
    }
    return std::nullopt;
}

} // namespace PhotoPicking
