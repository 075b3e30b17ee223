// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "store/UnsentMessages.h"

#include "platform/DiagnosticLog.h"

#include <QStandardPaths>

std::unique_ptr<QSettings> UnsentMessages::defaultFile() {
    // A file of its own: the messages stay when the settings are reset or written by an older
    // version that does not know them.
    return std::make_unique<QSettings>(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
            QStringLiteral("/unsent-messages.ini"),
        QSettings::IniFormat);
}

UnsentMessages::UnsentMessages(std::unique_ptr<QSettings> file, QObject *parent)
    : QObject(parent)
    , m_file(std::move(file))
    , m_writer(*m_file) {
    load();
}

QList<Message> UnsentMessages::of(const QUuid &chatID, const QUuid &sender) const {
    QList<Message> messages;
    for (const Kept &kept : m_kept)
        if (kept.chatID == chatID && kept.message.senderID == sender)
            messages.append(kept.message);
    return messages;
}

qsizetype UnsentMessages::indexOf(const QUuid &messageID) const {
    for (qsizetype i = 0; i < m_kept.size(); ++i)
        if (m_kept.at(i).message.id == messageID)
            return i;
    return -1;
}

void UnsentMessages::sending(const QUuid &chatID, Message message) {
    if (!message.id)
        return;
    message.failed = false;
    const qsizetype at = indexOf(*message.id);
    if (at < 0) {
        m_kept.append({chatID, message});
        store();
    } else {
        m_kept[at].message.failed = false;
    }
    Q_EMIT markChanged(*message.id, false);
}

void UnsentMessages::sent(const QUuid &messageID) {
    remove(messageID);
    Q_EMIT markChanged(messageID, false);
}

void UnsentMessages::failed(const QUuid &messageID) {
    const qsizetype at = indexOf(messageID);
    if (at < 0)
        return;
    m_kept[at].message.failed = true;
    Q_EMIT markChanged(messageID, true);
}

void UnsentMessages::remove(const QUuid &messageID) {
    const qsizetype at = indexOf(messageID);
    if (at < 0)
        return;
    m_kept.removeAt(at);
    store();
}

void UnsentMessages::load() {
    const QByteArray stored = m_file->value(key()).toByteArray();
    if (stored.isEmpty())
        return;
    // Kept by an earlier run, so no answer is coming: only the user can send them now.
    std::optional<QList<Kept>> kept = UnsentMessagesFormat::decode(stored);
    if (!kept) {
        qCWarning(lcChats).noquote() << QStringLiteral("Ошибка загрузки неотправленных сообщений");
        return;
    }
    m_kept = std::move(*kept);
}

void UnsentMessages::store() {
    m_writer.write(key(), UnsentMessagesFormat::encode(m_kept));
}
