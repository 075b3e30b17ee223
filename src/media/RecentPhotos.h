// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "media/ImageBudget.h"
#include "media/PhotoBatch.h"

#include <QCache>
#include <QList>
#include <QStringList>
#include <optional>

// The photos of the last few profile cards, by the addresses they came from. A card made again
// for the same person (an undo brings the last one back and rebuilds the one behind it) takes
// them from here instead of downloading them anew; its first photo is kept decoded, so the card
// has it for its very first frame, the others as they came (as pixels where those were larger).
// The cards are kept within their share of the image budget, the least recently dealt dropped
// first, so a long session of swiping holds no more than that. Main thread only.
class RecentPhotos {
public:
    /// The photos of a recent card that had exactly these addresses, in their order.
    [[nodiscard]] std::optional<QList<PhotoBatch::Page>> photos(const QStringList &addresses);
    /// Keeps a card's photos, only when every address gave one: a photo that failed to arrive
    /// is asked for again by the next card rather than missing for good.
    void remember(const QStringList &addresses, QList<PhotoBatch::Page> photos);

private:
    QCache<QString, QList<PhotoBatch::Page>> m_cards{ImageBudget::kRecentCards};
};
