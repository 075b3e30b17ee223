#pragma once

#include <QCache>
#include <QImage>
#include <QList>
#include <QStringList>
#include <optional>

// The decoded photos of the last few profile cards, by the addresses they came from. A card made
// again for the same person (an undo brings the last one back and rebuilds the one behind it)
// takes them from here instead of downloading and decoding them anew, so it has its photo for its
// very first frame. A handful of cards is kept, the least recently dealt dropped first, so a long
// session of swiping holds no more than that. Main thread only.
class RecentPhotos {
public:
    static constexpr int kCards = 4;

    static RecentPhotos &shared();

    /// The photos of a recent card that had exactly these addresses, in their order.
    [[nodiscard]] std::optional<QList<QImage>> photos(const QStringList &addresses);
    /// Keeps a card's photos, only when every address gave one: a photo that failed to arrive
    /// is asked for again by the next card rather than missing for good.
    void remember(const QStringList &addresses, const QList<QImage> &photos);

private:
    QCache<QString, QList<QImage>> m_cards{kCards};
};
