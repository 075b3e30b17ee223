// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ImageStore.h"

#include "Database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlQuery>
#include <QUuid>

ImageStore::ImageStore(Database &db, QString dir)
    : m_db(db)
    , m_dir(std::move(dir)) {
    QDir().mkpath(m_dir);
}

QString ImageStore::extensionOf(const QByteArray &b) {
    if (b.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("jpg");
    if (b.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral("png");
    if (b.size() >= 12 && b.startsWith("RIFF") && b.mid(8, 4) == "WEBP")
        return QStringLiteral("webp");
    // ISO base media file: a box size, then "ftyp" and a HEIF-family brand.
    if (b.size() >= 12 && b.mid(4, 4) == "ftyp") {
        const QByteArray brand = b.mid(8, 4);
        static const QList<QByteArray> heif{"heic", "heix", "hevc", "heim",
                                            "heis", "mif1", "msf1", "avif"};
        if (heif.contains(brand))
            return brand == "avif" ? QStringLiteral("avif") : QStringLiteral("heic");
    }
    return {};
}

QByteArray ImageStore::mimeTypeOf(const QString &extension) {
    if (extension == QLatin1String("jpg"))
        return "image/jpeg";
    if (extension == QLatin1String("png"))
        return "image/png";
    if (extension == QLatin1String("webp"))
        return "image/webp";
    if (extension == QLatin1String("avif"))
        return "image/avif";
    return "image/heic";
}

QStringList ImageStore::replace(const QString &userId, const QList<QByteArray> &images) {
    QStringList names;
    for (const QByteArray &bytes : images) {
        const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper() +
                             QLatin1Char('.') + extensionOf(bytes);
        QSaveFile file(m_dir + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw DbError("cannot write a photo file");
        names.append(name);
    }
    QStringList oldNames;
    QSqlQuery old =
        m_db.exec(QStringLiteral("SELECT id, ext FROM photos WHERE user_id = ?"), {userId});
    while (old.next())
        oldNames.append(old.value(0).toString() + QLatin1Char('.') + old.value(1).toString());
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    m_db.transaction();
    try {
        m_db.exec(QStringLiteral("DELETE FROM photos WHERE user_id = ?"), {userId});
        for (int i = 0; i < names.size(); ++i) {
            const QStringList parts = names.at(i).split(QLatin1Char('.'));
            m_db.exec(QStringLiteral("INSERT INTO photos (id, user_id, position, ext, created_at) "
                                     "VALUES (?, ?, ?, ?, ?)"),
                      {parts.at(0), userId, i, parts.at(1), now});
        }
        m_db.commit();
    } catch (...) {
        m_db.rollback();
        for (const QString &name : names)
            QFile::remove(m_dir + QLatin1Char('/') + name);
        throw;
    }
    for (const QString &name : oldNames)
        QFile::remove(m_dir + QLatin1Char('/') + name);
    return names;
}

std::optional<QByteArray> ImageStore::read(const QString &name) const {
    // Only names this store hands out; nothing that could walk out of the folder.
    static const QRegularExpression pattern(
        QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\."
                       "(jpg|png|webp|heic|avif)$"));
    if (!pattern.match(name).hasMatch())
        return std::nullopt;
    // A deleted or blocked account's photos are nobody's to see, though kept for a restore.
    const QVariant gone = m_db.scalar(
        QStringLiteral("SELECT u.deleted = 1 OR u.banned = 1 FROM photos p JOIN users u ON "
                       "u.id = p.user_id WHERE p.id = ?"),
        {name.section(QLatin1Char('.'), 0, 0)});
    if (!gone.isValid() || gone.isNull() || gone.toBool())
        return std::nullopt;
    QFile file(m_dir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
