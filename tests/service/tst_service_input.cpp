// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ServiceHarness.h"

#include "media/PhotoProcessor.h"

#include <QBuffer>
#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

// Bad input of every kind gets a 4xx with the error body; photos round-trip with their types.
class TestServiceInput : public QObject {
    Q_OBJECT

    static QImage picture() {
        QImage image(24, 32, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return image;
    }
    static QByteArray encoded(const char *format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture().save(&buffer, format);
        return bytes;
    }
    static QByteArray pngBytes() { return encoded("PNG"); }
    // Detail in every row, so half of the file is half of the picture, not half of its headers.
    static QByteArray photo(const char *format, const QMap<QString, QString> &text = {}) {
        QImage image(240, 320, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x, y * 3 / 4, (x * y) % 256));
        for (auto it = text.begin(); it != text.end(); ++it)
            image.setText(it.key(), it.value());
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }
    static QByteArray uploadBody(const QList<QByteArray> &images) {
        QJsonArray list;
        for (const QByteArray &image : images)
            list.append(QString::fromLatin1(image.toBase64()));
        return QJsonDocument(QJsonObject{{"images", list}}).toJson();
    }
    static QByteArray heicBytes() { return PhotoProcessor::encodeHeic(picture()); }
    static std::unique_ptr<QTcpSocket> connectedTo(quint16 port) {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, port);
        socket->waitForConnected(5000);
        return socket;
    }

private Q_SLOTS:
    void badRequestsAreRefusedWithTheErrorBody_data() {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        const auto row = [](const char *name, const char *method, const QString &path,
                            const QByteArray &body, int status) {
            QTest::newRow(name) << QByteArray(method) << path << body << status;
        };
        const QString nobody = QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF");
        const QByteArray settings =
            R"({"maxDistance":10,"showMore":true,"selectedGender":"all","ageStart":18,"ageEnd":40,"showMoreAge":true)";
        const QByteArray registration = R"({"bio":"","name":"А","selectedGender":"all",)";
        // clang-format off
        row("unknown path", "GET", "nothing/here", {}, 404);
        row("wrong method", "GET", "swipes", {}, 405);
        row("malformed json", "PUT", "user/geo", "{\"lat\":", 400);
        row("json array", "PUT", "user/geo", "[1,2]", 400);
        row("missing key", "PUT", "user/geo", "{\"lat\":1}", 400);
        row("string for number", "PUT", "user/geo", R"({"lat":"1","long":2})", 400);
        row("latitude out of range", "PUT", "user/geo", R"({"lat":91,"long":2})", 400);
        row("fractional distance", "PUT", "user/settings", QByteArray(settings).replace(":10,", ":1.5,") + R"(,"active":true})", 400);
        row("settings missing one key", "PUT", "user/settings", settings + "}", 400);
        row("unknown gender", "POST", "completeRegistration", registration + R"("birthday":"01012000","genderInput":"cat"})", 400);
        row("unreadable birthday", "POST", "completeRegistration", registration + R"("birthday":"2000-01-01","genderInput":"man"})", 400);
        row("bool as string", "POST", "swipes", R"({"toUserID":true,"swipeType":"right","message":""})", 400);
        row("unknown swipe type", "POST", "swipes", R"({"toUserID":")" + nobody.toLatin1() + R"(","swipeType":"up","message":""})", 400);
        row("swipe as someone else", "POST", "swipes", R"({"toUserID":")" + nobody.toLatin1() + R"(","swipeType":"right","fromUserID":")" + nobody.toLatin1() + R"("})", 403);
        row("swipe at nobody", "POST", "swipes", R"({"toUserID":")" + nobody.toLatin1() + R"(","swipeType":"right","message":""})", 404);
        row("page zero", "GET", "chats?page=0&perPage=20", {}, 400);
        row("page not a number", "GET", "chats?page=x&perPage=20", {}, 400);
        row("bad date", "GET", "chats/" + nobody + "/messages/older?before=yesterday", {}, 400);
        row("chat that does not exist", "GET", "chats/" + nobody + "/messages/older?before=2025-01-31T18:04:05Z", {}, 404);
        row("nul in a text", "PUT", "user/bio", R"({"bio":"a\u0000b","job":"","edu":"","city":""})", 400);
        row("empty message", "POST", "sendMessage", R"({"chatID":")" + nobody.toLatin1() + R"(","content":"  "})", 400);
        row("bad base64 photo", "POST", "images/upload", R"({"images":["@@not base64@@"]})", 400);
        row("no photos", "POST", "images/upload", R"({"images":[]})", 400);
        row("seven photos", "POST", "images/upload", uploadBody(QList<QByteArray>(7, pngBytes())), 400);
        row("not an image", "POST", "images/upload", uploadBody({"plain text"}), 415);
        const QByteArray script = "<script>fetch('/user')</script>";
        row("png header then a script", "POST", "images/upload", uploadBody({QByteArray("\x89PNG\r\n\x1A\n", 8) + script}), 415);
        row("png with a script behind", "POST", "images/upload", uploadBody({pngBytes() + script}), 415);
        row("truncated jpeg", "POST", "images/upload", uploadBody({encoded("JPEG").chopped(40)}), 415);
        const QByteArray jpeg = photo("JPEG");
        row("half a jpeg with its end marker", "POST", "images/upload", uploadBody({jpeg.left(jpeg.size() / 2) + "\xFF\xD9"}), 415);
        const QByteArray png = photo("PNG");
        row("half a png with its end chunk", "POST", "images/upload", uploadBody({png.left(png.size() / 2) + png.right(12)}), 415);
        row("forged heic", "POST", "images/upload", uploadBody({QByteArray("\0\0\0\x18" "ftypheic", 12) + script}), 415);
        row("foreign file name", "GET", "images/..%2Fservice.sqlite", {}, 404);
        // clang-format on
    }

    void badRequestsAreRefusedWithTheErrorBody() {
        QFETCH(QByteArray, method);
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        ServiceHarness service;
        const QString token = service.signUp(ServiceHarness::newUserId(), "man", "all", 30, 55, 37);
        const auto answer = service.call(method, path, body, token);
        QCOMPARE(answer.status, status);
        QVERIFY2(answer.isError(), answer.body.constData());
        // The service keeps serving after every refusal.
        QCOMPARE(service.call("GET", "user", {}, token).status, 200);
    }

    // Each request is logged with the time it was answered and the caller's address, then its
    // method, path and status; neither the query nor the token appears.
    void eachRequestIsLoggedWithItsTimeAndCaller() {
        QTemporaryDir dir;
        quint16 port = 0;
        const auto service =
            ServiceHarness::serveBinary({"--database", dir.filePath("log.sqlite")}, &port);
        QVERIFY(service);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(socket.waitForConnected(5000));
        socket.write("GET /user?birthday=01011990 HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                     "Authorization: Bearer v4.local.SECRET\r\n\r\n");
        QVERIFY(socket.waitForReadyRead(5000));
        const QRegularExpression logged(
            QStringLiteral(R"(^(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z) 127\.0\.0\.1 )"
                           R"(GET /user \d{3} \d+ ms$)"),
            QRegularExpression::MultilineOption);
        QByteArray output;
        QRegularExpressionMatch line;
        QTRY_VERIFY((output += service->readAllStandardOutput(),
                     line = logged.match(QString::fromUtf8(output)))
                        .hasMatch());
        const QDateTime at = QDateTime::fromString(line.captured(1), Qt::ISODateWithMs);
        QVERIFY(qAbs(at.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        QVERIFY2(!output.contains("SECRET") && !output.contains("01011990"), output.constData());
    }

    // Connections that hold the service without using it are closed: headers or a body that
    // trickle in past their deadline, and a connection left idle. One in use stays open.
    void connectionsThatHoldTheServiceAreClosed() {
        QTemporaryDir dir;
        quint16 port = 0;
        const auto service = ServiceHarness::serveBinary(
            {"--database", dir.filePath("slow.sqlite"), "--timeouts", "0.5,0.8,1.2"}, &port);
        QVERIFY(service);
        const auto connected = [port] { return connectedTo(port); };
        // Sends `text` a byte at a time, every 100 ms, until the service closes the connection;
        // false when all of it went out.
        const auto trickleClosed = [](QTcpSocket &socket, const QByteArray &text) {
            for (const char byte : text) {
                if (socket.state() != QAbstractSocket::ConnectedState)
                    return true;
                socket.write(&byte, 1);
                socket.waitForBytesWritten(1000);
                socket.waitForDisconnected(100);
            }
            return socket.state() != QAbstractSocket::ConnectedState;
        };
        const QByteArray request = "GET /nowhere HTTP/1.1\r\nHost: x\r\n\r\n";

        const auto idle = connected();
        QVERIFY(!idle->waitForDisconnected(600));
        QVERIFY(idle->state() == QAbstractSocket::UnconnectedState ||
                idle->waitForDisconnected(5000));

        const auto slowHeaders = connected();
        QVERIFY(trickleClosed(*slowHeaders, request.repeated(4)));

        const auto slowBody = connected();
        slowBody->write("PUT /user/bio HTTP/1.1\r\nHost: x\r\nContent-Length: 200\r\n\r\n{");
        QVERIFY(trickleClosed(*slowBody, QByteArray(199, ' ')));

        // Two requests a little apart on one connection are both answered.
        const auto used = connected();
        for (int i = 0; i < 2; ++i) {
            used->write(request);
            QVERIFY(used->waitForReadyRead(5000));
            QVERIFY(used->readAll().startsWith("HTTP/1.1 404"));
            QTest::qWait(400);
        }
        QCOMPARE(used->state(), QAbstractSocket::ConnectedState);
        service->terminate();
        QVERIFY(service->waitForFinished(5000));
    }

    // A crowd larger than the service's descriptors waits in the system's queue without the
    // service spinning on failed accepts, and is served once connections close.
    void aCrowdBeyondTheDescriptorsWaitsWithoutSpinning() {
        QTemporaryDir dir;
        quint16 port = 0;
        const auto service = ServiceHarness::serveBinary(
            {"--database", dir.filePath("crowd.sqlite")}, &port, {"prlimit", "--nofile=64"});
        QVERIFY(service);
        const auto cpuTicks = [&service] {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(service->processId()));
            if (!stat.open(QIODevice::ReadOnly))
                return qint64(-1);
            const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
            return fields.value(12).toLongLong() + fields.value(13).toLongLong();
        };
        // More than the 64 descriptors, fewer than the service's 48 connections and the
        // system's queue of 50 hold: none of them waits on a dropped connection attempt.
        std::vector<std::unique_ptr<QTcpSocket>> crowd;
        for (int i = 0; i < 80; ++i) {
            crowd.push_back(std::make_unique<QTcpSocket>());
            crowd.back()->connectToHost(QHostAddress::LocalHost, port);
        }
        QTest::qWait(500);
        const qint64 before = cpuTicks();
        QTest::qWait(1000);
        // Spinning took most of a core (25 to 90 of the second's 100 ticks, as busy as the
        // machine was); waiting takes none.
        QVERIFY2(cpuTicks() - before < 10, qPrintable(QString::number(cpuTicks() - before)));
        crowd.clear();
        QTcpSocket late;
        late.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(late.waitForConnected(5000));
        late.write("GET /nowhere HTTP/1.1\r\nHost: x\r\n\r\n");
        QVERIFY(late.waitForReadyRead(5000));
        QVERIFY(late.readAll().startsWith("HTTP/1.1 404"));
        service->terminate();
        QVERIFY(service->waitForFinished(5000));
    }

    // One address holds only so many connections at once: 3,000 idle ones from one host once
    // stayed open. Past the cap a new one is closed at once; a freed place is used again.
    void oneAddressHoldsOnlySoManyConnections() {
        QTemporaryDir dir;
        quint16 port = 0;
        const auto service = ServiceHarness::serveBinary(
            {"--database", dir.filePath("many.sqlite"), "--connections-per-address", "5"}, &port);
        QVERIFY(service);
        std::vector<std::unique_ptr<QTcpSocket>> held;
        for (int i = 0; i < 5; ++i)
            held.push_back(connectedTo(port));
        const auto extra = connectedTo(port);
        QVERIFY(extra->state() == QAbstractSocket::UnconnectedState ||
                extra->waitForDisconnected(3000));
        for (const auto &socket : held)
            QCOMPARE(socket->state(), QAbstractSocket::ConnectedState);
        held.pop_back();
        QTest::qWait(300);
        const auto again = connectedTo(port);
        again->write("GET /nowhere HTTP/1.1\r\nHost: x\r\n\r\n");
        QVERIFY(again->waitForReadyRead(5000));
        QVERIFY(again->readAll().startsWith("HTTP/1.1 404"));
        service->terminate();
        QVERIFY(service->waitForFinished(5000));
    }

    // A connection that sends requests far ahead of reading its answers is closed once it is
    // a few dozen ahead, instead of having all of them answered while everyone else waits.
    void aConnectionCannotPipelineWithoutEnd() {
        QTemporaryDir dir;
        quint16 port = 0;
        const auto service =
            ServiceHarness::serveBinary({"--database", dir.filePath("pipe.sqlite")}, &port);
        QVERIFY(service);
        const auto greedy = connectedTo(port);
        greedy->write(QByteArray("GET /nowhere HTTP/1.1\r\nHost: x\r\n\r\n").repeated(5000));
        QByteArray answers;
        while (greedy->waitForReadyRead(3000))
            answers += greedy->readAll();
        answers += greedy->readAll();
        QCOMPARE(greedy->state(), QAbstractSocket::UnconnectedState);
        QVERIFY2(answers.count("HTTP/1.1 404") < 1000,
                 qPrintable(QString::number(answers.count("HTTP/1.1 404"))));
        const auto polite = connectedTo(port);
        polite->write("GET /nowhere HTTP/1.1\r\nHost: x\r\n\r\n");
        QVERIFY(polite->waitForReadyRead(5000));
        QVERIFY(polite->readAll().startsWith("HTTP/1.1 404"));
        service->terminate();
        QVERIFY(service->waitForFinished(5000));
    }

    // Only an upload with a token may be large: other calls are refused at their headers past a
    // few kilobytes, fewer without a token. Together, connections may be receiving only a
    // budget of announced bytes: twenty slow large uploads once held 1.5 GB.
    void bodiesAreLimitedByRouteAndInTotal() {
        QTemporaryDir dir;
        quint16 port = 0;
        const auto service =
            ServiceHarness::serveBinary({"--database", dir.filePath("limits.sqlite"), "--max-body",
                                         "100000000", "--body-budget", "250000000"},
                                        &port);
        QVERIFY(service);
        quint16 defaultsPort = 0;
        const auto defaults = ServiceHarness::serveBinary(
            {"--database", dir.filePath("defaults.sqlite")}, &defaultsPort);
        QVERIFY(defaults);
        const auto announce = [port](const QByteArray &call, qint64 length, bool token,
                                     quint16 to = 0) {
            auto socket = connectedTo(to ? to : port);
            socket->write(call + " HTTP/1.1\r\nHost: x\r\n" +
                          (token ? "auth: bear whatever\r\n" : "") +
                          "Content-Length: " + QByteArray::number(length) + "\r\n\r\n");
            socket->waitForBytesWritten(2000);
            return socket;
        };
        // The status the service answered at the headers, or 0 while it waits for the body.
        const auto status = [](QTcpSocket &socket) {
            if (!socket.waitForReadyRead(1000))
                return 0;
            return socket.readAll().mid(9, 3).toInt();
        };
        QCOMPARE(status(*announce("POST /validateDevice", 20 * 1024, false)), 413);
        QCOMPARE(status(*announce("POST /validateDevice", 8 * 1024, false)), 0);
        QCOMPARE(status(*announce("PUT /user/bio", 100 * 1024, true)), 413);
        QCOMPARE(status(*announce("PUT /user/bio", 30 * 1024, true)), 0);
        QCOMPARE(status(*announce("POST /images/upload", 30 * 1024 * 1024, false)), 413);

        std::vector<std::unique_ptr<QTcpSocket>> uploads;
        for (int i = 0; i < 3; ++i) {
            uploads.push_back(announce("POST /images/upload", 80'000'000, true));
            QCOMPARE(status(*uploads.back()), 0);
        }
        QCOMPARE(status(*announce("POST /images/upload", 80'000'000, true)), 503);
        // A closed connection gives its share back.
        uploads.pop_back();
        QTest::qWait(300);
        QCOMPARE(status(*announce("POST /images/upload", 80'000'000, true)), 0);
        // By default the budget is about one largest upload, which the service holds twice
        // over while it reads: a second one waits its turn.
        const auto first = announce("POST /images/upload", 20'000'000, true, defaultsPort);
        QCOMPARE(status(*first), 0);
        QCOMPARE(status(*announce("POST /images/upload", 20'000'000, true, defaultsPort)), 503);
        QCOMPARE(status(*announce("POST /images/upload", 30'000'000, true, defaultsPort)), 413);
        for (QProcess *process : {service.get(), defaults.get()}) {
            process->terminate();
            QVERIFY(process->waitForFinished(5000));
        }
    }

    // A body past the limit is refused from its Content-Length, and a chunked one at once,
    // before either is held in memory: the service's peak memory barely moves.
    void hugeBodiesAreRefusedBeforeTheyAreRead() {
        QTemporaryDir dir;
        quint16 port = 0;
        const auto service =
            ServiceHarness::serveBinary({"--database", dir.filePath("huge.sqlite")}, &port);
        QVERIFY(service);
        const auto peakKb = [&service] {
            QFile status(QStringLiteral("/proc/%1/status").arg(service->processId()));
            if (!status.open(QIODevice::ReadOnly))
                return qint64(-1);
            const QByteArray text = status.readAll();
            const qsizetype at = text.indexOf("VmHWM:");
            return text.mid(at + 6, text.indexOf('\n', at) - at - 6)
                .trimmed()
                .split(' ')[0]
                .toLongLong();
        };
        const qint64 before = peakKb();
        const auto open = [port](const QByteArray &lengthHeader) {
            auto socket = connectedTo(port);
            socket->write("PUT /user/bio HTTP/1.1\r\nHost: 127.0.0.1\r\n" + lengthHeader +
                          "\r\n\r\n");
            return socket;
        };
        // Told that 600 MB follow, the service answers before any of them is sent.
        const auto announced = open("Content-Length: 600000000");
        QVERIFY(announced->waitForReadyRead(5000));
        const QByteArray refusal = announced->readAll();
        QVERIFY2(refusal.startsWith("HTTP/1.1 413"), refusal.constData());
        QVERIFY(refusal.contains("\"error\":true"));

        // A body of unknown length is refused at its headers, before any chunk: chunks that
        // carry the end marker inside them once brought in hundreds of megabytes.
        const auto streamed = open("Transfer-Encoding: chunked");
        QVERIFY(streamed->waitForReadyRead(5000));
        const QByteArray unnamed = streamed->readAll();
        QVERIFY2(unnamed.startsWith("HTTP/1.1 411"), unnamed.constData());
        const QByteArray chunk = "100000\r\n" + QByteArray(1 << 20, 'x') + "0\r\n\r\n\r\n";
        for (int sent = 0; sent < 300 && streamed->state() == QAbstractSocket::ConnectedState;
             ++sent) {
            streamed->write(chunk);
            streamed->waitForBytesWritten(2000);
        }
        QCOMPARE(streamed->state(), QAbstractSocket::UnconnectedState);
        QVERIFY2(peakKb() - before < 50 * 1024, qPrintable(QString::number(peakKb() - before)));
        service->terminate();
        QVERIFY(service->waitForFinished(5000));
    }

    void uploadReplacesThePhotoSetAndServesEachAsTheServiceEncodedIt() {
        ServiceHarness service;
        const QString token = service.signIn(ServiceHarness::newUserId());
        const QByteArray first = uploadBody({pngBytes()});
        QCOMPARE(service.call("POST", "images/upload", first, token).status, 200);
        const QByteArray both = uploadBody({heicBytes(), pngBytes(), encoded("JPEG")});
        const auto answer = service.call("POST", "images/upload", both, token);
        QCOMPARE(answer.status, 200);
        const QJsonArray urls = answer.object().value("photoURLs").toArray();
        QCOMPARE(urls.size(), 3);
        QCOMPARE(service.call("GET", "user", {}, token).object().value("photoUrls").toArray(),
                 urls);
        for (const QJsonValue &url : urls) {
            const auto served = service.call("GET", url.toString().section('/', 3));
            QCOMPARE(served.contentType, QByteArray("image/jpeg"));
            const QImage image = QImage::fromData(served.body);
            QCOMPARE(image.size(), QSize(24, 32));
            QVERIFY(qAbs(qGreen(image.pixel(12, 16)) - qGreen(QColor(Qt::darkCyan).rgb())) < 8);
        }
    }

    // What is served is pixels the service encoded: no comment, location or other text the
    // sender's software wrote into the file, the camera's orientation turned into the pixels,
    // and see-through parts kept.
    void photosAreServedWithoutWhatTheSenderWroteIntoThem() {
        ServiceHarness service;
        const QString token = service.signIn(ServiceHarness::newUserId());
        const QString place = QStringLiteral("55.75581,37.61729");
        // An Exif block saying "turn a quarter clockwise to show".
        const QByteArray exif("\xFF\xE1\x00\x22"
                              "Exif\0\0"
                              "II*\0\x08\0\0\0"
                              "\x01\0"
                              "\x12\x01\x03\0\x01\0\0\0\x06\0\0\0"
                              "\0\0\0\0",
                              36);
        const QByteArray jpeg = photo("JPEG", {{"Location", place}}).insert(2, exif);
        const QByteArray png = photo("PNG", {{"Location", place}});
        QVERIFY(jpeg.contains(place.toLatin1()) && png.contains(place.toLatin1()));
        QImage clear(20, 20, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QByteArray seeThrough;
        QBuffer buffer(&seeThrough);
        buffer.open(QIODevice::WriteOnly);
        clear.save(&buffer, "PNG");
        const auto answer =
            service.call("POST", "images/upload", uploadBody({jpeg, png, seeThrough}), token);
        QCOMPARE(answer.status, 200);
        QList<QPair<QByteArray, QImage>> served;
        for (const QJsonValue &url : answer.object().value("photoURLs").toArray()) {
            const auto got = service.call("GET", url.toString().section('/', 3));
            QVERIFY(!got.body.contains(place.toLatin1()));
            QVERIFY(!got.body.contains("Exif"));
            served.append({got.contentType, QImage::fromData(got.body)});
        }
        QCOMPARE(served.size(), 3);
        QCOMPARE(served.at(0).first, QByteArray("image/jpeg"));
        QCOMPARE(served.at(0).second.size(), QSize(320, 240));
        QCOMPARE(served.at(1).first, QByteArray("image/jpeg"));
        QCOMPARE(served.at(1).second.size(), QSize(240, 320));
        QCOMPARE(served.at(2).first, QByteArray("image/png"));
        QCOMPARE(qAlpha(served.at(2).second.pixel(10, 10)), 0);
    }

    // Nothing larger than twice what the client sends is decoded: a few kilobytes of HEIC
    // once asked for 49 megapixels and seconds of CPU. An account uploading all hour is
    // stopped at its hourly allowance.
    void uploadsAreBoundedInSizeAndNumber() {
        ServiceHarness service({"--uploads-per-hour", "4"});
        const QString token = service.signIn(ServiceHarness::newUserId());
        const auto sized = [](int width, int height, const char *format) {
            QImage image(width, height, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            if (qstrcmp(format, "HEIC") == 0)
                return PhotoProcessor::encodeHeic(image);
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, format);
            return bytes;
        };
        const auto upload = [&](const QByteArray &image) {
            return service.call("POST", "images/upload", uploadBody({image}), token).status;
        };
        QCOMPARE(upload(sized(2400, 3200, "PNG")), 200);
        QCOMPARE(upload(sized(3201, 16, "PNG")), 415);
        QCOMPARE(upload(sized(2401, 2401, "JPEG")), 415);
        QCOMPARE(upload(sized(16, 3216, "HEIC")), 415);
        QCOMPARE(upload(pngBytes()), 429);
    }
};

QTEST_MAIN(TestServiceInput)
#include "tst_service_input.moc"
