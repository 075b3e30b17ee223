// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The memory that images kept for later may take, stated in one place. Each cache of pixels
// holds its share by the bytes of what it keeps and drops the least recently used beyond it, so
// together they never hold more than the total, however long the client runs.
namespace ImageBudget {
constexpr qsizetype kMiB = 1024 * 1024;
/// Downloaded photos, decoded, for every screen that shows them.
constexpr qsizetype kDecodedPhotos = 40 * kMiB;
/// Photos prepared at a card's size while the top card is paged through.
constexpr qsizetype kPreparedPhotos = 6 * kMiB;
/// The photos last shown on cards, so a card made again draws on its first frame: the stack's
/// cards and the last ones thrown, at the size of a maximised window. With the share below it
/// is what keeps a long session of swiping within 20 MiB of what the first cards took.
constexpr qsizetype kShownPhotos = 8 * kMiB;
/// The last few cards' photos, so an undo does not download them again: two cards of three
/// full-size photos.
constexpr qsizetype kRecentCards = 12 * kMiB;
/// The stamps drawn over a card being thrown.
constexpr qsizetype kStamps = 2 * kMiB;

constexpr qsizetype kTotal = 68 * kMiB;
static_assert(kDecodedPhotos + kPreparedPhotos + kShownPhotos + kRecentCards + kStamps == kTotal,
              "the shares make up the whole budget");

/// What an image costs against its share; at least one, so an empty one is still counted.
inline qsizetype costOf(const QImage &image) {
    return qMax<qsizetype>(1, image.sizeInBytes());
}
} // namespace ImageBudget
