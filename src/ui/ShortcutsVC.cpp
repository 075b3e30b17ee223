// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/ShortcutsVC.h"

ShortcutsVC::ShortcutsVC(QObject *parent)
    : ViewController(QStringLiteral("ShortcutsVC"), parent) {
    setTitle(tr("Сочетания клавиш"));
}

bool ShortcutsVC::handleKey(KeyCommand command) {
    if (command != KeyCommand::Return)
        return false;
    closeTapped();
    return true;
}
