#include "ui/WindowHelper.h"

#include "platform/SecureStore.h"
#include "ui/ScreenFactory.h"
#include "ui/Window.h"

namespace WindowHelper {

void showRestore() {
    Window *window = Window::current();
    if (!window)
        return;
    window->setRoot(ScreenFactory::shared().create(ScreenFactory::Screen::Restore),
                    Window::FlipFromLeft);
}

void showMain() {
    Window *window = Window::current();
    if (!window)
        return;
    (void)SecureStore::shared().save(QStringLiteral("main"), QStringLiteral("screen"));
    window->setRoot(ScreenFactory::shared().create(ScreenFactory::Screen::Main),
                    Window::FlipFromRight);
}

} // namespace WindowHelper
