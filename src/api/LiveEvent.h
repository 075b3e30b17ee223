// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QJsonObject>
#include <QUuid>

#include <optional>

// One event of the live channel: what changed, named by identifier only; the calls stay the
// source of truth. A type this client does not know is kept as it came and changes nothing.
struct LiveEvent {
    enum class Kind { Message, Match, Like, Unmatch, Unknown };

    Kind kind = Kind::Unknown;
    QString type;
    std::optional<QUuid> chatID;
    std::optional<QUuid> messageID;

    [[nodiscard]] static LiveEvent read(DecodeContext &context);
    [[nodiscard]] static std::optional<LiveEvent> fromJson(const QJsonValue &value,
                                                           QString *error = nullptr);
    // A frame as it came off the channel; nothing when it is no event.
    [[nodiscard]] static std::optional<LiveEvent> fromFrame(const QByteArray &frame,
                                                            QString *error = nullptr);
    [[nodiscard]] QJsonObject toJson() const;
    // The conversations and pairs lists change with it.
    [[nodiscard]] bool changesMatches() const {
        return kind == Kind::Message || kind == Kind::Match || kind == Kind::Unmatch;
    }

    friend bool operator==(const LiveEvent &, const LiveEvent &) = default;
};
