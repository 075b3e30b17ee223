// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Message.h"

#include <QByteArray>
#include <QList>
#include <QUuid>

// The bytes the unsent messages are kept as: a JSON array of {chatID, message}, dates as seconds
// since 2001. Reading and writing live apart from the store so they can be checked on any input.
class UnsentMessagesFormat {
public:
    struct Kept {
        QUuid chatID;
        Message message;
        friend bool operator==(const Kept &, const Kept &) = default;
    };

    /// The readable entries; one without a chat or a message id is left out, since it could
    /// never be matched to its answer. Every message read has failed: whoever wrote the file can
    /// no longer hear its answer. Nothing when the bytes are not an array at all.
    [[nodiscard]] static std::optional<QList<Kept>> decode(const QByteArray &stored);
    [[nodiscard]] static QByteArray encode(const QList<Kept> &kept);
};
