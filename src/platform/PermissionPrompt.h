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
} // namespace PermissionPrompt
