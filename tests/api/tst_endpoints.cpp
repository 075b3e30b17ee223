// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "FakeService.h"
#include "Fixtures.h"
#include "api/Endpoints.h"

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
        QTest::addColumn<QString>("request"); // method and target
        QTest::addColumn<QByteArray>("body"); // empty: no body
        QTest::addColumn<bool>("authorised");
        QTest::addColumn<QByteArray>("answer"); // a record of the expected type

        const QByteArray ok = "{}";
        const QByteArray swiped = R"({"status":"matchCreated"})";
        const QByteArray profiles = Fixtures::bytes(QStringLiteral("profiles.json"));
        const QByteArray messages = Fixtures::bytes(QStringLiteral("messages.json"));
        const QString chat = QStringLiteral("GET /chats/B7C8D9E0-F1A2-4B3C-8D4E-5F6A7B8C9D0E");
        const auto row = [](const char *name, Call call, const QString &request,
                            const QByteArray &body, bool authorised, const QByteArray &answer) {
            QTest::newRow(name) << call << request << body << authorised << answer;
        };
        // clang-format off
        row("checkVersion", [](auto &s, auto done) { Endpoints::checkVersion({u"2.3"_qs}, report<VersionCheckResponse>(done), s); },
            "POST /checkVersion", R"({"appVersion":"2.3"})", false, R"({"message":"","isLock":false})");
        row("validateDevice", [](auto &s, auto done) { Endpoints::validateDevice(u"c2VhbGVk"_qs, report<TokenResponse>(done), s); },
            "POST /validateDevice", R"({"data":"c2VhbGVk"})", false, R"({"token":"v4.local.t"})");
        row("user", [](auto &s, auto done) { Endpoints::user(report<User>(done), s); },
            "GET /user", {}, true, Fixtures::bytes(QStringLiteral("user.json")));
        row("completeRegistration", [](auto &s, auto done) { Endpoints::completeRegistration({u"Био"_qs, u"Аня"_qs, u"01021999"_qs, GenderSelection::woman, GenderSelection::all}, report<EmptyResponse>(done), s); },
            "POST /completeRegistration", R"({"bio":"Био","name":"Аня","birthday":"01021999","genderInput":"woman","selectedGender":"all"})", true, ok);
        row("images/upload", [](auto &s, auto done) { Endpoints::uploadImages({QByteArray("\x00\xff\x10", 3), "heic"}, report<ImagesUploadResponse>(done), s); },
            "POST /images/upload", R"({"images":["AP8Q","aGVpYw=="]})", true, R"({"photoURLs":["a","b"]})");
        row("user/geo", [](auto &s, auto done) { Endpoints::updateGeo(55.75, 37.5, report<EmptyResponse>(done), s); },
            "PUT /user/geo", R"({"lat":55.75,"long":37.5})", true, ok);
        row("pushToken", [](auto &s, auto done) { Endpoints::sendPushToken(u"0a1b"_qs, report<EmptyResponse>(done), s); },
            "POST /pushToken", R"({"pushToken":"0a1b"})", true, ok);
        row("fetchProfiles", [](auto &s, auto done) { Endpoints::fetchProfiles(report<QList<ProfileView>>(done), s); },
            "GET /fetchProfiles", {}, true, profiles);
        row("swipes from the feed", [](auto &s, auto done) { Endpoints::swipeFromFeed(u"U2"_qs, SwipeType::superlike, u"Привет"_qs, report<SwipeResponse>(done), s); },
            "POST /swipes", R"({"toUserID":"U2","swipeType":"superlike","message":"Привет"})", true, swiped);
        row("swipes from the likes", [](auto &s, auto done) { Endpoints::swipeFromLikes(u"U1"_qs, u"U2"_qs, SwipeType::left, {}, report<SwipeResponse>(done), s); },
            "POST /swipes", R"({"fromUserID":"U1","toUserID":"U2","swipeType":"left","message":""})", true, swiped);
        row("likes", [](auto &s, auto done) { Endpoints::likes(report<QList<ProfileView>>(done), s); },
            "GET /likes", {}, true, profiles);
        row("chats", [](auto &s, auto done) { Endpoints::chats(2, 20, report<QList<Match>>(done), s); },
            "GET /chats?page=2&perPage=20", {}, true, Fixtures::bytes(QStringLiteral("matches.json")));
        row("newer messages", [](auto &s, auto done) { Endpoints::newerMessages(chatID, moscowEvening, messageID, report<QList<Message>>(done), s); },
            chat + u"/messages/newer?after=2025-01-31T18:04:05Z&lastMessageID=31111111-2222-4333-8444-555555555555"_qs, {}, true, messages);
        row("older messages", [](auto &s, auto done) { Endpoints::olderMessages(chatID, moscowEvening, messageID, report<QList<Message>>(done), s); },
            chat + u"/messages/older?before=2025-01-31T18:04:05Z&firstMessageID=31111111-2222-4333-8444-555555555555"_qs, {}, true, messages);
        row("sendMessage", [](auto &s, auto done) { Endpoints::sendMessage(chatID, u"Привет & пока?"_qs, messageID, report<SendMessageResponse>(done), s); },
            "POST /sendMessage", R"({"chatID":"B7C8D9E0-F1A2-4B3C-8D4E-5F6A7B8C9D0E","content":"Привет & пока?","clientMessageID":"31111111-2222-4333-8444-555555555555"})", true, ok);
        row("cancelMatch", [](auto &s, auto done) { Endpoints::cancelMatch(messageID, report<EmptyResponse>(done), s); },
            "POST /cancelMatch", R"({"matchID":"31111111-2222-4333-8444-555555555555"})", true, ok);
        row("complain", [](auto &s, auto done) { Endpoints::complain(u"U2"_qs, u"спам"_qs, report<EmptyResponse>(done), s); },
            "POST /complain", R"({"toUserID":"U2","message":"спам"})", true, ok);
        row("user/block", [](auto &s, auto done) { Endpoints::blockUser(u"U2"_qs, report<EmptyResponse>(done), s); },
            "POST /user/block", R"({"toUserID":"U2"})", true, ok);
        row("user/bio", [](auto &s, auto done) { Endpoints::updateBio(u"b"_qs, u"j"_qs, u"e"_qs, u"c"_qs, report<EmptyResponse>(done), s); },
            "PUT /user/bio", R"({"bio":"b","job":"j","edu":"e","city":"c"})", true, ok);
        row("user/settings", [](auto &s, auto done) { Endpoints::updateSettings({80, true, GenderSelection::woman, 20, 30, false, false}, report<EmptyResponse>(done), s); },
            "PUT /user/settings", R"({"maxDistance":80,"showMore":true,"selectedGender":"woman","ageStart":20,"ageEnd":30,"showMoreAge":false,"active":false})", true, ok);
        // An empty 204 answer is all these two need.
        row("deleteAccount", [](auto &s, auto done) { Endpoints::deleteAccount(report<EmptyResponse>(done), s); },
            "GET /deleteAccount", {}, true, {});
        row("restoreUser", [](auto &s, auto done) { Endpoints::restoreUser(report<EmptyResponse>(done), s); },
            "GET /restoreUser", {}, true, {});
        // clang-format on
    }

    void catalogue() {
        QFETCH(Call, call);
        QFETCH(QString, request);
        QFETCH(QByteArray, body);
        QFETCH(bool, authorised);
        QFETCH(QByteArray, answer);

        FakeService fake;
        QVERIFY(fake.start());
        fake.respond(QString(), answer.isEmpty() ? 204 : 200, answer);
        const std::unique_ptr<NetworkService> service = fake.client(QStringLiteral("v4.local.me"));
        std::atomic<int> decoded = -1;
        call(*service, [&decoded](bool ok) { decoded = ok; });
        QTRY_VERIFY(decoded != -1);
        QCOMPARE(decoded.load(), 1);

        const RecordedRequest sent = fake.requests().value(0);
        QCOMPARE(sent.method + u' ' + sent.target, request);
        QCOMPARE(sent.headers.contains(QStringLiteral("auth")), authorised);
        if (body.isEmpty())
            QVERIFY(sent.body.isEmpty());
        else
            QCOMPARE(sent.json(), QJsonDocument::fromJson(body).object());
    }
};

QTEST_GUILESS_MAIN(TestEndpoints)
#include "tst_endpoints.moc"
