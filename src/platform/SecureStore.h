// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Progress.h"
#include "platform/SecretBackend.h"

#include <QMutex>
#include <QString>

#include <memory>
#include <optional>

// The few texts that must survive a restart and stay out of plain settings: the access token
// ("paseto"), the stable local user identifier ("passkeyUserID"), where the person resumes
// (`progress()`) and the installation's sign-in identity ("signInIdentity"). Every operation
// may be called from any thread.
class SecureStore {
public:
    // The service attribute of every item the client keeps.
    static constexpr const char *serviceName = "com.morvent.kavlo";

    explicit SecureStore(std::unique_ptr<SecretBackend> backend);

    // Where the client keeps its values: the Secret Service when one answers, else a file store
    // in the application's data directory (announced in the diagnostic log).
    [[nodiscard]] static std::unique_ptr<SecretBackend> desktopBackend();
    // The Secret Service under `service` when one answers, else the file at `filePath`.
    [[nodiscard]] static std::unique_ptr<SecretBackend> chooseBackend(const QString &service,
                                                                      const QString &filePath);

    // Swaps where the values live; tests point a store at a private file this way.
    void replaceBackend(std::unique_ptr<SecretBackend> backend);

    // Replaces the value under `key`; false when it could not be kept.
    bool save(const QString &value, const QString &key);
    // The text saved last under `key`; nothing when there is none, the store fails or the
    // stored bytes are not UTF-8.
    [[nodiscard]] std::optional<QString> load(const QString &key);

    [[nodiscard]] Progress progress();
    // False when it could not be kept.
    bool setProgress(Progress progress);

private:
    QMutex m_mutex;
    std::unique_ptr<SecretBackend> m_backend;
};
