// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/AlertErrorVC.h"

AlertErrorVC::AlertErrorVC(QString actionTitle, bool shouldShowTextButton,
                           std::function<void()> onTextButtonTapped, QObject *parent)
    : ViewController(QStringLiteral("AlertErrorVC"), parent)
    , m_actionTitle(std::move(actionTitle))
    , m_showTextButton(shouldShowTextButton)
    , m_onTextButtonTapped(std::move(onTextButtonTapped)) {}

void AlertErrorVC::show(ViewController *on, const QString &message) {
    if (!on)
        return;
    auto *alert = new AlertErrorVC(tr("ОК"));
    alert->setMessage(message);
    on->present(alert, PresentationStyle::CrossDissolve, true);
}

void AlertErrorVC::setMessage(const QString &message) {
    if (message == m_message)
        return;
    m_message = message;
    Q_EMIT messageChanged();
}

void AlertErrorVC::actionButtonTapped() {
    dismiss(true);
}

void AlertErrorVC::textButtonTapped() {
    if (m_onTextButtonTapped)
        m_onTextButtonTapped();
    dismiss(true);
}
