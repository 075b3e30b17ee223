// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QMutex>
#include <QString>
#include <optional>

// The radius each viewer's last feed page was found in, sized down to what it needed: the next
// search starts there and usually reads one box just big enough, instead of growing out from
// the smallest one through the people the viewer has already passed on. Only a hint: a search
// without one (a process that just started, or another behind the same database) finds the
// same page.
class SearchRadii {
public:
    [[nodiscard]] std::optional<double> startFor(const QString &viewer) const;
    void remember(const QString &viewer, double radiusKm);

private:
    // A bound on the memory: past it the hints start over.
    static constexpr qsizetype kMaxViewers = 100000;

    mutable QMutex m_mutex;
    QHash<QString, double> m_radii;
};
