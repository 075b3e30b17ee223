// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <optional>

// The check a text about oneself passes before it is sent: no links and no pointers to other
// social networks, because people would be taken off the service to meet. Registration and the
// profile editor both run it; the user may still send the text after seeing the message.
class BioScreening {
public:
    /// The longest text about oneself.
    static constexpr int kMaxLength = 500;

    /// Whether typing or pasting may leave the text as `text`: within the length, and without
    /// a doubled line break or a doubled space. A refused edit is refused whole.
    [[nodiscard]] static bool acceptsEdit(const QString &text);

    /// The message to show for `bio`, or nothing when the text is clean.
    [[nodiscard]] static std::optional<QString> message(const QString &bio);
};
