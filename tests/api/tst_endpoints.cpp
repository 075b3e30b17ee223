#include "Endpoints.h"
#include "FakeService.h"
#include "Fixtures.h"

#include <QJsonDocument>
#include <QTest>
#include <QTimeZone>

namespace {

// Starts one call against the given service and reports whether it decoded the answer.
using Call = std::function<void(NetworkService &, std::function<void(bool)>)>;

template <class T> std::function<void(Result<T>)> report(std::function<void(bool)> done) {
    return [done](const Result<T> &result) { done(result.ok()); };
}

const QUuid chatID = QUuid::fromString(u"b7c8d9e0-f1a2-4b3c-8d4e-5f6a7b8c9d0e");
const QString chatText = QStringLiteral("B7C8D9E0-F1A2-4B3C-8D4E-5F6A7B8C9D0E");
const QUuid messageID = QUuid::fromString(u"31111111-2222-4333-8444-555555555555");
// 21:04:05 at +03:00 is 18:04:05 in UTC, the form paths carry.
const QDateTime moscowEvening(QDate(2025, 1, 31), QTime(21, 4, 5), QTimeZone(3 * 3600));

} // namespace

Q_DECLARE_METATYPE(Call)

class TestEndpoints : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void catalogue_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("body"); // empty: no body
        QTest::addColumn<bool>("authorised");
        QTest::addColumn<QByteArray>("answer");

        const QByteArray empty = "{}";
        const QByteArray swiped = R"({"status":"matchCreated"})";
        const auto row = [](const char *name, Call call, const char *method, const QString &target,
                            const QByteArray &body, bool authorised, const QByteArray &answer) {
            QTest::newRow(name) << call << QString::fromLatin1(method) << target << body
                                << authorised << answer;
        };
        row(
            "checkVersion",
            [](auto &s, auto done) {
                Endpoints::checkVersion({QStringLiteral("2.3")}, report<VersionCheckResponse>(done),
                                        s);
            },
            "POST", "/checkVersion", R"({"appVersion":"2.3"})", false,
            R"({"message":"","isLock":false})");
        row(
            "validateDevice",
            [](auto &s, auto done) {
                Endpoints::validateDevice(QStringLiteral("c2VhbGVk"), report<TokenResponse>(done),
                                          s);
            },
            "POST", "/validateDevice", R"({"data":"c2VhbGVk"})", false,
            R"({"token":"v4.local.t"})");
        row(
            "user", [](auto &s, auto done) { Endpoints::user(report<User>(done), s); }, "GET",
            "/user", {}, true, Fixtures::bytes(QStringLiteral("user.json")));
        row(
            "completeRegistration",
            [](auto &s, auto done) {
                Endpoints::completeRegistration({QStringLiteral("Био"), QStringLiteral("Аня"),
                                                 QStringLiteral("01021999"), GenderSelection::woman,
                                                 GenderSelection::all},
                                                report<EmptyResponse>(done), s);
            },
            "POST", "/completeRegistration",
            R"({"bio":"Био","name":"Аня","birthday":"01021999","genderInput":"woman","selectedGender":"all"})",
            true, empty);
        row(
            "images/upload",
            [](auto &s, auto done) {
                Endpoints::uploadImages({QByteArray("\x00\xff\x10", 3), QByteArray("heic")},
                                        report<ImagesUploadResponse>(done), s);
            },
            "POST", "/images/upload", R"({"images":["AP8Q","aGVpYw=="]})", true,
            R"({"photoURLs":["a","b"]})");
        row(
            "user/geo",
            [](auto &s, auto done) {
                Endpoints::updateGeo(55.75, 37.5, report<EmptyResponse>(done), s);
            },
            "PUT", "/user/geo", R"({"lat":55.75,"long":37.5})", true, empty);
        row(
            "pushToken",
            [](auto &s, auto done) {
                Endpoints::sendPushToken(QStringLiteral("0a1b"), report<EmptyResponse>(done), s);
            },
            "POST", "/pushToken", R"({"pushToken":"0a1b"})", true, empty);
        row(
            "fetchProfiles",
            [](auto &s, auto done) {
                Endpoints::fetchProfiles(report<QList<ProfileView>>(done), s);
            },
            "GET", "/fetchProfiles", {}, true, Fixtures::bytes(QStringLiteral("profiles.json")));
        row(
            "swipes from the feed",
            [](auto &s, auto done) {
                Endpoints::swipeFromFeed(QStringLiteral("U2"), SwipeType::superlike,
                                         QStringLiteral("Привет"), report<SwipeResponse>(done), s);
            },
            "POST", "/swipes", R"({"toUserID":"U2","swipeType":"superlike","message":"Привет"})",
            true, swiped);
        row(
            "swipes from the likes",
            [](auto &s, auto done) {
                Endpoints::swipeFromLikes(QStringLiteral("U1"), QStringLiteral("U2"),
                                          SwipeType::left, {}, report<SwipeResponse>(done), s);
            },
            "POST", "/swipes",
            R"({"fromUserID":"U1","toUserID":"U2","swipeType":"left","message":""})", true, swiped);
        row(
            "likes",
            [](auto &s, auto done) { Endpoints::likes(report<QList<ProfileView>>(done), s); },
            "GET", "/likes", {}, true, Fixtures::bytes(QStringLiteral("profiles.json")));
        row(
            "chats",
            [](auto &s, auto done) { Endpoints::chats(2, 20, report<QList<Match>>(done), s); },
            "GET", "/chats?page=2&perPage=20", {}, true,
            Fixtures::bytes(QStringLiteral("matches.json")));
        row(
            "newer messages",
            [](auto &s, auto done) {
                Endpoints::newerMessages(chatID, moscowEvening, messageID,
                                         report<QList<Message>>(done), s);
            },
            "GET",
            QStringLiteral("/chats/") + chatText +
                QStringLiteral("/messages/newer?after=2025-01-31T18:04:05Z"
                               "&lastMessageID=31111111-2222-4333-8444-555555555555"),
            {}, true, Fixtures::bytes(QStringLiteral("messages.json")));
        row(
            "older messages",
            [](auto &s, auto done) {
                Endpoints::olderMessages(chatID, moscowEvening, report<QList<Message>>(done), s);
            },
            "GET",
            QStringLiteral("/chats/") + chatText +
                QStringLiteral("/messages/older?before=2025-01-31T18:04:05Z"),
            {}, true, Fixtures::bytes(QStringLiteral("messages.json")));
        row(
            "sendMessage",
            [](auto &s, auto done) {
                Endpoints::sendMessage(chatID, QStringLiteral("Привет & пока?"),
                                       report<EmptyResponse>(done), s);
            },
            "POST", "/sendMessage",
            R"({"chatID":"B7C8D9E0-F1A2-4B3C-8D4E-5F6A7B8C9D0E","content":"Привет & пока?"})", true,
            empty);
        row(
            "cancelMatch",
            [](auto &s, auto done) {
                Endpoints::cancelMatch(messageID, report<EmptyResponse>(done), s);
            },
            "POST", "/cancelMatch", R"({"matchID":"31111111-2222-4333-8444-555555555555"})", true,
            empty);
        row(
            "complain",
            [](auto &s, auto done) {
                Endpoints::complain(QStringLiteral("U2"), QStringLiteral("спам"),
                                    report<EmptyResponse>(done), s);
            },
            "POST", "/complain", R"({"toUserID":"U2","message":"спам"})", true, empty);
        row(
            "user/block",
            [](auto &s, auto done) {
                Endpoints::blockUser(QStringLiteral("U2"), report<EmptyResponse>(done), s);
            },
            "POST", "/user/block", R"({"toUserID":"U2"})", true, empty);
        row(
            "user/bio",
            [](auto &s, auto done) {
                Endpoints::updateBio(QStringLiteral("b"), QStringLiteral("j"), QStringLiteral("e"),
                                     QStringLiteral("c"), report<EmptyResponse>(done), s);
            },
            "PUT", "/user/bio", R"({"bio":"b","job":"j","edu":"e","city":"c"})", true, empty);
        row(
            "user/settings",
            [](auto &s, auto done) {
                Endpoints::updateSettings({80, true, GenderSelection::woman, 20, 30, false, false},
                                          report<EmptyResponse>(done), s);
            },
            "PUT", "/user/settings",
            R"({"maxDistance":80,"showMore":true,"selectedGender":"woman","ageStart":20,"ageEnd":30,"showMoreAge":false,"active":false})",
            true, empty);
        row("deleteAccount",
            [](auto &s, auto done) { Endpoints::deleteAccount(report<EmptyResponse>(done), s); },
            "GET", "/deleteAccount", {}, true, {});
        row("restoreUser",
            [](auto &s, auto done) { Endpoints::restoreUser(report<EmptyResponse>(done), s); },
            "GET", "/restoreUser", {}, true, {});
    }

    void catalogue() {
        QFETCH(Call, call);
        QFETCH(QString, method);
        QFETCH(QString, target);
        QFETCH(QByteArray, body);
        QFETCH(bool, authorised);
        QFETCH(QByteArray, answer);

        FakeService fake;
        QVERIFY(fake.start());
        fake.respond(QString(), answer.isEmpty() ? 204 : 200, answer);
        NetworkService service;
        service.setBaseUrl(fake.baseUrl());
        service.setPaseto(QStringLiteral("v4.local.me"));
        std::atomic<int> decoded = -1;
        call(service, [&decoded](bool ok) { decoded = ok; });
        QTRY_VERIFY(decoded != -1);
        QCOMPARE(decoded.load(), 1);

        const RecordedRequest request = fake.requests().value(0);
        QCOMPARE(request.method, method);
        QCOMPARE(request.target, target);
        QCOMPARE(request.headers.contains(QStringLiteral("auth")), authorised);
        if (body.isEmpty())
            QVERIFY(request.body.isEmpty());
        else
            QCOMPARE(request.json(), QJsonDocument::fromJson(body).object());
    }
};

QTEST_GUILESS_MAIN(TestEndpoints)
#include "tst_endpoints.moc"
