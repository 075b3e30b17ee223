// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ApiRequest.h"

#include <QHttpServerRequest>
#include <QStringList>

#include <functional>
#include <vector>

// Who may call a route.
enum class Access {
    Public,         // no token
    Member,         // a live token of an account that is neither deleted nor banned
    DeletedAllowed, // like Member, but also while the account is deleted (restoring it)
};

// Maps method + path to handlers. A "*" segment in a pattern matches one path segment and is
// handed to the handler as an argument.
class Router {
public:
    using Handler = std::function<Reply(ApiRequest &)>;

    struct Route {
        QHttpServerRequest::Method method;
        QStringList segments;
        Access access;
        Handler handler;
    };

    struct Match {
        const Route *route = nullptr;
        QStringList args;
        bool wrongMethod = false; // the path exists, but not for this method
    };

    void add(QHttpServerRequest::Method method, const QString &pattern, Access access,
             Handler handler);
    [[nodiscard]] Match find(QHttpServerRequest::Method method, const QString &path) const;

private:
    std::vector<Route> m_routes;
};
