// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "cardstack/Swipe.h"

#include <QList>
#include <optional>

// Which data-source items a card stack still has to show, in display order, and the history
// of swipes that undo walks back. Plain C++: the stack view drives it and rebuilds its cards
// from remainingIndices after every change.
//
// Together remainingIndices and the swiped indices always hold 0…N−1 once each, as long as
// callers keep to the preconditions below; breaking one is a programming error and stops the
// process.
class CardStackStateManager {
public:
    [[nodiscard]] const QList<qint64> &remainingIndices() const { return m_remaining; }
    [[nodiscard]] const QList<Swipe> &swipes() const { return m_swipes; }
    /// The number of items the stack believes its data source holds.
    [[nodiscard]] qint64 totalCount() const { return m_remaining.size() + m_swipes.size(); }

    void reset(qint64 count);
    void swipe(SwipeDirection direction);
    /// Puts the last swiped item back on top and returns that swipe, or nothing.
    std::optional<Swipe> undoSwipe();
    /// Rotates the remaining items: 1 sends the top to the back, −1 brings the last to the top.
    void shift(qint64 distance);
    /// A data-source item was inserted at index and is to be shown at position.
    void insert(qint64 index, qint64 position);
    void deleteIndex(qint64 index);
    void deletePosition(qint64 position);
    /// Batch deletes; every value refers to the state before the batch.
    void deleteIndices(const QList<qint64> &indices);
    void deletePositions(const QList<qint64> &positions);

    [[nodiscard]] std::optional<qint64> positionOfIndex(qint64 index) const;
    [[nodiscard]] QList<qint64> swipedIndices() const;

    /// The text of the fatal report for a data source whose count does not match an update.
    [[nodiscard]] static QString invalidUpdateMessage(qint64 reported, qint64 before,
                                                      qint64 inserted, qint64 deleted);
    /// Stops the process with the report above unless reported == before + inserted − deleted.
    static void checkUpdate(qint64 reported, qint64 before, qint64 inserted, qint64 deleted);

private:
    // Every remaining and swiped index at or above the threshold moves by delta.
    void renumberFrom(qint64 threshold, qint64 delta);
    template <class Delete> void deleteBatch(const QList<qint64> &values, Delete deleteOne);

    QList<qint64> m_remaining;
    QList<Swipe> m_swipes;
};
