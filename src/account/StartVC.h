// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "account/ReviewModeCounter.h"
#include "account/SignInFlow.h"
#include "ui/KeyActions.h"
#include "ui/ViewController.h"

// The sign-in screen: the logo, the consent line with the terms link and "Войти". Five quick
// taps on the logo open the reviewers' login.
class StartVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(QString loginTitle READ loginTitle CONSTANT)
    Q_PROPERTY(QString consentLead READ consentLead CONSTANT)
    Q_PROPERTY(QString consentLink READ consentLink CONSTANT)
    Q_PROPERTY(QString consentTail READ consentTail CONSTANT)

public:
    explicit StartVC(Services services,
                     ReviewModeCounter::Clock clock = &std::chrono::steady_clock::now,
                     QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("account/StartView.qml"); }

    bool navigationBarHidden() const override { return true; }

    /// The sign-in behind the button, for configuring it.
    SignInFlow &signInFlow() { return m_flow; }

    bool busy() const { return m_busy; }
    QString loginTitle() const { return tr("Войти"); }
    QString consentLead() const { return tr("Нажимая «Войти», Вы соглашаетесь с нашими "); }
    QString consentLink() const { return tr("Условиями"); }
    QString consentTail() const { return QStringLiteral("."); }

    Q_INVOKABLE void loginButtonTapped();
    Q_INVOKABLE void returnPressed() { loginButtonTapped(); }
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }}});
    }
    /// Opens the terms page in the browser.
    Q_INVOKABLE void interactiveLabelTapped();
    Q_INVOKABLE void logoTapped();
    /// What the review prompt does with the code typed into it.
    void reviewLogIn(const QString &code);

Q_SIGNALS:
    void busyChanged();

protected:
    void viewDidLoad() override;

private:
    void setBusy(bool busy);
    void onSignInFailed(const QString &message);
    void onSignedIn();
    void showReviewPrompt();
    void presentBlock(const QString &message);

    SignInFlow m_flow;
    ReviewModeCounter m_logoTaps;
    bool m_busy = false;
};
