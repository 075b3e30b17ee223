// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Result.h"
#include "api/User.h"
#include "platform/SettingsWriter.h"

#include <QMutex>
#include <QObject>
#include <QSettings>
#include <QUrl>
#include <functional>
#include <memory>

// The signed-in user's own profile for the whole process and across restarts, kept in the
// user defaults under "currentUser" as the JSON of the record.
class UserManager : public QObject {
    Q_OBJECT
public:
    /// A store over the given settings (tests use a private file).
    explicit UserManager(std::unique_ptr<QSettings> defaults, QObject *parent = nullptr);

    /// The record a fresh installation starts from.
    [[nodiscard]] static User initialUser();

    [[nodiscard]] User currentUser() const;
    void setCurrentUser(const User &user);
    /// Stores the record under "currentUser"; callers change fields, then save the whole record.
    /// The file is written on another thread.
    void save(const User &user);
    /// Changes the current record and saves it whole: one field per call when each change must
    /// reach the file on its own.
    void update(const std::function<void(User &)> &change);
    /// Returns once every saved record is in the file.
    void flush();
    /// Another handle on the settings file the record is kept in, for the user's other values.
    [[nodiscard]] std::unique_ptr<QSettings> openDefaults() const;

    /// The completion of the "user" call: replaces and saves the record, announces the change
    /// and makes sure the user's photos are in the image cache.
    void fetchedUserUpdate(const Result<User> &result);
    /// Tells the screens that show the record that it changed, after a batch of `update()`s.
    void announceChange();

    /// How photos reach the image cache; set once by the application.
    void setPhotoPrefetch(std::function<void(const QUrl &)> prefetch);

signals:
    /// The record changed; emitted on the thread that changed it.
    void userChanged();

private:
    void load();

    mutable QMutex m_mutex;
    std::unique_ptr<QSettings> m_defaults;
    SettingsWriter m_writer;
    User m_currentUser;
    std::function<void(const QUrl &)> m_prefetch;
};
