// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Router.h"

void Router::add(QHttpServerRequest::Method method, const QString &pattern, Access access,
                 Handler handler) {
    m_routes.push_back({method, pattern.split(QLatin1Char('/')), access, std::move(handler)});
}

Router::Match Router::find(QHttpServerRequest::Method method, const QString &path) const {
    const QStringList segments = path.split(QLatin1Char('/'));
    Match result;
    for (const Route &route : m_routes) {
        if (route.segments.size() != segments.size())
            continue;
        QStringList args;
        bool same = true;
        for (int i = 0; same && i < segments.size(); ++i) {
            if (route.segments.at(i) == QLatin1String("*") && !segments.at(i).isEmpty())
                args.append(segments.at(i));
            else
                same = route.segments.at(i) == segments.at(i);
        }
        if (!same)
            continue;
        if (route.method == method)
            return {&route, args, false};
        result.wrongMethod = true;
    }
    return result;
}
