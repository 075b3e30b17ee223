// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/RequestBodies.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The bytes the swipes still on their way are kept as: a JSON array of {owner, toUserID,
// swipeType, message}; an entry of an earlier version without a message has none. Reading and
// writing live apart from the outbox so they can be checked on any input.
class PendingSwipesFormat {
public:
    struct Swipe {
        QString owner; // who swiped: only their session may send it
        QString toUserID;
        SwipeType type = SwipeType::left;
        QString message; // the note of a super-like
        friend bool operator==(const Swipe &, const Swipe &) = default;
    };

    /// The readable entries; one without an owner, a person or a known kind is left out.
    /// Nothing when the bytes are not an array at all.
    [[nodiscard]] static std::optional<QList<Swipe>> decode(const QByteArray &stored);
    [[nodiscard]] static QByteArray encode(const QList<Swipe> &swipes);
};
