#pragma once

#include <QString>

struct ServiceContext;

// Creates demo people around a place and the ready-made account of the review token.
class DemoSeeder {
public:
    explicit DemoSeeder(ServiceContext &ctx);

    [[nodiscard]] int demoPeopleCount();
    // Adds count people scattered uniformly within radiusKm; withPhotos paints 1–3 portraits each.
    void seed(int count, double lat, double lon, double radiusKm, bool withPhotos = true);
    // Creates the reviewer when missing and moves them to the middle of the demo crowd; when no
    // like waits for the reviewer's answer, a few demo people they have not met yet like them.
    void ensureReviewer();

private:
    void likeReviewer(const QString &reviewerId);

    ServiceContext &m_ctx;
};
