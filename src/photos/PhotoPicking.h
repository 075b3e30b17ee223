#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

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
/// A picture on the clipboard: copied as a picture, or a copied picture file. No failure is
/// reported for a clipboard without one: pasting then does nothing.
[[nodiscard]] Picked fromClipboard();
/// The first of the dropped addresses that is a local file; nothing when none is.
[[nodiscard]] std::optional<QUrl> firstFile(const QList<QUrl> &urls);

} // namespace PhotoPicking
