// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "cardstack/CardStackStateManager.h"

#include <QString>

namespace {
[[noreturn]] void preconditionFailed(const char *operation, qint64 value) {
    qFatal("CardStackStateManager::%s: argument %lld out of range", operation,
           static_cast<long long>(value));
}
} // namespace

void CardStackStateManager::reset(qint64 count) {
    m_remaining.clear();
    m_swipes.clear();
    for (qint64 i = 0; i < count; ++i)
        m_remaining.append(i);
}

void CardStackStateManager::swipe(SwipeDirection direction) {
    if (m_remaining.isEmpty())
        return;
    m_swipes.append({m_remaining.takeFirst(), direction});
}

std::optional<Swipe> CardStackStateManager::undoSwipe() {
    if (m_swipes.isEmpty())
        return std::nullopt;
    const Swipe last = m_swipes.takeLast();
    m_remaining.prepend(last.index);
    return last;
}

void CardStackStateManager::shift(qint64 distance) {
    const qint64 count = m_remaining.size();
    qint64 k = 0;
    if (distance < 0) {
        if (distance < -count)
            return;
        k = distance + count;
    } else if (distance == 0 || distance > count) {
        return;
    } else {
        k = distance;
    }
    m_remaining = m_remaining.mid(k) + m_remaining.first(k);
}

void CardStackStateManager::insert(qint64 index, qint64 position) {
    if (index < 0 || index > totalCount())
        preconditionFailed("insert", index);
    if (position < 0 || position > m_remaining.size())
        preconditionFailed("insert", position);
    renumberFrom(index, 1);
    m_remaining.insert(position, index);
}

void CardStackStateManager::deleteIndex(qint64 index) {
    if (index < 0 || index >= totalCount())
        preconditionFailed("deleteIndex", index);
    m_swipes.removeIf([index](const Swipe &s) { return s.index == index; });
    m_remaining.removeOne(index);
    renumberFrom(index, -1);
}

void CardStackStateManager::deletePosition(qint64 position) {
    if (position < 0 || position >= m_remaining.size())
        preconditionFailed("deletePosition", position);
    const qint64 removed = m_remaining.takeAt(position);
    renumberFrom(removed, -1);
}

template <class Delete>
void CardStackStateManager::deleteBatch(const QList<qint64> &values, Delete deleteOne) {
    QList<qint64> pending;
    for (qint64 v : values) {
        if (!pending.contains(v))
            pending.append(v);
    }
    while (!pending.isEmpty()) {
        const qint64 v = pending.takeFirst();
        deleteOne(v);
        for (qint64 &other : pending) {
            if (other >= v)
                --other;
        }
    }
}

void CardStackStateManager::deleteIndices(const QList<qint64> &indices) {
    deleteBatch(indices, [this](qint64 v) { deleteIndex(v); });
}

void CardStackStateManager::deletePositions(const QList<qint64> &positions) {
    deleteBatch(positions, [this](qint64 v) { deletePosition(v); });
}

std::optional<qint64> CardStackStateManager::positionOfIndex(qint64 index) const {
    const qsizetype position = m_remaining.indexOf(index);
    if (position < 0)
        return std::nullopt;
    return position;
}

QList<qint64> CardStackStateManager::swipedIndices() const {
    QList<qint64> indices;
    indices.reserve(m_swipes.size());
    for (const Swipe &s : m_swipes)
        indices.append(s.index);
    return indices;
}

void CardStackStateManager::renumberFrom(qint64 threshold, qint64 delta) {
    for (qint64 &e : m_remaining) {
        if (e >= threshold)
            e += delta;
    }
    for (Swipe &s : m_swipes) {
        if (s.index >= threshold)
            s.index += delta;
    }
}

QString CardStackStateManager::invalidUpdateMessage(qint64 reported, qint64 before, qint64 inserted,
                                                    qint64 deleted) {
    return QStringLiteral("Invalid update: invalid number of cards. The number of cards contained "
                          "in the card stack after the update (%1) must be equal to the number "
                          "of cards contained in the card stack before the update (%2), plus or "
                          "minus the number of cards inserted or deleted (%3 inserted, %4 "
                          "deleted)")
        .arg(reported)
        .arg(before)
        .arg(inserted)
        .arg(deleted);
}

void CardStackStateManager::checkUpdate(qint64 reported, qint64 before, qint64 inserted,
                                        qint64 deleted) {
    if (reported != before + inserted - deleted)
        qFatal("%s", qPrintable(invalidUpdateMessage(reported, before, inserted, deleted)));
}
