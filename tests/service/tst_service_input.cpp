#include "ServiceHarness.h"

#include <QJsonDocument>
#include <QTest>

// Bad input of every kind gets a 4xx with the error body; photos round-trip with their types.
class TestServiceInput : public QObject {
    Q_OBJECT

    static QByteArray pngBytes() {
        return QByteArray("\x89PNG\r\n\x1A\n", 8) + QByteArray(32, 'p');
    }
    static QByteArray uploadBody(const QList<QByteArray> &images) {
        QJsonArray list;
        for (const QByteArray &image : images)
            list.append(QString::fromLatin1(image.toBase64()));
        return QJsonDocument(QJsonObject{{"images", list}}).toJson();
    }
    static QByteArray heicBytes() {
        return QByteArray("\0\0\0\x18"
                          "ftypheic",
                          12) +
               QByteArray(40, 'h');
    }

private Q_SLOTS:
    void badRequestsAreRefusedWithTheErrorBody_data() {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown path") << QByteArray("GET") << "nothing/here" << QByteArray() << 404;
        QTest::newRow("wrong method") << QByteArray("GET") << "swipes" << QByteArray() << 405;
        QTest::newRow("wrong method put")
            << QByteArray("POST") << "user/geo" << QByteArray() << 405;
        QTest::newRow("malformed json")
            << QByteArray("PUT") << "user/geo" << QByteArray("{\"lat\":") << 400;
        QTest::newRow("json array")
            << QByteArray("PUT") << "user/geo" << QByteArray("[1,2]") << 400;
        QTest::newRow("missing key")
            << QByteArray("PUT") << "user/geo" << QByteArray("{\"lat\":1}") << 400;
        QTest::newRow("string for number")
            << QByteArray("PUT") << "user/geo" << QByteArray(R"({"lat":"1","long":2})") << 400;
        QTest::newRow("latitude out of range")
            << QByteArray("PUT") << "user/geo" << QByteArray(R"({"lat":91,"long":2})") << 400;
        QTest::newRow("fractional distance")
            << QByteArray("PUT") << "user/settings"
            << QByteArray(
                   R"({"maxDistance":1.5,"showMore":true,"selectedGender":"all","ageStart":18,"ageEnd":40,"showMoreAge":true,"active":true})")
            << 400;
        QTest::newRow("settings missing one key")
            << QByteArray("PUT") << "user/settings"
            << QByteArray(
                   R"({"maxDistance":10,"showMore":true,"selectedGender":"all","ageStart":18,"ageEnd":40,"showMoreAge":true})")
            << 400;
        QTest::newRow("unknown gender")
            << QByteArray("POST") << "completeRegistration"
            << QByteArray(
                   R"({"bio":"","name":"А","birthday":"01012000","genderInput":"cat","selectedGender":"all"})")
            << 400;
        QTest::newRow("unreadable birthday")
            << QByteArray("POST") << "completeRegistration"
            << QByteArray(
                   R"({"bio":"","name":"А","birthday":"2000-01-01","genderInput":"man","selectedGender":"all"})")
            << 400;
        QTest::newRow("bool as string")
            << QByteArray("POST") << "swipes"
            << QByteArray(R"({"toUserID":true,"swipeType":"right","message":""})") << 400;
        QTest::newRow("unknown swipe type")
            << QByteArray("POST") << "swipes"
            << QByteArray(
                   R"({"toUserID":"6F9619FF-8B86-D011-B42D-00C04FC964FF","swipeType":"up","message":""})")
            << 400;
        QTest::newRow("swipe at nobody")
            << QByteArray("POST") << "swipes"
            << QByteArray(
                   R"({"toUserID":"6F9619FF-8B86-D011-B42D-00C04FC964FF","swipeType":"right","message":""})")
            << 404;
        QTest::newRow("page zero")
            << QByteArray("GET") << "chats?page=0&perPage=20" << QByteArray() << 400;
        QTest::newRow("page not a number")
            << QByteArray("GET") << "chats?page=x&perPage=20" << QByteArray() << 400;
        QTest::newRow("bad date")
            << QByteArray("GET")
            << "chats/6F9619FF-8B86-D011-B42D-00C04FC964FF/messages/older?before=yesterday"
            << QByteArray() << 400;
        QTest::newRow("chat that does not exist") << QByteArray("GET")
                                                  << "chats/6F9619FF-8B86-D011-B42D-00C04FC964FF/"
                                                     "messages/older?before=2025-01-31T18:04:05Z"
                                                  << QByteArray() << 404;
        QTest::newRow("empty message")
            << QByteArray("POST") << "sendMessage"
            << QByteArray(R"({"chatID":"6F9619FF-8B86-D011-B42D-00C04FC964FF","content":"  "})")
            << 400;
        QTest::newRow("bad base64 photo") << QByteArray("POST") << "images/upload"
                                          << QByteArray(R"({"images":["@@not base64@@"]})") << 400;
        QTest::newRow("no photos")
            << QByteArray("POST") << "images/upload" << QByteArray(R"({"images":[]})") << 400;
        QTest::newRow("seven photos") << QByteArray("POST") << "images/upload"
                                      << uploadBody(QList<QByteArray>(7, pngBytes())) << 400;
        QTest::newRow("not an image")
            << QByteArray("POST") << "images/upload" << uploadBody({"plain text"}) << 415;
        QTest::newRow("foreign file name")
            << QByteArray("GET") << "images/..%2Fservice.sqlite" << QByteArray() << 404;
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

    void oversizedBodiesAreRefused() {
        ServiceHarness service({"--max-body", "1000"});
        const QString token = service.signIn(ServiceHarness::newUserId());
        const auto answer = service.call("PUT", "user/bio", QByteArray(2000, ' '), token);
        QCOMPARE(answer.status, 413);
        QVERIFY(answer.isError());
    }

    void uploadReplacesThePhotoSetAndServesEachWithItsType() {
        ServiceHarness service;
        const QString token = service.signIn(ServiceHarness::newUserId());
        const QByteArray first = uploadBody({pngBytes()});
        QCOMPARE(service.call("POST", "images/upload", first, token).status, 200);
        const QByteArray both = uploadBody({heicBytes(), pngBytes()});
        const auto answer = service.call("POST", "images/upload", both, token);
        QCOMPARE(answer.status, 200);
        const QJsonArray urls = answer.object().value("photoURLs").toArray();
        QCOMPARE(urls.size(), 2);
        QCOMPARE(service.call("GET", "user", {}, token).object().value("photoUrls").toArray(),
                 urls);
        const auto heic = service.call("GET", urls.at(0).toString().section('/', 3));
        QCOMPARE(heic.contentType, QByteArray("image/heic"));
        QCOMPARE(heic.body, heicBytes());
        QCOMPARE(service.call("GET", urls.at(1).toString().section('/', 3)).contentType,
                 QByteArray("image/png"));
    }
};

QTEST_MAIN(TestServiceInput)
#include "tst_service_input.moc"
