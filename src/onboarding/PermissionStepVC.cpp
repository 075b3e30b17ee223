// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/PermissionStepVC.h"

PermissionStepVC::PermissionStepVC(QString typeName, Services services, QObject *parent)
    : KeyboardVC(std::move(typeName), services, parent) {
    // Nothing to fill in: the main button always answers.
    setNextEnabled(true);
}
