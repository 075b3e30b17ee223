#pragma once

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <functional>

// In-process announcements by name, without payload. Handlers run on the posting thread;
// an observer that touches the interface moves to the main thread itself.
class NotificationCenter {
public:
    /// Calls handler on every post of name for as long as owner lives.
    void observe(const QString &name, QObject *owner, std::function<void()> handler);
    void post(const QString &name);
    /// Drops every observation that owner made.
    void removeObserver(QObject *owner);

private:
    struct Observation {
        QPointer<QObject> owner;
        std::function<void()> handler;
    };
    QMutex m_mutex;
    QHash<QString, QList<Observation>> m_observations;
};

namespace Notifications {
inline const QString fetchCardData = QStringLiteral("fetchCardDataNotification");
inline const QString chatsUpdated = QStringLiteral("chatsUpdated");
} // namespace Notifications
