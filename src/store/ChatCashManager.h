// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Match.h"
#include "platform/SettingsWriter.h"

#include <QList>
#include <QSettings>
#include <memory>
#include <optional>

// The local copy of the first matches, so the list shows at once on the next start. Stored in
// the user defaults under "savedMatches" as JSON with dates as seconds since 2001.
class ChatCashManager {
public:
    /// A copy over the given settings (tests use a private file).
    explicit ChatCashManager(std::unique_ptr<QSettings> defaults);

    [[nodiscard]] static QString key() { return QStringLiteral("savedMatches"); }
    /// The most matches ever written.
    static constexpr int limit = 20;

    /// Stores the first `limit` matches of the list; the file is written on another thread.
    void save(const QList<Match> &matches);
    /// The stored matches (after any save still being written), or nothing when none are
    /// stored or they cannot be read.
    [[nodiscard]] std::optional<QList<Match>> load() const;

private:
    std::unique_ptr<QSettings> m_defaults;
    mutable SettingsWriter m_writer;
};
