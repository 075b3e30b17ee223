// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QList>
#include <array>

// The six photo slots of a profile, holding encoded photos as the cropper made them. A new
// photo takes the first empty slot and a deletion closes every gap, so the filled slots come
// first in upload order. Slots loaded from saved photos may start with gaps: a photo whose
// cached copy is gone leaves its slot empty in its place until the next deletion.
class PhotoSlots {
public:
    static constexpr int kCount = 6;

    PhotoSlots() = default;
    /// The first six entries, an empty entry as an empty slot, padded with empty slots.
    explicit PhotoSlots(const QList<QByteArray> &entries);

    /// Puts the photo into the first empty slot; its index, or -1 when every slot is full.
    int add(const QByteArray &photo);
    /// Empties the slot and moves every photo forward over the empty slots.
    void remove(int index);

    /// The number of filled slots.
    [[nodiscard]] int count() const;
    [[nodiscard]] bool isFull() const { return count() == kCount; }
    [[nodiscard]] bool isFilled(int index) const { return !at(index).isEmpty(); }
    /// The photo in the slot; empty for an empty slot.
    [[nodiscard]] QByteArray at(int index) const;
    /// The photos in slot order, without the empty slots.
    [[nodiscard]] QList<QByteArray> photos() const;
    /// All six slots in order, empty ones included.
    [[nodiscard]] QList<QByteArray> entries() const { return {m_slots.cbegin(), m_slots.cend()}; }

private:
    std::array<QByteArray, kCount> m_slots;
};
