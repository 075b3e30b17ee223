// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class TaskGroup;

class QObject;

// Reading a picture the user picked from a file, dropped or pasted: upright as the user saw it
// in the file manager, in any format the client reads (JPEG, PNG, WebP, HEIC).
namespace PhotoPicking {

struct Picked {
    QImage image;
    /// Why there is no image, as the user is told; empty when there is one.
    QString failure;
};

/// The picture in a local file, or the reason it cannot be had.
[[nodiscard]] Picked fromFile(const QUrl &file);
/// fromFile on a worker thread: a camera's photo takes a second or more to decode. `done` runs
/// on the main thread, and only while `receiver` exists.
void readFile(TaskGroup &tasks, const QUrl &file, QObject *receiver,
              std::function<void(const Picked &)> done);
/// A picture copied as a picture; a null image when the clipboard holds none.
[[nodiscard]] QImage copiedPicture();
/// A copied picture file; nothing when the clipboard holds none.
[[nodiscard]] std::optional<QUrl> copiedFile();
/// The first of the dropped addresses that is a local file; nothing when none is.
[[nodiscard]] std::optional<QUrl> firstFile(const QList<QUrl> &urls);

} // namespace PhotoPicking
