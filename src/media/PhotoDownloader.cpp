#include "PhotoDownloader.h"

#include "BackgroundPriority.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

PhotoDownloader::PhotoDownloader()
    : m_worker(new QObject) {
    m_thread.setObjectName(QStringLiteral("PhotoDownloader"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    // Photos are decoded here too.
    QMetaObject::invokeMethod(m_worker, &BackgroundPriority::lowerThisThread);
}

PhotoDownloader::~PhotoDownloader() {
    m_thread.quit();
    m_thread.wait();
}

PhotoDownloader &PhotoDownloader::shared() {
    static PhotoDownloader instance;
    return instance;
}

void PhotoDownloader::get(const QUrl &url, Completion completion) {
    QMetaObject::invokeMethod(m_worker, [this, url, completion = std::move(completion)] {
        if (!m_manager)
            m_manager = new QNetworkAccessManager(m_worker);
        QNetworkRequest request(url);
        request.setTransferTimeout(60000);
        QNetworkReply *reply = m_manager->get(request);
        connect(reply, &QNetworkReply::finished, m_worker, [reply, completion] {
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
    QMetaObject::invokeMethod(m_worker, std::move(work));
}
