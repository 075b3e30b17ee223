#pragma once

#include <QString>
#include <functional>

// The client's own question for a permission the desktop does not manage itself.
namespace PermissionPrompt {
/// How a platform service asks; `answer` runs once with the user's choice. Returns false, and
/// never answers, when nobody could be asked.
using Ask = std::function<bool(std::function<void(bool allowed)> answer)>;

/// Asks with an alert over the screen in front of the window; without a window nobody is asked.
[[nodiscard]] Ask alert(QString heading, QString message);
} // namespace PermissionPrompt
