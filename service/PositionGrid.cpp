// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "PositionGrid.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kKmPerDegree = 6371.0 * 3.14159265358979323846 / 180.0;
// Near the poles a cell's longitude span would grow without end.
constexpr double kSmallestCosine = 0.01;

// The middle of the cell of size `step` that holds `value`, on a grid shifted by `shift` cells.
double middle(double value, double step, double shift) {
    return (std::floor(value / step + shift) + 0.5 - shift) * step;
}
} // namespace

PositionGrid::PositionGrid(double cellKm)
    : m_cellKm(cellKm) {}

PositionGrid::Point PositionGrid::snap(double lat, double lon, const Offset &offset) const {
    const double latStep = m_cellKm / kKmPerDegree;
    const double snappedLat = std::clamp(middle(lat, latStep, offset.lat), -90.0, 90.0);
    // Cells keep their width in kilometres: rows nearer a pole span more degrees of longitude.
    const double cosine =
        std::max(kSmallestCosine, std::cos(snappedLat * 3.14159265358979323846 / 180.0));
    const double lonStep = std::min(360.0, latStep / cosine);
    double snappedLon = middle(lon, lonStep, offset.lon);
    if (snappedLon > 180.0)
        snappedLon -= 360.0;
    else if (snappedLon < -180.0)
        snappedLon += 360.0;
    return {snappedLat, snappedLon};
}

PositionGrid::Offset PositionGrid::randomOffset() {
    QRandomGenerator *random = QRandomGenerator::system();
    return {random->generateDouble(), random->generateDouble()};
}
