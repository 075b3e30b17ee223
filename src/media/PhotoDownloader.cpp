// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "media/PhotoDownloader.h"

#include "platform/BackgroundPriority.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

PhotoDownloader::PhotoDownloader() {
    // Photos are decoded here too.
    m_thread.post(&BackgroundPriority::lowerThisThread);
}

namespace {
constexpr qint64 kLargestPhoto = 20 * 1024 * 1024;
} // namespace

void PhotoDownloader::get(const QUrl &url, Completion completion) {
    m_thread.post([this, url, completion = std::move(completion)] {
        if (!m_manager)
            m_manager = new QNetworkAccessManager(m_thread.context());
        QNetworkRequest request(url);
        request.setTransferTimeout(60000);
        QNetworkReply *reply = m_manager->get(request);
        // Photos of the service are a few hundred kilobytes; a far larger answer is refused as
        // it comes instead of being held whole.
        connect(reply, &QNetworkReply::downloadProgress, reply,
                [reply](qint64 received, qint64 total) {
                    if (received > kLargestPhoto || total > kLargestPhoto)
                        reply->abort();
                });
        connect(reply, &QNetworkReply::finished, m_thread.context(), [reply, completion] {
            reply->deleteLater();
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (reply->error() != QNetworkReply::NoError || status >= 400)
                completion({}, reply->errorString());
            else if (reply->bytesAvailable() > kLargestPhoto) // all of it came at once
                completion({}, QStringLiteral("photo over %1 bytes").arg(kLargestPhoto));
            else
                completion(reply->readAll(), {});
        });
    });
}

void PhotoDownloader::run(std::function<void()> work) {
    m_thread.post(std::move(work));
}
