#include "platform/NotificationCenter.h"

void NotificationCenter::observe(const QString &name, QObject *owner,
                                 std::function<void()> handler) {
    if (!owner || !handler)
        return;
    QMutexLocker lock(&m_mutex);
    m_observations[name].append({owner, std::move(handler)});
}

void NotificationCenter::post(const QString &name) {
    QList<Observation> live;
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_observations.find(name);
        if (it == m_observations.end())
            return;
        // Observers whose owner died are dropped here rather than from a destroyed() handler,
        // which would run on the owner's thread while another thread posts.
        it->removeIf([](const Observation &o) { return o.owner.isNull(); });
        live = *it;
    }
    for (const Observation &o : live)
        if (o.owner)
            o.handler();
}

void NotificationCenter::removeObserver(QObject *owner) {
    QMutexLocker lock(&m_mutex);
    for (auto &list : m_observations)
        list.removeIf([owner](const Observation &o) { return o.owner == owner; });
}
