// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/SettingsWriter.h"
#include "store/UnsentMessagesFormat.h"

#include <QList>
#include <QObject>
#include <QSettings>
#include <memory>

// Messages written here that the service has not confirmed. Each is kept, in a file of its own,
// from the moment it is sent until the service stores it or the user deletes it, so neither a
// failure, nor leaving the conversation, nor quitting loses it; what the file holds when the
// client starts has failed. A message keeps the id it was
// first sent with: the service stores one copy per id, so sending it again cannot double it.
class UnsentMessages : public QObject {
    Q_OBJECT
public:
    /// The client's file for them, in the application's data folder.
    [[nodiscard]] static std::unique_ptr<QSettings> defaultFile();
    /// A store over the given file (tests use a private one). A message an earlier run left
    /// there has failed: its answer cannot come any more.
    explicit UnsentMessages(std::unique_ptr<QSettings> file, QObject *parent = nullptr);

    [[nodiscard]] static QString key() { return QStringLiteral("unsentMessages"); }

    /// What `sender` wrote in this chat and the service has not confirmed, oldest first.
    [[nodiscard]] QList<Message> of(const QUuid &chatID, const QUuid &sender) const;
    /// Keeps a message that is being sent, the first time or again, without a failure mark.
    void sending(const QUuid &chatID, Message message);
    /// The service stored it: nothing to keep.
    void sent(const QUuid &messageID);
    void failed(const QUuid &messageID);
    /// The user gave the message up.
    void remove(const QUuid &messageID);
    /// Returns once the file holds every change made so far.
    void flush() { m_writer.flush(); }

Q_SIGNALS:
    /// A kept message took or lost its failure mark; sent ones lose it.
    void markChanged(const QUuid &messageID, bool failed);

private:
    using Kept = UnsentMessagesFormat::Kept;

    void load();
    void store();
    [[nodiscard]] qsizetype indexOf(const QUuid &messageID) const;

    std::unique_ptr<QSettings> m_file;
    SettingsWriter m_writer;
    QList<Kept> m_kept;
};
