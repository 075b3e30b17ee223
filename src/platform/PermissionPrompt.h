// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <functional>

// The client's own question for a permission the desktop does not manage itself. The screens
// above this layer put it up (PermissionAlert); the services here only ask.
namespace PermissionPrompt {
/// How a platform service asks; `answer` runs once, with the user's choice. Returns false, and
/// never answers, when nobody could be asked. A question left open when the application quits
/// is never answered.
using Ask = std::function<bool(std::function<void(bool allowed)> answer)>;
/// Who has asked the user when a permission is requested: nobody yet, or a screen of the client
/// that is itself the question and whose "allow" the user has just pressed. A platform with no
/// question of its own takes that press as the answer instead of asking a second time.
enum class Asked { Nobody, OnScreen };
} // namespace PermissionPrompt
