// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QUuid>

class ViewController;

// What opening a conversation from a notification needs of the matches list.
class ChatsListing {
public:
    virtual ~ChatsListing() = default;
    /// A new conversation screen for the loaded match with this chat, or null when the list
    /// holds no such match.
    [[nodiscard]] virtual ViewController *conversationFor(const QUuid &chatID) = 0;
};
