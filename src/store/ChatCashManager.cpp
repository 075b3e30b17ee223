// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "store/ChatCashManager.h"

#include "platform/DiagnosticLog.h"
#include "store/SavedMatchesFormat.h"

#include <algorithm>

ChatCashManager::ChatCashManager(std::unique_ptr<QSettings> defaults)
    : m_defaults(std::move(defaults))
    , m_writer(*m_defaults) {}

void ChatCashManager::save(const QList<Match> &matches) {
    QString error;
    const std::optional<QByteArray> stored = SavedMatchesFormat::encode(
        matches.first(std::min<qsizetype>(limit, matches.size())), &error);
    if (!stored) {
        qCWarning(lcChats).noquote() << QStringLiteral("Ошибка при сохранении matches: ") + error;
        return;
    }
    m_writer.write(key(), *stored);
}

std::optional<QList<Match>> ChatCashManager::load() const {
    m_writer.flush();
    const QVariant stored = m_defaults->value(key());
    if (!stored.isValid())
        return std::nullopt;
    QString error;
    std::optional<QList<Match>> matches = SavedMatchesFormat::decode(stored.toByteArray(), &error);
    if (!matches)
        qCWarning(lcChats).noquote() << QStringLiteral("Ошибка при загрузке matches: ") + error;
    return matches;
}
