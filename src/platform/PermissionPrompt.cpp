#include "PermissionPrompt.h"

#include "ChoiceAlertVC.h"
#include "Window.h"

#include <memory>

namespace PermissionPrompt {

Ask alert(QString heading, QString message) {
    return [heading, message](std::function<void(bool)> answer) {
        Window *window = Window::current();
        ViewController *front = window ? window->frontScreen() : nullptr;
        if (!front)
            return false;
        auto *alertVC = new ChoiceAlertVC(heading, message, QStringLiteral("Разрешить"),
                                          QStringLiteral("Не сейчас"));
        // Closing the alert any other way than by its action is a refusal.
        auto answered = std::make_shared<bool>(false);
        QObject::connect(alertVC, &ChoiceAlertVC::accepted, [answered, answer] {
            *answered = true;
            answer(true);
        });
        QObject::connect(alertVC, &QObject::destroyed, [answered, answer] {
            if (!*answered)
                answer(false);
        });
        front->present(alertVC, PresentationStyle::CrossDissolve, true);
        return true;
    };
}

} // namespace PermissionPrompt
