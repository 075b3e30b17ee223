// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "SearchRadii.h"

std::optional<double> SearchRadii::startFor(const QString &viewer) const {
    const QMutexLocker lock(&m_mutex);
    const auto radius = m_radii.constFind(viewer);
    if (radius == m_radii.cend())
        return std::nullopt;
    return *radius;
}

void SearchRadii::remember(const QString &viewer, double radiusKm) {
    const QMutexLocker lock(&m_mutex);
    if (m_radii.size() >= kMaxViewers && !m_radii.contains(viewer))
        m_radii.clear();
    m_radii.insert(viewer, radiusKm);
}
