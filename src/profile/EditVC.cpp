// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "profile/EditVC.h"

#include "account/AccountAlertVC.h"
#include "media/ImageCacheManager.h"
#include "store/BioScreening.h"
#include "store/UserManager.h"

#include <QFile>

namespace {
using Kind = EditVC::Setting::Kind;

EditVC::Setting label(const QString &text) {
    return {Kind::Label, text, {}, 0};
}

EditVC::Setting field(const QString &placeholder, const QString &text) {
    return {Kind::Field, text, placeholder, 0};
}

EditVC::Setting spacer(int height) {
    return {Kind::Empty, {}, {}, height};
}
} // namespace

EditVC::EditVC(ImageCropperVC::Screening screening, Services services, QObject *parent)
    : ViewController(QStringLiteral("EditVC"), services, parent)
    , m_user(this->services().user().currentUser())
    , m_grid(new PhotoGrid(this, std::move(screening), &AccountAlertVC::photoDeletion)) {
    m_settings = {label(tr("МЕДИАФАЙЛЫ")),
                  {Kind::PhotoGrid, {}, {}, 0},
                  label(tr("ОБО МНЕ")),
                  {Kind::Text, m_user.bio, {}, 0},
                  label(tr("ДОЛЖНОСТЬ")),
                  field(tr("Добавить должность"), m_user.job),
                  spacer(10),
                  label(tr("ОБРАЗОВАНИЕ")),
                  field(tr("Добавить образование"), m_user.edu),
                  spacer(10),
                  label(tr("ЖИВУ В")),
                  field(tr("Добавить город"), m_user.city)};
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

QString EditVC::textOf(int row, Setting::Kind kind) const {
    const Setting setting = m_settings.value(row);
    return setting.kind == kind ? setting.text : QString();
}

EditVC::Texts EditVC::texts() const {
    return {textOf(kBioRow, Kind::Text), textOf(kJobRow, Kind::Field), textOf(kEduRow, Kind::Field),
            textOf(kCityRow, Kind::Field)};
}

QStringList EditVC::cellSources() const {
    QStringList sources;
    for (const Setting &setting : m_settings) {
        switch (setting.kind) {
        case Kind::Label:
            sources.append(QStringLiteral("CaptionCell.qml"));
            break;
        case Kind::Text:
            sources.append(QStringLiteral("TextCell.qml"));
            break;
        case Kind::Field:
            sources.append(QStringLiteral("TextFieldCell.qml"));
            break;
        case Kind::Empty:
            sources.append(QStringLiteral("SpacerCell.qml"));
            break;
        case Kind::PhotoGrid:
            sources.append(QStringLiteral("PhotoGridCell.qml"));
            break;
        }
    }
    return sources;
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

QString EditVC::rowText(int row) const {
    return m_settings.value(row).text;
}

QString EditVC::rowPlaceholder(int row) const {
    return m_settings.value(row).placeholder;
}

int EditVC::rowHeight(int row) const {
    return m_settings.value(row).height;
}

bool EditVC::proposeBio(const QString &text) {
    if (m_frozen || m_settings.value(kBioRow).kind != Kind::Text ||
        !BioScreening::acceptsEdit(text))
        return false;
    if (text != m_settings[kBioRow].text) {
        m_settings[kBioRow].text = text;
        Q_EMIT bioChanged();
        Q_EMIT edited();
    }
    return true;
}

void EditVC::setFieldText(int row, const QString &text) {
    if (row < 0 || row >= m_settings.size() || m_settings[row].kind != Kind::Field ||
        m_settings[row].text == text)
        return;
    m_settings[row].text = text;
    Q_EMIT edited();
}
