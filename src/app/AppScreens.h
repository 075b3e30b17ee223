// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// The screens the client is made of, installed in the screen factory. Screens built later take
// the place of the stand-ins here.
class ScreenFactory;

namespace AppScreens {
/// Installs every built screen; safe to call more than once.
void install(ScreenFactory &factory);
} // namespace AppScreens
