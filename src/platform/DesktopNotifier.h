// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QObject>
#include <QSettings>
#include <QUuid>
#include <memory>

// Desktop notifications of conversations over the freedesktop notification service, shown only
// when the user allowed notifications and the window is not active. Clicking one asks for its
// conversation; the application decides how to open it.
class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    /// A notifier over the given settings (tests use a private file).
    explicit DesktopNotifier(std::unique_ptr<QSettings> defaults, QObject *parent = nullptr);

    /// The user-defaults flag of the user's answer to the notification prompt.
    [[nodiscard]] static QString allowedKey() { return QStringLiteral("notificationsAllowed"); }
    [[nodiscard]] bool isAllowed() const;
    void setAllowed(bool allowed);

    /// Tells the user about this conversation unless they are looking at the window or did not
    /// allow it; true when a notification was handed to the service.
    bool announce(const QString &summary, const QString &body, const QUuid &chatID);

Q_SIGNALS:
    /// The user clicked the notification of this conversation.
    void conversationRequested(const QUuid &chatID);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &actionKey);

private:
    std::unique_ptr<QSettings> m_defaults;
    QHash<uint, QUuid> m_chats;
    bool m_listening = false;
};
