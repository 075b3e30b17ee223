// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

// Where the service keeps a person: the middle of a cell of a grid, never the point the device
// sent. Every distance shown to others is measured from that middle, so however often and from
// wherever someone measures, the answers never narrow a person down to less than the cell.
// Each person's grid is shifted by an offset of their own, kept secret, so cell edges are not
// where an observer could assume them.
class PositionGrid {
public:
    // How far a person's grid is shifted, in fractions of a cell, each in [0, 1).
    struct Offset {
        double lat = 0;
        double lon = 0;
    };
    struct Point {
        double lat = 0;
        double lon = 0;
    };

    explicit PositionGrid(double cellKm);

    [[nodiscard]] double cellKm() const { return m_cellKm; }
    // The middle of the cell holding the point, on the grid shifted by `offset`.
    [[nodiscard]] Point snap(double lat, double lon, const Offset &offset) const;
    [[nodiscard]] static Offset randomOffset();

private:
    double m_cellKm;
};
