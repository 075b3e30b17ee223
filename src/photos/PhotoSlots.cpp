// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "photos/PhotoSlots.h"

#include <algorithm>

PhotoSlots::PhotoSlots(const QList<QByteArray> &entries) {
    std::copy_n(entries.cbegin(), std::min<qsizetype>(entries.size(), kCount), m_slots.begin());
}

int PhotoSlots::add(const QByteArray &photo) {
    if (photo.isEmpty())
        return -1;
    const auto empty = std::find_if(m_slots.begin(), m_slots.end(),
                                    [](const QByteArray &slot) { return slot.isEmpty(); });
    if (empty == m_slots.end())
        return -1;
    *empty = photo;
    return int(empty - m_slots.begin());
}

void PhotoSlots::remove(int index) {
    if (index < 0 || index >= kCount)
        return;
    m_slots[index].clear();
    std::stable_partition(m_slots.begin(), m_slots.end(),
                          [](const QByteArray &slot) { return !slot.isEmpty(); });
}

int PhotoSlots::count() const {
    return int(std::count_if(m_slots.cbegin(), m_slots.cend(),
                             [](const QByteArray &slot) { return !slot.isEmpty(); }));
}

QByteArray PhotoSlots::at(int index) const {
    return index >= 0 && index < kCount ? m_slots[index] : QByteArray();
}

QList<QByteArray> PhotoSlots::photos() const {
    QList<QByteArray> filled;
    for (const QByteArray &slot : m_slots) {
        if (!slot.isEmpty())
            filled.append(slot);
    }
    return filled;
}
