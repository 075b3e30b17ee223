// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/DesktopNotifier.h"

#include "platform/DiagnosticLog.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString openAction = QStringLiteral("default");
} // namespace

DesktopNotifier::DesktopNotifier(std::unique_ptr<QSettings> defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(std::move(defaults)) {}

bool DesktopNotifier::isAllowed() const {
    return m_defaults->value(allowedKey(), false).toBool();
}

void DesktopNotifier::setAllowed(bool allowed) {
    m_defaults->setValue(allowedKey(), allowed);
    m_defaults->sync();
}

bool DesktopNotifier::announce(const QString &summary, const QString &body, const QUuid &chatID) {
    if (!isAllowed() || QGuiApplication::applicationState() == Qt::ApplicationActive)
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!m_listening) {
        m_listening = bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                                  SLOT(onActionInvoked(uint, QString)));
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << QStringLiteral("Zirel") << uint(0) << QString() << summary << body
         << QStringList{openAction, tr("Открыть")} << QVariantMap() << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, chatID](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError()) {
                    qCWarning(lcPush).noquote()
                        << QStringLiteral("Ошибка показа уведомления: ") + reply.error().message();
                    return;
                }
                m_chats.insert(reply.value(), chatID);
            });
    return true;
}

void DesktopNotifier::onActionInvoked(uint id, const QString &actionKey) {
    if (actionKey != openAction || !m_chats.contains(id))
        return;
    const QUuid chatID = m_chats.take(id);
    qCInfo(lcPush).noquote() << QStringLiteral("Нажали на уведомление, userInfo: {chatID: %1}")
                                    .arg(chatID.toString(QUuid::WithoutBraces).toUpper());
    Q_EMIT conversationRequested(chatID);
}
