// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

class Router;
struct ServiceContext;

// The feed, swipes, likes, reports, blocks and photos.
class FeedApi {
public:
    static void addRoutes(Router &router, ServiceContext &ctx);
};
