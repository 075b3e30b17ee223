// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "profile/EditVC.h"

#include "account/AccountAlertVC.h"
#include "media/ImageCacheManager.h"
#include "store/BioScreening.h"
#include "store/UserManager.h"

#include <QFile>

namespace {
using Kind = RowModel::Kind;
using Row = RowModel::Row;

Row caption(const QString &text) {
    return Row::of(Kind::Caption, text);
}

Row field(EditVC::Field field, const QString &placeholder, const QString &text) {
    Row row = Row::of(Kind::TextLine, text, int(field));
    row.detail = placeholder;
    return row;
}
} // namespace

EditVC::EditVC(ImageCropperVC::Screening screening, Services services, QObject *parent)
    : ViewController(QStringLiteral("EditVC"), services, parent)
    , m_user(this->services().user().currentUser())
    , m_grid(new PhotoGrid(this, std::move(screening), &AccountAlertVC::photoDeletion)) {
    m_rows.setRows({caption(tr("МЕДИАФАЙЛЫ")), Row::of(Kind::Photos), caption(tr("ОБО МНЕ")),
                    Row::of(Kind::TextLines, m_user.bio, int(Field::Bio)), caption(tr("ДОЛЖНОСТЬ")),
                    field(Field::Job, tr("Добавить должность"), m_user.job), Row::spacer(10),
                    caption(tr("ОБРАЗОВАНИЕ")),
                    field(Field::Education, tr("Добавить образование"), m_user.edu),
                    Row::spacer(10), caption(tr("ЖИВУ В")),
                    field(Field::City, tr("Добавить город"), m_user.city)});
    m_selectedImages = cachedPhotos(m_user.photoUrls, this->services().images());
    m_grid->load(PhotoSlots(m_selectedImages));
    connect(m_grid, &PhotoGrid::slotsChanged, this, [this] {
        m_selectedImages = m_grid->photoSlots().entries();
        Q_EMIT edited();
    });
}

QList<QByteArray> EditVC::cachedPhotos(const QStringList &urls, const ImageCacheManager &cache) {
    QList<QByteArray> photos;
    for (const QString &url : urls) {
        const std::optional<QString> path = cache.filePath(url);
        QFile file(path.value_or(QString()));
        photos.append(path && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return photos;
}

QString EditVC::textOf(Field field) const {
    const int row = m_rows.find(field == Field::Bio ? Kind::TextLines : Kind::TextLine, int(field));
    return row < 0 ? QString() : m_rows.rows().at(row).text;
}

EditVC::Texts EditVC::texts() const {
    return {textOf(Field::Bio), textOf(Field::Job), textOf(Field::Education), textOf(Field::City)};
}

QString EditVC::countText() const {
    return QString::number(BioScreening::kMaxLength - texts().bio.size());
}

void EditVC::setFrozen(bool frozen) {
    if (frozen == m_frozen)
        return;
    m_frozen = frozen;
    m_grid->setFrozen(frozen);
    Q_EMIT frozenChanged();
}

bool EditVC::proposeBio(const QString &text) {
    const int row = m_rows.find(Kind::TextLines, int(Field::Bio));
    if (m_frozen || row < 0 || !BioScreening::acceptsEdit(text))
        return false;
    Row bio = m_rows.rows().at(row);
    if (text != bio.text) {
        bio.text = text;
        m_rows.replace(row, bio);
        Q_EMIT bioChanged();
        Q_EMIT edited();
    }
    return true;
}

void EditVC::setFieldText(Field field, const QString &text) {
    const int row = m_rows.find(Kind::TextLine, int(field));
    if (row < 0 || m_rows.rows().at(row).text == text)
        return;
    Row edited = m_rows.rows().at(row);
    edited.text = text;
    m_rows.replace(row, edited);
    Q_EMIT this->edited();
}
