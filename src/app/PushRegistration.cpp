// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "app/PushRegistration.h"

#include "api/Endpoints.h"
#include "platform/DiagnosticLog.h"
#include "platform/NotificationPermission.h"

#include <QSettings>

PushRegistration::PushRegistration(NotificationPermission &permission, NetworkService &network,
                                   QObject *parent)
    : QObject(parent)
    , m_network(network) {
    connect(&permission, &NotificationPermission::deviceTokenReceived, this,
            &PushRegistration::tokenReceived);
    connect(&permission, &NotificationPermission::registrationFailed, this,
            [](const QString &error) {
                qCWarning(lcPush).noquote()
                    << QStringLiteral("Ошибка при регистрации на удалённые уведомления: ") + error;
            });
}

QString PushRegistration::hex(const QByteArray &token) {
    return QString::fromLatin1(token.toHex());
}

void PushRegistration::tokenReceived(const QByteArray &token) {
    const QString text = hex(token);
    // The address lets anyone who has it push to this machine: the log names its size only.
    qCInfo(lcPush).noquote() << QStringLiteral("Получен deviceToken (%1 байт)").arg(token.size());
    Endpoints::sendPushToken(
        text,
        [](const Result<EmptyResponse> &result) {
            if (!result.ok()) {
                qCWarning(lcPush).noquote()
                    << QStringLiteral("pushToken ошибка: ") + result.error().reason;
                return;
            }
            qCInfo(lcPush).noquote() << QStringLiteral("pushToken успешно отправлен");
            QSettings().setValue(QStringLiteral("push_token_sent"), true);
        },
        m_network);
}
