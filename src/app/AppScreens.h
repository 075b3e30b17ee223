// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// The screens the client is made of, installed in the screen factory.
class ScreenFactory;

namespace AppScreens {
/// Installs every screen; safe to call more than once.
void install(ScreenFactory &factory);
} // namespace AppScreens
