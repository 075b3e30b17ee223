#pragma once

#include <QString>
#include <functional>

// The client's own question for a permission the desktop does not manage itself.
namespace PermissionPrompt {
/// How a platform service asks; `answer` runs once, with the user's choice. Returns false, and
/// never answers, when nobody could be asked. A question left open when the application quits
/// is never answered.
using Ask = std::function<bool(std::function<void(bool allowed)> answer)>;

/// Asks with an alert over the screen in front of the window, once it has one; without a window
/// nobody is asked. Only the alert's two buttons (or Escape, for the second) answer.
[[nodiscard]] Ask alert(QString heading, QString message);
} // namespace PermissionPrompt
