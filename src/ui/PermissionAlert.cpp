// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/PermissionAlert.h"

#include "ui/ChoiceAlertVC.h"
#include "ui/Window.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

namespace PermissionAlert {

namespace {
struct Question {
    QString heading;
    QString message;
    std::function<void(bool)> answer;
};

void putUp(const QPointer<Window> &window, const std::shared_ptr<const Question> &question);

// On the next turn of the event loop: a screen change under way (a start that signs in swaps
// the window's whole tree) has then settled, and the alert lands on the screen that stays.
void putUpLater(const QPointer<Window> &window, const std::shared_ptr<const Question> &question) {
    if (window)
        QMetaObject::invokeMethod(
            window, [window, question] { putUp(window, question); }, Qt::QueuedConnection);
}

void putUpAfterNextRoot(const QPointer<Window> &window,
                        const std::shared_ptr<const Question> &question) {
    auto waiting = std::make_shared<QMetaObject::Connection>();
    *waiting = QObject::connect(window, &Window::rootChanged, window, [=] {
        QObject::disconnect(*waiting);
        putUpLater(window, question);
    });
}

void putUp(const QPointer<Window> &window, const std::shared_ptr<const Question> &question) {
    // Nothing goes over the lock notice: the question stays open and unanswered.
    if (!window || window->lockNotice())
        return;
    // Without a screen, or under a root that takes none (the account is gone and the restore
    // screen replaced the ones that asked), the question waits, open, for the next root.
    ViewController *front = window->frontScreen();
    if (!front || !window->root()->hostsQuestions()) {
        putUpAfterNextRoot(window, question);
        return;
    }
    auto *alertVC = new ChoiceAlertVC(question->heading, question->message,
                                      QCoreApplication::translate("PermissionAlert", "Разрешить"),
                                      QCoreApplication::translate("PermissionAlert", "Не сейчас"));
    auto chosen = std::make_shared<bool>(false);
    QObject::connect(alertVC, &ChoiceAlertVC::accepted, [=] {
        *chosen = true;
        question->answer(true);
    });
    QObject::connect(alertVC, &ChoiceAlertVC::declined, [=] {
        *chosen = true;
        question->answer(false);
    });
    // Gone with the screen under it, the question is still open: it goes over the next one
    // that takes questions. Quitting leaves it open too, and the next start asks again.
    QObject::connect(alertVC, &QObject::destroyed, window, [=] {
        if (!*chosen)
            putUpLater(window, question);
    });
    front->present(alertVC, PresentationStyle::CrossDissolve, true);
}
} // namespace

PermissionPrompt::Ask ask(QString heading, QString message) {
    return [heading, message](std::function<void(bool)> answer) {
        QPointer<Window> window = Window::current();
        if (!window)
            return false;
        putUpLater(window,
                   std::make_shared<const Question>(Question{heading, message, std::move(answer)}));
        return true;
    };
}

} // namespace PermissionAlert
