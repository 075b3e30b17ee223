// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/ChoiceAlertVC.h"

ChoiceAlertVC::ChoiceAlertVC(QString heading, QString message, QString actionTitle,
                             QString cancelTitle, QObject *parent)
    : ViewController(QStringLiteral("ChoiceAlertVC"), parent)
    , m_heading(std::move(heading))
    , m_message(std::move(message))
    , m_actionTitle(std::move(actionTitle))
    , m_cancelTitle(std::move(cancelTitle)) {}

void ChoiceAlertVC::actionTapped() {
    dismiss(true);
    Q_EMIT accepted();
}

void ChoiceAlertVC::cancelTapped() {
    dismiss(true);
    Q_EMIT declined();
}

bool ChoiceAlertVC::handleKey(KeyCommand command) {
    if (command == KeyCommand::Return && m_cancelTitle.isEmpty()) {
        actionTapped();
        return true;
    }
    return runKeyAction(command, {{KeyCommand::Escape, [this] { escapePressed(); }}});
}
