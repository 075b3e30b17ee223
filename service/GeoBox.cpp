// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "GeoBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
// Rounding in the distance formula must never put someone on the edge outside the box.
constexpr double kMarginDegrees = 1e-6;
// Tenth-of-a-degree bands: a narrow box reads a handful of index ranges.
constexpr double kBandsPerDegree = 10;
// A taller box than this reads a good part of the crowd anyway; latitude alone bounds it.
constexpr int kMaxBands = 300;

// The band of a latitude exactly as the database's CAST computes it from the same double
// arithmetic: SQLite truncates, PostgreSQL rounds half to even. Either is monotonic, so the
// bands of a box's edges hold every band of a row inside it, and no more.
int band(double lat, bool rounds) {
    const double scaled = (lat + 90) * kBandsPerDegree;
    return int(rounds ? std::nearbyint(scaled) : std::floor(scaled));
}

} // namespace

GeoBox::GeoBox(double lat, double lon, double radiusKm) {
    const double angle = radiusKm / kEarthRadiusKm;
    const double dLat = angle / kDegree + kMarginDegrees;
    m_latMin = std::max(-90.0, lat - dLat);
    m_latMax = std::min(90.0, lat + dLat);
    if (lat - dLat <= -90 || lat + dLat >= 90 || angle >= kPi / 2)
        return; // a pole lies inside: the circle reaches every longitude
    // The circle is widest in longitude poleward of its centre, by asin(sin r / cos lat).
    const double ratio = std::sin(angle) / std::cos(lat * kDegree);
    if (ratio >= 1)
        return;
    const double dLon = std::asin(ratio) / kDegree + kMarginDegrees;
    if (dLon >= 180)
        return;
    const double west = lon - dLon;
    const double east = lon + dLon;
    if (west < -180)
        m_lons = {{west + 360, 180}, {-180, east}};
    else if (east > 180)
        m_lons = {{west, 180}, {-180, east - 360}};
    else
        m_lons = {{west, east}};
}

QString GeoBox::bandExpression(const QString &table) {
    // The same text as in the index, so both databases use it.
    return QStringLiteral("CAST((%1.lat + 90) * 10 AS INTEGER)").arg(table);
}

std::vector<std::pair<QString, QVariantList>> GeoBox::conditions(bool bandsRound) const {
    QString lat = QStringLiteral(" AND u.lat BETWEEN ? AND ?");
    QVariantList latBinds{m_latMin, m_latMax};
    const int first = band(m_latMin, bandsRound);
    const int last = band(m_latMax, bandsRound);
    if (last - first < kMaxBands) {
        QStringList marks;
        for (int b = first; b <= last; ++b) {
            marks.append(QStringLiteral("?"));
            latBinds.append(b);
        }
        lat += QStringLiteral(" AND ") + bandExpression(QStringLiteral("u")) +
               QStringLiteral(" IN (") + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    if (m_lons.empty())
        return {{lat, latBinds}};
    std::vector<std::pair<QString, QVariantList>> result;
    for (const auto &[west, east] : m_lons)
        result.push_back({lat + QStringLiteral(" AND u.lon BETWEEN ? AND ?"),
                          latBinds + QVariantList{west, east}});
    return result;
}
