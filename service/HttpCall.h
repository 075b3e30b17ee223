// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QHttpServerRequest>
#include <QUrl>

// What a request carried, copied off its connection: the HTTP server reuses its request object
// for the next one on the connection while a worker thread is still answering this one.
struct HttpCall {
    QHttpServerRequest::Method method = QHttpServerRequest::Method::Unknown;
    QUrl url;
    QByteArray host;
    QByteArray auth;
    QByteArray body;
    // The caller's address as text: the peer's, or the one a trusted proxy forwarded.
    QByteArray caller;

    [[nodiscard]] static HttpCall from(const QHttpServerRequest &request) {
        return {request.method(),      request.url(),  request.value("host"),
                request.value("auth"), request.body(), {}};
    }
};
