#pragma once

#include <QObject>
#include <QStringList>

class NotificationCenter;

// Which of the watched announcements were posted while this object lived, in order of posting.
class PostedNotifications {
public:
    PostedNotifications(NotificationCenter &center, const QStringList &watched);
    [[nodiscard]] const QStringList &names() const { return m_posted; }

private:
    QObject m_observer;
    QStringList m_posted;
};
