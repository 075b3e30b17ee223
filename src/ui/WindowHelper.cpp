// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/WindowHelper.h"

#include "platform/SecureStore.h"
#include "ui/ScreenFactory.h"
#include "ui/Services.h"
#include "ui/Window.h"

namespace WindowHelper {

void showRestore(const Services &services) {
    Window *window = Window::current();
    if (!window)
        return;
    window->setRoot(services.screens().create(ScreenFactory::Screen::Restore, services),
                    Window::FlipFromLeft);
}

void showMain(const Services &services) {
    Window *window = Window::current();
    if (!window)
        return;
    (void)services.secureStore().setProgress(Progress::Main);
    window->setRoot(services.screens().create(ScreenFactory::Screen::Main, services),
                    Window::FlipFromRight);
}

} // namespace WindowHelper
