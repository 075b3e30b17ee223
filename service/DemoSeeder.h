// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

struct ServiceContext;

// What the portraits of demo people are like.
enum class DemoPhotos {
    None,
    Few,     // one to three of 600 × 800 each
    FullSize // six each, of the largest size the client uploads (1200 × 1600)
};

// Creates demo people around a place and the ready-made account of the review token.
class DemoSeeder {
public:
    explicit DemoSeeder(ServiceContext &ctx);

    [[nodiscard]] int demoPeopleCount();
    // Adds count people scattered uniformly within radiusKm.
    void seed(int count, double lat, double lon, double radiusKm,
              DemoPhotos photos = DemoPhotos::Few);
    // Creates the reviewer when missing and moves them to the middle of the demo crowd; when no
    // like waits for the reviewer's answer, a few demo people they have not met yet like them.
    void ensureReviewer();
    // Hides the reviewer, if an earlier start in review mode made one, from everybody.
    void retireReviewer();

private:
    void likeReviewer(const QString &reviewerId);

    ServiceContext &m_ctx;
};
