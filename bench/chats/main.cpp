// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

// Decodes and shows a page of 100 matches and a conversation of 2 000 messages; prints the
// decode times, the time to the first frame of each screen and the resident memory.
// Usage: bench-chats
#include "FakeService.h"
#include "api/Decoder.h"
#include "api/NetworkService.h"
#include "app/OwnedServices.h"
#include "chats/ChatDetailsVC.h"
#include "chats/ChatsVC.h"
#include "store/ChatCashManager.h"
#include "ui/NavigationContainer.h"
#include "ui/QmlHost.h"
#include "ui/Window.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

QUuid numbered(int prefix, int n) {
    return QUuid::fromString(QStringLiteral("%1-0000-4000-8000-%2")
                                 .arg(prefix, 8, 10, QLatin1Char('0'))
                                 .arg(n, 12, 10, QLatin1Char('0')));
}

Message message(int n, const QUuid &sender) {
    Message m;
    m.id = numbered(3, n);
    m.senderID = sender;
    m.content = QStringLiteral("Сообщение номер %1, чтобы строка была похожа на настоящую").arg(n);
    m.createdAt = QDateTime(QDate(2025, 3, 1), QTime(0, 0), Qt::UTC).addSecs(n * 37);
    return m;
}

QByteArray matchesPage(int count) {
    QJsonArray array;
    for (int i = 0; i < count; ++i) {
        Match m;
        m.id = numbered(1, i);
        m.chatID = numbered(2, i);
        m.createdAt = QDateTime(QDate(2025, 2, 1), QTime(12, 0), Qt::UTC).addSecs(i);
        m.profile.userID = numbered(4, i).toString(QUuid::WithoutBraces).toUpper();
        m.profile.name = QStringLiteral("Человек %1").arg(i);
        m.profile.age = 20 + i % 20;
        m.profile.city = QStringLiteral("Москва");
        m.profile.photoURLs = QStringList{QStringLiteral("http://127.0.0.1:9/p/%1.heic").arg(i)};
        m.isUnread = i % 4 == 0;
        m.messages = {message(i, numbered(4, i))};
        array.append(m.toJson());
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

template <class T> double medianDecodeMs(const QByteArray &bytes, int rounds) {
    QList<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QJsonDocument document = QJsonDocument::fromJson(bytes);
        QString error;
        const std::optional<T> decoded = Decoder<T>::decode(QJsonValue(document.array()), &error);
        times.append(double(timer.nsecsElapsed()) / 1e6);
        if (!decoded)
            std::fprintf(stderr, "decode failed: %s\n", qPrintable(error));
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// Waits for the next frame the window presents and returns the time it took.
double msToNextFrame(QQuickWindow *window, QElapsedTimer &since) {
    bool swapped = false;
    const auto connection =
        QObject::connect(window, &QQuickWindow::frameSwapped, [&swapped] { swapped = true; });
    window->requestUpdate();
    if (!QTest::qWaitFor([&swapped] { return swapped; }, 10000))
        std::fputs("no frame came within 10 s\n", stderr);
    QObject::disconnect(connection);
    return double(since.nsecsElapsed()) / 1e6;
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);

    const QByteArray page = matchesPage(100);
    QJsonArray conversationJson;
    for (int i = 0; i < 2000; ++i)
        conversationJson.append(message(i, numbered(4, i % 2)).toJson());
    const QByteArray conversation = QJsonDocument(conversationJson).toJson(QJsonDocument::Compact);

    std::printf("decode 100 matches: %.3f ms (median of 200; target under 2 ms)\n",
                medianDecodeMs<QList<Match>>(page, 200));
    std::printf("decode 2000 messages: %.3f ms (median of 50)\n",
                medianDecodeMs<QList<Message>>(conversation, 50));
    std::printf("memory before the screens: %ld KiB\n", residentKiB());

    FakeService service;
    if (!service.start())
        return 1;
    service.respond(QStringLiteral("chats"), 200, page);
    service.respond(QStringLiteral("chats/"), 200, "[]");
    const OwnedServices owned;
    const Services &services = owned.services();
    services.network().setBaseUrl(service.baseUrl());
    services.network().setPaseto(QStringLiteral("v4.local.bench"));

    QTemporaryDir dir;
    ChatCashManager cache(
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("d.ini")), QSettings::IniFormat));
    Window window;
    QmlHost host(window, services);
    QQuickWindow *quick = host.quickWindow();
    quick->resize(1000, 800);
    quick->show();

    QElapsedTimer timer;
    timer.start();
    auto *list = new ChatsVC(Services(services).setSavedMatches(cache));
    auto *nav = new NavigationContainer(list);
    window.setRoot(nav);
    if (!QTest::qWaitFor([list] { return list->data().size() == 100; }, 10000)) {
        std::fputs("the matches list did not fill within 10 s\n", stderr);
        return 1;
    }
    const double listReady = double(timer.nsecsElapsed()) / 1e6;
    std::printf("matches list: page shown after %.1f ms, first frame with it after %.1f ms\n",
                listReady, msToNextFrame(quick, timer));
    std::printf("memory with the list: %ld KiB\n", residentKiB());

    Match match = list->data().first();
    const std::optional<QList<Message>> messages = Decoder<QList<Message>>::decode(
        QJsonValue(QJsonDocument::fromJson(conversation).array()), nullptr);
    match.messages = messages.value_or(QList<Message>());
    timer.restart();
    nav->push(new ChatDetailsVC(match, services), false);
    std::printf("conversation of %lld messages: first frame after %.1f ms\n",
                qlonglong(match.messages.size()), msToNextFrame(quick, timer));
    QTest::qWait(200);
    std::printf("memory with the conversation: %ld KiB\n", residentKiB());
    return 0;
}
