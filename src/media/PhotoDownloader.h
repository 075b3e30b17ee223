#pragma once

#include <QByteArray>
#include <QObject>
#include <QThread>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

// Plain GETs of photo addresses (no token, no extra headers) on a worker thread of its own;
// completions run on that thread with the body or an error text.
class PhotoDownloader : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(const QByteArray &body, const QString &error)>;

    PhotoDownloader();
    ~PhotoDownloader() override;
    static PhotoDownloader &shared();

    void get(const QUrl &url, Completion completion);

private:
    QThread m_thread;
    QObject *m_worker;
    QNetworkAccessManager *m_manager = nullptr; // made and used on the worker thread only
};
