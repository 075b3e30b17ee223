// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/PermissionPrompt.h"

#include <QString>

namespace PermissionAlert {
/// Asks with an alert over the screen in front of the window, once it has one; without a window
/// nobody is asked. Only the alert's two buttons (or Escape, for the second) answer. Never put up
/// over the window's lock notice, nor under a root that takes no questions: it waits for the
/// next root.
[[nodiscard]] PermissionPrompt::Ask ask(QString heading, QString message);
} // namespace PermissionAlert
