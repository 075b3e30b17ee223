// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/KeyboardVC.h"

#include "ui/KeyActions.h"

KeyboardVC::KeyboardVC(QString typeName, Services services, QObject *parent)
    : ViewController(std::move(typeName), services, parent) {
    setLogsDeath(true);
}

void KeyboardVC::nextButtonTapped() {
    if (m_nextEnabled && !m_busy)
        next();
}

bool KeyboardVC::handleKey(KeyCommand command) {
    return runKeyAction(command, {{KeyCommand::Return, [this] { nextButtonTapped(); }}});
}

void KeyboardVC::setNextEnabled(bool enabled) {
    if (enabled == m_nextEnabled)
        return;
    m_nextEnabled = enabled;
    Q_EMIT nextEnabledChanged();
}

void KeyboardVC::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged();
    Q_EMIT barButtonsChanged();
}
