#include "PostedNotifications.h"

#include "platform/NotificationCenter.h"

PostedNotifications::PostedNotifications(const QStringList &watched) {
    for (const QString &name : watched)
        NotificationCenter::shared().observe(name, &m_observer,
                                             [this, name] { m_posted.append(name); });
}
