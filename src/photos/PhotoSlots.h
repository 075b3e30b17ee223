#pragma once

#include <QByteArray>
#include <QList>

// The six photo slots of a profile, holding encoded photos as the cropper made them. Filled
// slots always come first, in the order the photos will be uploaded: a new photo takes the
// first empty slot and a deleted one closes its gap.
class PhotoSlots {
public:
    static constexpr int kCount = 6;

    /// Puts the photo into the first empty slot; its index, or -1 when every slot is full.
    int add(const QByteArray &photo);
    /// Empties the slot and moves the photos after it one slot forward.
    void remove(int index);

    [[nodiscard]] int count() const { return int(m_filled.size()); }
    [[nodiscard]] bool isFull() const { return count() == kCount; }
    /// The photo in the slot; empty for an empty slot.
    [[nodiscard]] QByteArray at(int index) const { return m_filled.value(index); }
    /// The photos in slot order.
    [[nodiscard]] QList<QByteArray> photos() const { return m_filled; }

private:
    QList<QByteArray> m_filled;
};
