// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/WorkerThread.h"

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

// Plain GETs of photo addresses (no token, no extra headers) on a worker thread of its own;
// completions run on that thread with the body or an error text. Other photo work (reading
// and decoding cached files) can be queued on the same thread.
class PhotoDownloader : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(const QByteArray &body, const QString &error)>;

    PhotoDownloader();

    void get(const QUrl &url, Completion completion);
    /// Runs work on the worker thread after everything queued before it.
    void run(std::function<void()> work);

private:
    WorkerThread m_thread{QStringLiteral("PhotoDownloader")};
    QNetworkAccessManager *m_manager = nullptr; // made and used on the worker thread only
};
