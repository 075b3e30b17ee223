// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "store/UserManager.h"

#include "api/WireLog.h"
#include "platform/DiagnosticLog.h"
#include "store/UserRecordFormat.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace {
const QString key = QStringLiteral("currentUser");
}

UserManager::UserManager(std::unique_ptr<QSettings> defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(std::move(defaults))
    , m_writer(*m_defaults)
    , m_currentUser(initialUser()) {
    load();
}

User UserManager::initialUser() {
    User user;
    user.name = QCoreApplication::translate("UserManager", "Имя");
    user.genderInput = GenderSelection::all;
    user.selectedGender = GenderSelection::all;
    user.bio = QCoreApplication::translate("UserManager", "Информаия о себе");
    user.maxDistance = 100;
    user.showMore = true;
    user.ageStart = 18;
    user.ageEnd = 40;
    user.showMoreAge = true;
    user.active = false;
    return user;
}

void UserManager::load() {
    const QByteArray stored = m_defaults->value(key).toByteArray();
    if (stored.isEmpty())
        return;
    // A record written by an older client (a key missing) is ignored and not written back.
    const std::optional<User> user = UserRecordFormat::decode(stored);
    if (!user)
        return;
    m_currentUser = *user;
    save(*user);
}

User UserManager::currentUser() const {
    QMutexLocker lock(&m_mutex);
    return m_currentUser;
}

void UserManager::setCurrentUser(const User &user) {
    QMutexLocker lock(&m_mutex);
    m_currentUser = user;
}

void UserManager::save(const User &user) {
    m_writer.write(key, UserRecordFormat::encode(user));
}

void UserManager::update(const std::function<void(User &)> &change) {
    User user;
    {
        QMutexLocker lock(&m_mutex);
        change(m_currentUser);
        user = m_currentUser;
    }
    save(user);
}

std::unique_ptr<QSettings> UserManager::openDefaults() const {
    return std::make_unique<QSettings>(m_defaults->fileName(), m_defaults->format());
}

void UserManager::flush() {
    m_writer.flush();
}

void UserManager::fetchedUserUpdate(const Result<User> &result) {
    if (!result.ok()) {
        qCWarning(lcAccount).noquote() << result.error().reason;
        return;
    }
    const User &user = result.value();
    // The record holds the birthday and the exact position: written only when asked for.
    qCDebug(lcWire).noquote()
        << QStringLiteral("user: ") +
               QString::fromUtf8(QJsonDocument(user.toJson()).toJson(QJsonDocument::Compact));
    setCurrentUser(user);
    save(user);
    emit userChanged();
    std::function<void(const QUrl &)> prefetch;
    {
        QMutexLocker lock(&m_mutex);
        prefetch = m_prefetch;
    }
    if (!prefetch)
        return;
    for (const QString &address : user.photoUrls)
        prefetch(QUrl(address));
}

void UserManager::announceChange() {
    emit userChanged();
}

void UserManager::setPhotoPrefetch(std::function<void(const QUrl &)> prefetch) {
    QMutexLocker lock(&m_mutex);
    m_prefetch = std::move(prefetch);
}
