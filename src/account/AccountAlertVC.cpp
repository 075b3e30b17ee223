// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "account/AccountAlertVC.h"

AccountAlertVC::AccountAlertVC(QString heading, QString message, QList<Action> actions,
                               QObject *parent)
    : ViewController(QStringLiteral("AccountAlertVC"), parent)
    , m_heading(std::move(heading))
    , m_message(std::move(message))
    , m_actions(std::move(actions)) {}

AccountAlertVC *AccountAlertVC::photoDeletion(std::function<void()> remove) {
    return new AccountAlertVC(
        {}, {},
        {{tr("Удалить"), Destructive, [remove = std::move(remove)](const QString &) { remove(); }},
         {tr("Отмена"), Cancel, {}}});
}

void AccountAlertVC::addTextField(const QString &placeholder) {
    m_hasTextField = true;
    m_placeholder = placeholder;
}

void AccountAlertVC::setFieldText(const QString &text) {
    if (text == m_fieldText)
        return;
    m_fieldText = text;
    Q_EMIT fieldTextChanged();
}

QStringList AccountAlertVC::actionTitles() const {
    QStringList titles;
    for (const Action &action : m_actions)
        titles.append(action.title);
    return titles;
}

QVariantList AccountAlertVC::actionStyles() const {
    QVariantList styles;
    for (const Action &action : m_actions)
        styles.append(int(action.style));
    return styles;
}

void AccountAlertVC::actionTapped(int index) {
    if (index < 0 || index >= m_actions.size())
        return;
    // Dismissing only schedules this alert's deletion, so the copies stay valid for the handler.
    const auto handler = m_actions.at(index).handler;
    const QString text = m_fieldText;
    dismiss(true);
    if (handler)
        handler(text);
}

int AccountAlertVC::firstIndex(ActionStyle style) const {
    for (int i = 0; i < m_actions.size(); ++i)
        if (m_actions.at(i).style == style)
            return i;
    return -1;
}

void AccountAlertVC::returnPressed() {
    // A destructive action is never the default: a Return meant for something else would
    // delete or block for good.
    const int safe = firstIndex(Default);
    actionTapped(safe >= 0 ? safe : firstIndex(Cancel));
}

void AccountAlertVC::escapePressed() {
    actionTapped(firstIndex(Cancel));
}
