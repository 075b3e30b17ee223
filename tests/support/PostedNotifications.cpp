#include "PostedNotifications.h"

#include "platform/NotificationCenter.h"

PostedNotifications::PostedNotifications(NotificationCenter &center, const QStringList &watched) {
    for (const QString &name : watched)
        center.observe(name, &m_observer, [this, name] { m_posted.append(name); });
}
