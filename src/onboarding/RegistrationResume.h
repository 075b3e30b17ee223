// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "onboarding/RegistrationDraft.h"

class NavigationContainer;

// Brings registration back after a restart where the user left it: the steps they finished are
// walked again with their kept answers, as they walked them, so each is in the stack behind the
// one in front, filled in, and Back goes through them.
namespace RegistrationResume {

/// `steps` holds the name step alone; it ends at the first step whose answer is not kept.
void walk(NavigationContainer &steps, const RegistrationDraft::Answers &answers);

} // namespace RegistrationResume
