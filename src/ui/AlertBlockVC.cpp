// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ui/AlertBlockVC.h"

#include "api/NetworkService.h"
#include "platform/UrlOpener.h"
#include "ui/AppServices.h"

AlertBlockVC::AlertBlockVC(bool hideButton, Services services, QObject *parent)
    : ViewController(QStringLiteral("AlertBlockVC"), std::move(services), parent)
    , m_hideButton(hideButton) {}

void AlertBlockVC::setMessage(const QString &message) {
    if (message == m_message)
        return;
    m_message = message;
    Q_EMIT messageChanged();
}

void AlertBlockVC::actionButtonTapped() {
    services().platform().urlOpener().open(QUrl(services().network().baseUrl()));
}
