// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class Database;

// Photos as files in one folder, indexed by the photos table.
class ImageStore {
public:
    static constexpr int kMaxPhotos = 6;

    ImageStore(Database &db, QString dir);

    // Extension for the bytes' format (heic, jpg, png, webp) or empty when not an image.
    [[nodiscard]] static QString extensionOf(const QByteArray &bytes);
    [[nodiscard]] static QByteArray mimeTypeOf(const QString &extension);

    // An upload is the whole photo set in display order: it replaces the previous photos, since
    // the client always sends every photo again after an edit. Returns the new photo ids with
    // extensions ("<id>.<ext>"). Callers check sizes and formats first.
    QStringList replace(const QString &userId, const QList<QByteArray> &images);
    // Bytes of a stored file by its public name "<id>.<ext>".
    [[nodiscard]] std::optional<QByteArray> read(const QString &name) const;

private:
    Database &m_db;
    QString m_dir;
};
