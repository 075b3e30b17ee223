#include "media/PhotoDownloader.h"

#include "platform/BackgroundPriority.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

PhotoDownloader::PhotoDownloader() {
    // Photos are decoded here too.
    m_thread.post(&BackgroundPriority::lowerThisThread);
}

PhotoDownloader &PhotoDownloader::shared() {
    static PhotoDownloader instance;
    return instance;
}

void PhotoDownloader::get(const QUrl &url, Completion completion) {
    m_thread.post([this, url, completion = std::move(completion)] {
        if (!m_manager)
            m_manager = new QNetworkAccessManager(m_thread.context());
        QNetworkRequest request(url);
        request.setTransferTimeout(60000);
        QNetworkReply *reply = m_manager->get(request);
        connect(reply, &QNetworkReply::finished, m_thread.context(), [reply, completion] {
            reply->deleteLater();
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (reply->error() != QNetworkReply::NoError || status >= 400)
                completion({}, reply->errorString());
            else
                completion(reply->readAll(), {});
        });
    });
}

void PhotoDownloader::run(std::function<void()> work) {
    m_thread.post(std::move(work));
}
