#include "store/ChatCashManager.h"

#include "api/Decoder.h"
#include "platform/DiagnosticLog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

ChatCashManager &ChatCashManager::shared() {
    static ChatCashManager manager(std::make_unique<QSettings>());
    return manager;
}

ChatCashManager::ChatCashManager(std::unique_ptr<QSettings> defaults)
    : m_defaults(std::move(defaults))
    , m_writer(*m_defaults) {}

namespace {
// An invalid date has no number of seconds; writing 0 in its place would change the record.
bool encodable(const Match &match) {
    const auto valid = [](const std::optional<QDateTime> &date) {
        return !date || date->isValid();
    };
    return valid(match.createdAt) &&
           std::all_of(match.messages.cbegin(), match.messages.cend(),
                       [&](const Message &message) { return valid(message.createdAt); });
}
} // namespace

void ChatCashManager::save(const QList<Match> &matches) {
    QJsonArray array;
    for (const Match &match : matches.first(std::min<qsizetype>(limit, matches.size()))) {
        if (!encodable(match)) {
            qCWarning(lcChats).noquote() << QStringLiteral("Ошибка при сохранении matches: ") +
                                                QStringLiteral("invalid date in match ") +
                                                WireFormat::uuidText(match.chatID);
            return;
        }
        array.append(match.toLocalJson());
    }
    m_writer.write(key(), QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::optional<QList<Match>> ChatCashManager::load() const {
    m_writer.flush();
    const QVariant stored = m_defaults->value(key());
    if (!stored.isValid())
        return std::nullopt;
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(stored.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        qCWarning(lcChats).noquote()
            << QStringLiteral("Ошибка при загрузке matches: ") + parseError.errorString();
        return std::nullopt;
    }
    QString error;
    std::optional<QList<Match>> matches = Decoder<QList<Match>>::decode(
        document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()), &error,
        DateStyle::local);
    if (!matches) {
        qCWarning(lcChats).noquote() << QStringLiteral("Ошибка при загрузке matches: ") + error;
        return std::nullopt;
    }
    return matches;
}
