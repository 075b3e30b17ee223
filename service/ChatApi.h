// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

class Router;
struct ServiceContext;

// Matches, their conversations and dissolving a match.
class ChatApi {
public:
    static void addRoutes(Router &router, ServiceContext &ctx);
};
