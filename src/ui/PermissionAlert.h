#pragma once

#include "platform/PermissionPrompt.h"

#include <QString>

namespace PermissionAlert {
/// Asks with an alert over the screen in front of the window, once it has one; without a window
/// nobody is asked. Only the alert's two buttons (or Escape, for the second) answer.
[[nodiscard]] PermissionPrompt::Ask ask(QString heading, QString message);
} // namespace PermissionAlert
