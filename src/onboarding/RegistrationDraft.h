// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/GenderSelection.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class SecureStore;

// What the user answered in registration before the service has it, and the photos cropped
// on the photo step before they are uploaded, so a restart goes on from there instead of
// asking again. The answers live in the secure store beside the progress marker; the photos,
// too large for it, as files only the user may read in a folder of the application's data.
// Both belong to the account that made them: another account never sees them, and they go
// once the service has them.
class RegistrationDraft {
public:
    struct Answers {
        QString name;
        QString birthday; // "ddMMyyyy"
        std::optional<GenderSelection> genderInput;
        std::optional<GenderSelection> selectedGender;
        friend bool operator==(const Answers &, const Answers &) = default;
    };

    /// The draft of the account signed in on this installation (its local user identifier).
    explicit RegistrationDraft(SecureStore &store, QString photoFolder = defaultFolder());

    /// The folder of the kept photos in the application's data.
    [[nodiscard]] static QString defaultFolder();

    /// What this account answered so far; nothing for another account's draft.
    [[nodiscard]] Answers answers() const;
    void keep(const Answers &answers);
    /// Keeps the answers as `change` leaves them.
    void update(const std::function<void(Answers &)> &change);
    /// The kept photo slots in order, an empty entry for an empty slot.
    [[nodiscard]] QList<QByteArray> photos() const;
    void keepPhotos(const QList<QByteArray> &entries);

    /// Drops the answers once the service has them.
    void forgetAnswers();
    /// Drops the photos once the service has them.
    void forgetPhotos();

private:
    [[nodiscard]] bool ownsPhotos() const;
    [[nodiscard]] QString photoPath(int slot) const;

    SecureStore &m_store;
    QString m_owner;
    QString m_folder;
};
