#include "photos/PhotoSlots.h"

int PhotoSlots::add(const QByteArray &photo) {
    if (isFull() || photo.isEmpty())
        return -1;
    m_filled.append(photo);
    return count() - 1;
}

void PhotoSlots::remove(int index) {
    if (index >= 0 && index < count())
        m_filled.removeAt(index);
}
