// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QVariantList>

#include <utility>
#include <vector>

// The latitude/longitude box that holds every point within a distance of a centre on the
// globe, as SQL conditions an index can bound. Near the poles and the antimeridian a plain
// "centre ± degrees" box would miss people: the box takes in every longitude once it reaches
// a pole, and splits in two where it crosses the antimeridian.
class GeoBox {
public:
    GeoBox(double lat, double lon, double radiusKm);

    // Conditions (" AND ...") on u.lat and u.lon with their binds, one per longitude range;
    // each runs as a query of its own, so the index bounds both ranges. bandsRound: the
    // database's CAST to an integer rounds (PostgreSQL) rather than truncates (SQLite).
    [[nodiscard]] std::vector<std::pair<QString, QVariantList>> conditions(bool bandsRound) const;

    // The latitude band of a row, as the users_band index is built on it.
    [[nodiscard]] static QString bandExpression(const QString &table);

private:
    double m_latMin;
    double m_latMax;
    std::vector<std::pair<double, double>> m_lons; // empty: every longitude
};
