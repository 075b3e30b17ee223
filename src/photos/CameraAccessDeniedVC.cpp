// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/CameraAccessDeniedVC.h"

#include "platform/CameraAccess.h"
#include "ui/AppServices.h"
#include "ui/KeyActions.h"

#include <QPointer>

CameraAccessDeniedVC::CameraAccessDeniedVC(std::function<void()> allowed, Services services,
                                           QObject *parent)
    : ViewController(QStringLiteral("CameraAccessDeniedVC"), services, parent)
    , m_allowed(std::move(allowed)) {}

bool CameraAccessDeniedVC::handleKey(KeyCommand command) {
    return runKeyAction(command, {{KeyCommand::Return, [this] { settingsButtonTapped(); }}});
}

void CameraAccessDeniedVC::settingsButtonTapped() {
    services().platform().cameraAccess().openSettings(
        [self = QPointer<CameraAccessDeniedVC>(this)](bool granted) {
            if (self && granted && self->m_allowed)
                self->m_allowed();
        });
}
