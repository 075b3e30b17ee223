// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "account/StartVC.h"

#include "BuildConfigValues.h"
#include "account/AccountAlertVC.h"
#include "api/NetworkService.h"
#include "platform/DeviceInfo.h"
#include "platform/OsVersionRule.h"
#include "platform/SecureStore.h"
#include "platform/UrlOpener.h"
#include "ui/AlertBlockVC.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"
#include "ui/Window.h"
#include "ui/WindowHelper.h"

#include <QPointer>
#include <QTimer>

StartVC::StartVC(Services services, ReviewModeCounter::Clock clock, QObject *parent)
    : ViewController(QStringLiteral("StartVC"), services, parent)
    , m_flow(services)
    , m_logoTaps(std::move(clock)) {
    connect(&m_flow, &SignInFlow::failed, this, &StartVC::onSignInFailed);
    connect(&m_flow, &SignInFlow::succeeded, this, &StartVC::onSignedIn);
}

void StartVC::viewDidLoad() {
    // Both checks present over a screen that is still being installed, so they wait for the
    // next turn of the event loop.
    QPointer<StartVC> weak = this;
    QTimer::singleShot(0, this, [weak] {
        if (weak &&
            OsVersionRule::blocks(weak->services().platform().deviceInfo().equivalentOsVersion()))
            weak->presentBlock(tr("Для корректной работы приложения необходимо "
                                  "обновиться до macOS 15 Sequoia или новее"));
    });
    QTimer::singleShot(0, this, [weak] {
        if (weak && weak->services().secureStore().progress() == Progress::Ban)
            weak->presentBlock(tr("Твой аккаунт заблокирован"));
    });
}

void StartVC::presentBlock(const QString &message) {
    auto *alert = new AlertBlockVC(true, services());
    alert->setMessage(message);
    // Nothing may rise above a notice that ends the use of the client, nor a later switch of
    // the whole window take it away: the window holds it, not this screen.
    if (Window *window = Window::current()) {
        window->lock(alert);
        return;
    }
    present(alert, PresentationStyle::CrossDissolve, true);
}

void StartVC::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged();
}

void StartVC::loginButtonTapped() {
    if (m_flow.isRunning())
        return;
    setBusy(true);
    m_flow.start();
}

void StartVC::onSignInFailed(const QString &message) {
    setBusy(false);
    AlertErrorVC::show(this, message);
}

void StartVC::onSignedIn() {
    setBusy(false);
    auto *steps = new NavigationContainer(
        services().screens().create(ScreenFactory::Screen::NameInput, services()));
    present(steps, PresentationStyle::FullScreen, true);
}

void StartVC::interactiveLabelTapped() {
    services().platform().urlOpener().open(
        QUrl(services().network().baseUrl() + QStringLiteral("agreement")));
}

void StartVC::logoTapped() {
    if (m_logoTaps.tap())
        showReviewPrompt();
}

void StartVC::showReviewPrompt() {
    QPointer<StartVC> weak = this;
    auto *prompt =
        new AccountAlertVC(QStringLiteral("Review mode"),
                           QStringLiteral("Enter password from appstore connect login info"),
                           {{QStringLiteral("Log in"), AccountAlertVC::Default,
                             [weak](const QString &code) {
                                 if (weak)
                                     weak->reviewLogIn(code);
                             }},
                            {QStringLiteral("Cancel"), AccountAlertVC::Cancel, {}}});
    prompt->addTextField(QStringLiteral("password"));
    present(prompt, PresentationStyle::CrossDissolve, true);
}

void StartVC::reviewLogIn(const QString &code) {
    if (code != QStringLiteral(ZIREL_BUILD_REVIEW_CODE)) {
        present(new AccountAlertVC(tr("Ошибка"), tr("Неверный пароль"),
                                   {{tr("Ок"), AccountAlertVC::Default, {}}}),
                PresentationStyle::CrossDissolve, true);
        return;
    }
    // The reviewers' token lives in memory only: a restart returns to this screen.
    services().network().setPaseto(QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN));
    WindowHelper::showMain(services());
}
