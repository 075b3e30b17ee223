// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TourStops.h"
#include "api/NetworkService.h"
#include "app/TabBar.h"
#include "cardstackdemo/CardStackDemoVC.h"
#include "feed/MainVC.h"
#include "feed/NoteMessageVC.h"
#include "store/UserManager.h"
#include "ui/ScreenFactory.h"
#include "ui/Services.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
// A small service on loopback for the feed stops: the user record, nearby people and their
// photos, so the feed goes through its real loading path.
class TourService : public QObject {
public:
    int profileCount = 3;
    // Without the user record the tab bar's refresh fails, so the feed keeps its first state.
    bool answersUser = true;
    // Whose record "/user" answers with: the tour's own user, set by each feed stop.
    UserManager *user = nullptr;
    // Requests held unanswered, so the screen stays in its waiting state for the shot.
    enum class Hold { Nothing, Profiles, CardPhotos } hold = Hold::Nothing;

    TourService() {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
    }
    QString base() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort());
    }

private:
    void serve(QTcpSocket *socket) {
        m_buffers[socket] += socket->readAll();
        const QByteArray &request = m_buffers[socket];
        const qsizetype end = request.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray path = request.split(' ').value(1);
        m_buffers.remove(socket);
        if ((hold == Hold::Profiles && path == "/fetchProfiles") ||
            (hold == Hold::CardPhotos && path.startsWith("/photo/") && path != ownPhotoPath))
            return;
        QByteArray body = "{}";
        QByteArray type = "application/json";
        QByteArray status = "200 OK";
        if (path == "/user" && !answersUser) {
            status = "404 Not Found";
        } else if (path == "/user" && user) {
            body = QJsonDocument(user->currentUser().toJson()).toJson();
        } else if (path == "/fetchProfiles") {
            body = QJsonDocument(profiles()).toJson();
        } else if (path.startsWith("/photo/")) {
            body = photo(path.mid(7).toInt());
            type = "image/jpeg";
        }
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type +
                      "\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
    QJsonArray profiles() const {
        const QStringList names = {QStringLiteral("Мария"), QStringLiteral("Алина"),
                                   QStringLiteral("Катя")};
        QJsonArray list;
        for (int i = 0; i < profileCount; ++i) {
            list.append(QJsonObject{
                {"userID", QStringLiteral("TOUR-%1").arg(i)},
                {"name", names.value(i % names.size())},
                {"age", 23 + i},
                {"bio", i == 0 ? QStringLiteral("Люблю горы и кофе по утрам") : QString()},
                {"distance", 2 + i * 3},
                {"job", QStringLiteral("Дизайнер")},
                {"edu", QStringLiteral("МГУ")},
                {"city", QStringLiteral("Москва")},
                {"photoURLs", QJsonArray{base() + QStringLiteral("photo/%1").arg(i),
                                         base() + QStringLiteral("photo/%1").arg(i + 3)}},
                {"hasCheckmark", i == 0}});
        }
        return list;
    }
    static QByteArray photo(int index) {
        static const QList<CardModel> models =
            CardStackDemoVC::sampleModels(6, qGuiApp->devicePixelRatio());
        const QImage image = models.at(index % models.size()).images.first();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 85);
        return bytes;
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;

public:
    // The user's own photo: not one of the people's, so it shows while theirs are held.
    static constexpr const char *ownPhotoPath = "/photo/6";
};

TourService &service() {
    static TourService instance;
    return instance;
}

// The tab bar on the feed for a user in the given situation.
ViewController *feed(const Services &services, bool located, bool active, int profileCount,
                     TourService::Hold hold = TourService::Hold::Nothing,
                     bool asksForLocation = false) {
    settlePermissions(services, asksForLocation);
    service().user = &services.user();
    service().profileCount = profileCount;
    service().answersUser = located;
    service().hold = hold;
    services.network().setBaseUrl(service().base());
    services.network().setPaseto(QStringLiteral("v4.local.tour"));
    User user = services.user().currentUser();
    user.lat = located ? 55.7558 : 0;
    user.longitude = located ? 37.6173 : 0;
    user.active = active;
    user.photoUrls = {service().base() + QString::fromLatin1(TourService::ownPhotoPath).mid(1)};
    services.user().setCurrentUser(user);
    return services.screens().create(ScreenFactory::Screen::Main, services);
}
} // namespace

QList<TourStop> feedStops() {
    return {
        {QStringLiteral("feed-cards"),
         [](const Services &services) { return feed(services, true, true, 3); }},
        {QStringLiteral("feed-location-question"),
         [](const Services &services) {
             return feed(services, true, true, 3, TourService::Hold::Nothing, true);
         }},
        {QStringLiteral("feed-nogeo"),
         [](const Services &services) { return feed(services, false, true, 3); }},
        {QStringLiteral("feed-hide"),
         [](const Services &services) { return feed(services, true, false, 3); }},
        {QStringLiteral("feed-nocards"),
         [](const Services &services) { return feed(services, true, true, 0); }},
        {QStringLiteral("feed-loading"),
         [](const Services &services) {
             return feed(services, true, true, 3, TourService::Hold::Profiles);
         }},
        {QStringLiteral("feed-photos-loading"),
         [](const Services &services) {
             return feed(services, true, true, 3, TourService::Hold::CardPhotos);
         }},
        {QStringLiteral("feed-note"),
         [](const Services &services) {
             ViewController *tabs = feed(services, true, true, 3);
             tabs->loadViewIfNeeded();
             auto *main = qobject_cast<MainVC *>(qobject_cast<TabBar *>(tabs)->selectedTab());
             const CardModel person =
                 CardStackDemoVC::sampleModels(1, qGuiApp->devicePixelRatio()).first();
             (new NoteMessageVC(person.userID, person.images.first()))->showOver(main);
             return tabs;
         }},
    };
}
