// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/RegistrationDraft.h"

#include "photos/PhotoSlots.h"
#include "platform/SecureStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const QString answersKey = QStringLiteral("registration");
const QString ownerKey = QStringLiteral("owner");
const QString photosOwnerFile = QStringLiteral("owner");
constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

std::optional<GenderSelection> gender(const QJsonObject &object, const QString &key) {
    return genderSelectionFromText(object.value(key).toString());
}

bool writeOwnerOnly(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit() &&
           QFile::setPermissions(path, ownerOnly);
}
} // namespace

RegistrationDraft::RegistrationDraft(SecureStore &store, QString photoFolder)
    : m_store(store)
    , m_owner(store.load(QStringLiteral("passkeyUserID")).value_or(QString()))
    , m_folder(std::move(photoFolder)) {}

QString RegistrationDraft::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/registration");
}

RegistrationDraft::Answers RegistrationDraft::answers() const {
    const QJsonObject kept =
        QJsonDocument::fromJson(m_store.load(answersKey).value_or(QString()).toUtf8()).object();
    if (m_owner.isEmpty() || kept.value(ownerKey).toString() != m_owner)
        return {};
    return {kept.value(QStringLiteral("name")).toString(),
            kept.value(QStringLiteral("birthday")).toString(),
            gender(kept, QStringLiteral("genderInput")),
            gender(kept, QStringLiteral("selectedGender"))};
}

void RegistrationDraft::keep(const Answers &answers) {
    QJsonObject kept{{ownerKey, m_owner},
                     {QStringLiteral("name"), answers.name},
                     {QStringLiteral("birthday"), answers.birthday}};
    if (answers.genderInput)
        kept.insert(QStringLiteral("genderInput"), genderSelectionText(*answers.genderInput));
    if (answers.selectedGender)
        kept.insert(QStringLiteral("selectedGender"), genderSelectionText(*answers.selectedGender));
    (void)m_store.save(QString::fromUtf8(QJsonDocument(kept).toJson(QJsonDocument::Compact)),
                       answersKey);
}

void RegistrationDraft::update(const std::function<void(Answers &)> &change) {
    Answers changed = answers();
    change(changed);
    keep(changed);
}

void RegistrationDraft::forgetAnswers() {
    (void)m_store.save(QString(), answersKey);
}

QString RegistrationDraft::photoPath(int slot) const {
    return m_folder + QStringLiteral("/photo-%1").arg(slot);
}

bool RegistrationDraft::ownsPhotos() const {
    QFile owner(m_folder + u'/' + photosOwnerFile);
    return !m_owner.isEmpty() && owner.open(QIODevice::ReadOnly) &&
           QString::fromUtf8(owner.readAll()) == m_owner;
}

QList<QByteArray> RegistrationDraft::photos() const {
    QList<QByteArray> entries;
    if (!ownsPhotos())
        return entries;
    for (int i = 0; i < PhotoSlots::kCount; ++i) {
        QFile photo(photoPath(i));
        entries.append(photo.open(QIODevice::ReadOnly) ? photo.readAll() : QByteArray());
    }
    return entries;
}

void RegistrationDraft::keepPhotos(const QList<QByteArray> &entries) {
    if (m_owner.isEmpty())
        return;
    const bool owned = ownsPhotos();
    if (!owned)
        forgetPhotos();
    // Only the user may list the folder or read what is in it.
    if (!QDir().mkpath(m_folder) ||
        !QFile::setPermissions(m_folder, ownerOnly | QFileDevice::ExeOwner) ||
        (!owned && !writeOwnerOnly(m_folder + u'/' + photosOwnerFile, m_owner.toUtf8())))
        return;
    for (int i = 0; i < PhotoSlots::kCount; ++i) {
        const QByteArray photo = entries.value(i);
        if (photo.isEmpty())
            QFile::remove(photoPath(i));
        else
            (void)writeOwnerOnly(photoPath(i), photo);
    }
}

void RegistrationDraft::forgetPhotos() {
    QDir(m_folder).removeRecursively();
}
