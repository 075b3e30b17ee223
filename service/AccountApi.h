// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

class Router;
struct ServiceContext;

// Sign-in, the own profile and settings, account deletion, the version check and the terms.
class AccountApi {
public:
    static void addRoutes(Router &router, ServiceContext &ctx);
};
