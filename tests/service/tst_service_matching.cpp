// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ServiceHarness.h"

#include "Database.h"
#include "DemoSeeder.h"
#include "ServiceContext.h"

#include <QDateTime>
#include <QSet>
#include <QSqlQuery>
#include <QTest>
#include <QtMath>
#include <cmath>

// The road of a like (swipes, likes, match, chat, messages) and who the feed shows.
class TestServiceMatching : public QObject {
    Q_OBJECT

    static QSet<QString> idsOf(const QJsonArray &profiles) {
        QSet<QString> ids;
        for (const QJsonValue &p : profiles)
            ids.insert(p.toObject().value("userID").toString());
        return ids;
    }

    // Two people who liked each other, with their tokens, and their chat.
    struct Pair {
        QString a, ta, b, tb, chat;
    };
    static Pair twoPeople(ServiceHarness &service) {
        Pair pair{ServiceHarness::newUserId(), {}, ServiceHarness::newUserId(), {}, {}};
        pair.ta = service.signUp(pair.a, "man", "all", 30, 55, 37);
        pair.tb = service.signUp(pair.b, "woman", "all", 30, 55, 37);
        return pair;
    }
    static Pair matchedPair(ServiceHarness &service) {
        Pair pair = twoPeople(service);
        service.swipe(pair.ta, pair.b, "right");
        service.swipe(pair.tb, pair.a, "right");
        pair.chat = service.chats(pair.ta).at(0).toObject().value("chatID").toString();
        return pair;
    }

    // The search's geometry is checked to the metre; how coarsely people are kept, apart.
    static inline const QStringList kExactPositions{"--position-cell", "1"};
    static constexpr double kKmPerDegree = 6371.0 * 3.14159265358979323846 / 180.0;

    static int place(ServiceHarness &service, const QString &token, double lat, double lon) {
        return service.json("PUT", "user/geo", {{"lat", lat}, {"long", lon}}, token).status;
    }
    // Places someone whose last move was long ago, as an attacker with hours to spare would.
    static int placeLater(ServiceHarness &service, const QString &id, const QString &token,
                          double lat, double lon) {
        service.context().db.exec("UPDATE users SET geo_moved_at = 0 WHERE id = ?", {id});
        return place(service, token, lat, lon);
    }
    // The distance the viewer's feed gives to the person; -1 when she is not in it.
    static int distanceTo(ServiceHarness &service, const QString &viewer, const QString &id) {
        for (const QJsonValue &profile : service.get("fetchProfiles", viewer))
            if (profile.toObject().value("userID").toString() == id)
                return profile.toObject().value("distance").toInt();
        return -1;
    }

private Q_SLOTS:
    // Walking an account past someone and noting where her distance ticks over once placed her
    // to within a metre. Every distance is now measured from the middle of her grid cell: where
    // she stands inside it changes nothing anyone can read.
    void nobodyCanBeLocatedByWalkingPastThem_data() { ServiceHarness::onBothDatabases(); }
    void nobodyCanBeLocatedByWalkingPastThem() {
        const ServiceHarness::RowDatabase database = ServiceHarness::rowDatabase();
        QVERIFY2(database.problem.isEmpty(), qPrintable(database.problem));
        ServiceHarness service(database.arguments);
        const QString her = ServiceHarness::newUserId();
        const QString th = service.signUp(her, "woman", "all", 30, 55.75, 37.6);
        // Her grid unshifted, so the test knows her cell: a row of latitude a kilometre high.
        service.context().db.exec("UPDATE users SET geo_offset_lat = 0, geo_offset_lon = 0, "
                                  "has_geo = 0 WHERE id = ?",
                                  {her});
        const double row = std::floor(55.75 * kKmPerDegree) / kKmPerDegree;
        const QString attacker = ServiceHarness::newUserId();
        const QString ta = service.signUp(attacker, "man", "woman", 30, 55.75, 37.6);
        const auto sweep = [&] {
            QList<int> seen;
            for (int step = 0; step < 40; ++step) {
                const double north = 55.75 + 0.1 * step / kKmPerDegree;
                if (placeLater(service, attacker, ta, north, 37.6) != 200)
                    return QList<int>{};
                seen.append(distanceTo(service, ta, her));
            }
            return seen;
        };
        QCOMPARE(placeLater(service, her, th, row + 0.3 / kKmPerDegree, 37.6), 200);
        const QList<int> fromSouth = sweep();
        QCOMPARE(placeLater(service, her, th, row + 0.7 / kKmPerDegree, 37.6), 200);
        const QList<int> fromNorth = sweep();
        QCOMPARE(fromSouth.size(), 40);
        QVERIFY(fromSouth.first() < fromSouth.last());
        QCOMPARE(fromNorth, fromSouth);
    }

    // A position moves no faster than a traveller could: a move to another place right after
    // the last one, or farther than an airliner flies in the time since, is refused and the
    // kept position stays. A fix within metres of the last one is simply taken.
    void aPositionMovesNoFasterThanTravel_data() { ServiceHarness::onBothDatabases(); }
    void aPositionMovesNoFasterThanTravel() {
        const ServiceHarness::RowDatabase database = ServiceHarness::rowDatabase();
        QVERIFY2(database.problem.isEmpty(), qPrintable(database.problem));
        ServiceHarness service(database.arguments);
        const QString viewer =
            service.signUp(ServiceHarness::newUserId(), "man", "woman", 30, 55.0, 37.0);
        QCOMPARE(service.putSettings(viewer, 100, "woman", 18, 40), 200);
        const QString her = ServiceHarness::newUserId();
        const QString th = service.signUp(her, "woman", "all", 30, 55.0, 37.0);
        const int before = distanceTo(service, viewer, her);
        QVERIFY(before == 0 || before == 1);
        QCOMPARE(place(service, th, 55.0, 37.0), 200);
        const auto aged = [&](int seconds) {
            service.context().db.exec(
                "UPDATE users SET geo_moved_at = geo_moved_at - ? WHERE id = ?", {seconds, her});
        };
        const double fiftyKm = 55.0 + 50 / kKmPerDegree;
        const ServiceHarness::Answer refused =
            service.json("PUT", "user/geo", {{"lat", fiftyKm}, {"long", 37.0}}, th);
        QCOMPARE(refused.status, 429);
        QVERIFY(refused.isError());
        QCOMPARE(distanceTo(service, viewer, her), before);
        aged(600);
        QCOMPARE(place(service, th, fiftyKm, 37.0), 200);
        const int after = distanceTo(service, viewer, her);
        QVERIFY2(after >= 48 && after <= 51, qPrintable(QString::number(after)));
        aged(600);
        QCOMPARE(place(service, th, fiftyKm + 1000 / kKmPerDegree, 37.0), 429);
        QCOMPARE(distanceTo(service, viewer, her), after);
    }

    void mutualLikesFormOneMatchWithAChatForBoth() {
        ServiceHarness service;
        const auto [a, ta, b, tb, none] = twoPeople(service);
        QCOMPARE(service.swipe(ta, b, "right"), QString("swipeCreated"));
        QCOMPARE(idsOf(service.get("likes", tb)), QSet<QString>{a});

        // The likes screen names the caller as fromUserID.
        QCOMPARE(service.swipe(tb, a, "right", {}, b.toLower()), QString("matchCreated"));
        QCOMPARE(service.swipe(ta, b, "superlike"), QString("matchAlreadyExists"));
        QVERIFY(service.get("likes", tb).isEmpty());

        const QJsonArray chatsA = service.chats(ta);
        const QJsonArray chatsB = service.chats(tb);
        QCOMPARE(chatsA.size(), 1);
        QCOMPARE(chatsB.size(), 1);
        const QJsonObject match = chatsA.at(0).toObject();
        QCOMPARE(match.value("chatID"), chatsB.at(0).toObject().value("chatID"));
        QCOMPARE(match.value("profile").toObject().value("userID").toString(), b);
        QCOMPARE(match.value("messages").toArray().size(), 0);
        QCOMPARE(match.value("isUnread").toBool(), true); // new until opened
        QVERIFY(!match.value("createdAt").toString().contains('.'));
        QVERIFY(service.get("chats?page=2&perPage=20", ta).isEmpty());

        const QString chat = match.value("chatID").toString();
        QCOMPARE(service.json("POST", "sendMessage", {{"chatID", chat}, {"content", "Привет"}}, ta)
                     .status,
                 200);
        const QJsonObject forB = service.chats(tb).at(0).toObject();
        QCOMPARE(forB.value("isUnread").toBool(), true);
        QCOMPARE(forB.value("messages").toArray().at(0).toObject().value("content").toString(),
                 QString("Привет"));
        QCOMPARE(service.chats(ta).at(0).toObject().value("isUnread").toBool(), false);

        const QJsonArray older =
            service.get("chats/" + chat + "/messages/older?before=2999-01-01T00:00:00Z", tb);
        QCOMPARE(older.size(), 1);
        QCOMPARE(service.chats(tb).at(0).toObject().value("isUnread").toBool(), false);

        const QJsonObject msg = older.at(0).toObject();
        QCOMPARE(msg.value("senderID").toString(), a);
        const QString newerPath = "chats/" + chat +
                                  "/messages/newer?after=" + msg.value("createdAt").toString() +
                                  "&lastMessageID=" + msg.value("id").toString();
        QVERIFY(service.get(newerPath, tb).isEmpty());

        // An outsider cannot read the chat.
        const QString tc = service.signUp(ServiceHarness::newUserId(), "man", "all", 40, 55, 37);
        QCOMPARE(service.call("GET", newerPath, {}, tc).status, 403);

        QCOMPARE(service.json("POST", "cancelMatch", {{"matchID", match.value("id")}}, tb).status,
                 200);
        QVERIFY(service.chats(ta).isEmpty());
        QCOMPARE(service.call("GET", newerPath, {}, ta).status, 404);
    }

    void messagePagesAreOrderedAndBounded() {
        ServiceHarness service;
        const auto [a, ta, b, tb, chat] = matchedPair(service);
        // 60 messages one second apart, written directly to control their times.
        const qint64 base = 1'700'000'000;
        const auto insert = [&](const QString &id, int seq, const QString &content, qint64 at) {
            service.context().db.exec("INSERT INTO messages (id, chat_id, sender_id, content, "
                                      "created_at, seq) VALUES (?, ?, ?, ?, ?, ?)",
                                      {id, chat, seq % 2 ? a : b, content, at, seq});
        };
        for (int i = 0; i < 60; ++i)
            insert(ServiceHarness::newUserId(), i + 1, QString::number(i), base + i);
        const auto at = [&](int i) {
            return QDateTime::fromSecsSinceEpoch(base + i, Qt::UTC).toString(Qt::ISODate);
        };
        const QJsonArray older =
            service.get("chats/" + chat + "/messages/older?before=" + at(55), ta);
        QCOMPARE(older.size(), 50);
        QCOMPARE(older.first().toObject().value("content").toString(), QString("5"));
        QCOMPARE(older.last().toObject().value("content").toString(), QString("54"));

        // Without a held message the whole second of the date is new.
        const QJsonArray newer =
            service.get("chats/" + chat + "/messages/newer?after=" + at(57), ta);
        QCOMPARE(newer.size(), 3);
        QCOMPARE(newer.first().toObject().value("content").toString(), QString("57"));
        QCOMPARE(newer.last().toObject().value("createdAt").toString(), at(59));

        // Two messages in one second: the chat's order, not the ids, decides which is new.
        const QString high = "FFFFFFFF-0000-4000-8000-000000000001";
        const QString low = "00000000-0000-4000-8000-000000000001";
        insert(high, 61, high, base + 100);
        insert(low, 62, low, base + 100);
        const QJsonArray tie = service.get(
            "chats/" + chat + "/messages/newer?after=" + at(100) + "&lastMessageID=" + high, tb);
        QCOMPARE(tie.size(), 1);
        QCOMPARE(tie.at(0).toObject().value("id").toString(), low);
    }

    // A send repeated after a lost answer carries the same client id and stores nothing new,
    // even when it races the first: the database refuses a second row. Senders without the id
    // still get one message per call.
    void aMessageNamedByTheClientIsStoredOnce() {
        ServiceHarness service;
        const auto [a, ta, b, tb, chat] = matchedPair(service);
        const QString clientId = ServiceHarness::newUserId().toLower();
        const auto send = [&](const QJsonValue &id = QJsonValue::Undefined) {
            QJsonObject body{{"chatID", chat}, {"content", "Привет"}};
            if (!id.isUndefined())
                body.insert("clientMessageID", id);
            return service.json("POST", "sendMessage", body, ta);
        };
        const QJsonObject first = send(clientId).object();
        QVERIFY(!first.value("id").toString().isEmpty());
        QCOMPARE(send(clientId.toUpper()).object(), first);
        QCOMPARE(first.value("senderID").toString(), a);
        QCOMPARE(send().object().value("content").toString(), QString("Привет"));
        QCOMPARE(send(QJsonValue::Null).object().value("content").toString(), QString("Привет"));
        QCOMPARE(send("x").status, 400);
        QCOMPARE(
            service.get("chats/" + chat + "/messages/older?before=2999-01-01T00:00:00Z", tb).size(),
            3);

        QVERIFY_THROWS_EXCEPTION(
            DbError, service.context().db.exec("INSERT INTO messages (id, chat_id, sender_id, "
                                               "content, created_at, client_id) VALUES "
                                               "(?, ?, ?, ?, ?, ?)",
                                               {ServiceHarness::newUserId(), chat, a, "Привет",
                                                1'700'000'000, clientId.toUpper()}));
    }

    void feedFollowsDistanceAgeAndGender() {
        ServiceHarness service(kExactPositions);
        const QString viewer =
            service.signUp(ServiceHarness::newUserId(), "man", "woman", 30, 55.0, 37.0);
        const QString near = ServiceHarness::newUserId();
        const QString far = ServiceHarness::newUserId();
        const QString old = ServiceHarness::newUserId();
        const QString man = ServiceHarness::newUserId();
        const QString picky = ServiceHarness::newUserId();
        const QString hidden = ServiceHarness::newUserId();
        service.signUp(near, "woman", "man", 29, 55.05, 37.0); // ~5 km
        service.signUp(far, "woman", "all", 31, 56.0, 37.0);   // ~111 km
        service.signUp(old, "woman", "man", 55, 55.07, 37.0);  // ~8 km
        service.signUp(man, "man", "all", 30, 55.01, 37.0);
        service.signUp(picky, "woman", "woman", 30, 55.01, 37.0);
        const QString th = service.signUp(hidden, "woman", "man", 30, 55.01, 37.0);
        service.putSettings(th, 100, "man", 18, 40, true, false);

        const QJsonArray all = service.get("fetchProfiles", viewer);
        QCOMPARE(idsOf(all), (QSet<QString>{near, old, far}));
        QCOMPARE(all.at(0).toObject().value("userID").toString(), near);
        QCOMPARE(all.at(0).toObject().value("distance").toInt(), 5);
        QCOMPARE(all.at(0).toObject().value("age").toInt(), 29);
        QCOMPARE(all.last().toObject().value("userID").toString(), far);

        QCOMPARE(service.putSettings(viewer, 50, "woman", 18, 40), 200);
        QCOMPARE(idsOf(service.get("fetchProfiles", viewer)), QSet<QString>{near});
    }

    // The search reads latitude bands as SQLite's CAST truncates them: this box's southern edge
    // lies past the middle of its band, where rounding would start one band too far north.
    void aBoxKeepsThePeopleInItsEdgeBand() {
        ServiceHarness service(kExactPositions);
        const QString viewer =
            service.signUp(ServiceHarness::newUserId(), "man", "woman", 30, 55.04, 37.0);
        QCOMPARE(service.putSettings(viewer, 10, "woman", 18, 40), 200);
        const QString south = ServiceHarness::newUserId();
        service.signUp(south, "woman", "man", 30, 54.96, 37.0); // ~8.9 km
        QCOMPARE(idsOf(service.get("fetchProfiles", viewer)), QSet<QString>{south});
    }

    // A page is the nearest people of a crowd larger than a page, nearest first, however many
    // boxes the search had to grow through and wherever it started; passing on them brings the
    // next nearest.
    void aPageIsTheNearestOfACrowd() {
        ServiceHarness service(kExactPositions);
        const double lat = 55.0;
        const double lon = 37.0;
        const QString viewer =
            service.signUp(ServiceHarness::newUserId(), "man", "all", 30, lat, lon);
        QCOMPARE(service.putSettings(viewer, 100, "all", 18, 60), 200);
        const double kmPerDegree = 6371.0 * 3.14159265358979323846 / 180.0;
        QStringList byDistance;
        for (int i = 0; i < 50; ++i) {
            const double km = 0.5 + 0.45 * i;
            const double bearing = qDegreesToRadians(137.5 * i);
            const QString id = ServiceHarness::newUserId();
            service.signUp(id, "woman", "all", 30, lat + km * std::cos(bearing) / kmPerDegree,
                           lon + km * std::sin(bearing) /
                                     (kmPerDegree * std::cos(qDegreesToRadians(lat))));
            byDistance.append(id);
        }
        const auto pageIds = [&] {
            QStringList ids;
            for (const QJsonValue &profile : service.get("fetchProfiles", viewer))
                ids.append(profile.toObject().value("userID").toString());
            return ids;
        };
        QCOMPARE(pageIds(), byDistance.mid(0, 20));
        for (const QString &id : byDistance.mid(0, 20))
            QCOMPARE(
                service.json("POST", "swipes", {{"toUserID", id}, {"swipeType", "left"}}, viewer)
                    .status,
                200);
        QCOMPARE(pageIds(), byDistance.mid(20, 20));
        QCOMPARE(service
                     .json("POST", "swipes",
                           {{"toUserID", byDistance.at(20)}, {"swipeType", "right"}}, viewer)
                     .status,
                 200);
        QCOMPARE(pageIds(), byDistance.mid(21, 20));
        // A search that starts where the last page was found still reaches someone new nearer.
        const QString newcomer = ServiceHarness::newUserId();
        service.signUp(newcomer, "woman", "all", 30, lat + 0.001, lon);
        QCOMPARE(pageIds(), QStringList{newcomer} + byDistance.mid(21, 19));
    }

    // The radius is measured on the globe: it holds just inside and just outside its edge,
    // across the antimeridian and over a pole, where longitudes jump or crowd together.
    void feedRadiusHoldsAcrossTheAntimeridianAndThePoles() {
        ServiceHarness service(kExactPositions);
        const double kmPerDegree = 6371.0 * 3.14159265358979323846 / 180.0;
        const QString viewer =
            service.signUp(ServiceHarness::newUserId(), "man", "all", 30, 10.0, 179.5);
        QCOMPARE(service.putSettings(viewer, 100, "all", 18, 60), 200);
        const auto person = [&service](double lat, double lon) {
            const QString id = ServiceHarness::newUserId();
            service.signUp(id, "woman", "all", 30, lat, lon);
            return id;
        };
        const QString northIn = person(10.0 + 99.95 / kmPerDegree, 179.5);
        person(10.0 + 100.3 / kmPerDegree, 179.5);
        const QString eastIn = person(10.0, -179.6); // ~98.6 km over the antimeridian
        person(10.0, -179.0);                        // ~164 km
        const QString westIn = person(10.2, 178.8);  // ~80 km
        const QJsonArray page = service.get("fetchProfiles", viewer);
        QCOMPARE(idsOf(page), (QSet<QString>{northIn, eastIn, westIn}));
        QCOMPARE(page.at(0).toObject().value("userID").toString(), westIn);
        QCOMPARE(page.at(2).toObject().value("distance").toInt(), 99);

        const QString polar =
            service.signUp(ServiceHarness::newUserId(), "man", "all", 30, 89.5, 0.0);
        QCOMPARE(service.putSettings(polar, 150, "all", 18, 60), 200);
        const QString acrossThePole = person(89.6, 180.0); // ~100 km
        const QString downTheMeridian = person(88.2, 0.0); // ~145 km
        person(88.6, 90.0);                                // ~165 km
        QCOMPARE(idsOf(service.get("fetchProfiles", polar)),
                 (QSet<QString>{acrossThePole, downTheMeridian}));
    }

    void demoPeopleLikeTheReviewerWhenNoLikeWaitsForAnAnswer() {
        ServiceHarness service;
        DemoSeeder seeder(service.context());
        seeder.seed(8, 55, 37, 5, DemoPhotos::None);
        const QString review = service.context().options.reviewToken;
        seeder.ensureReviewer();
        const QSet<QString> first = idsOf(service.get("likes", review));
        QCOMPARE(first.size(), 6);
        seeder.ensureReviewer(); // some still wait: nobody more
        QCOMPARE(idsOf(service.get("likes", review)), first);
        for (const QString &admirer : first)
            service.swipe(review, admirer, "left");
        seeder.ensureReviewer();
        const QSet<QString> second = idsOf(service.get("likes", review));
        QCOMPARE(second.size(), 2); // only those the reviewer has not answered
        QVERIFY(!second.intersects(first));
    }

    // The reviewers' account meets demo people only: no real person is in its feed or likes,
    // no real person's feed holds it, and a swipe between them either way is refused.
    void theReviewerMeetsDemoPeopleOnly() {
        ServiceHarness service;
        DemoSeeder seeder(service.context());
        seeder.seed(8, 55.7558, 37.6173, 5, DemoPhotos::None);
        seeder.ensureReviewer();
        const QString review = ServiceHarness::kReviewToken;
        const QString reviewer = ServiceContext::reviewerId();
        const QString realId = ServiceHarness::newUserId();
        const QString real = service.signUp(realId, "woman", "all", 29, 55.7558, 37.6173);
        const QSet<QString> reviewersFeed = idsOf(service.get("fetchProfiles", review));
        QVERIFY(!reviewersFeed.isEmpty());
        QVERIFY(!reviewersFeed.contains(realId));
        QVERIFY(!idsOf(service.get("fetchProfiles", real)).contains(reviewer));
        QCOMPARE(
            service.json("POST", "swipes", {{"toUserID", reviewer}, {"swipeType", "right"}}, real)
                .status,
            404);
        QVERIFY(!idsOf(service.get("likes", review)).contains(realId));
        QCOMPARE(
            service.json("POST", "swipes", {{"toUserID", realId}, {"swipeType", "right"}}, review)
                .status,
            404);
    }

    // The demo people who like a newcomer are ones either feed would show the other: the
    // gender each wants, the ages each accepts. Only the first registration brings them.
    void demoAdmirersFitTheNewcomerAndTheNewcomerFitsThem() {
        ServiceHarness service({"--demo", "--demo-delay", "0"});
        DemoSeeder(service.context()).seed(200, 55, 37, 5, DemoPhotos::None);
        // Half the demo women take nobody under forty.
        Database &db = service.context().db;
        db.exec("UPDATE users SET show_more_age = 0, age_start = 40, age_end = 60 WHERE "
                "is_demo = 1 AND gender = 'woman' AND random() % 2 = 0");
        QSet<QString> tooYoungForThem;
        for (QSqlQuery q = db.exec("SELECT id FROM users WHERE show_more_age = 0"); q.next();)
            tooYoungForThem.insert(q.value(0).toString());
        QVERIFY(!tooYoungForThem.isEmpty());

        const QString newcomer = ServiceHarness::newUserId();
        const QString token = service.signIn(newcomer);
        db.exec("UPDATE users SET show_more_age = 0, age_start = 25, age_end = 35 WHERE id = ?",
                {newcomer});
        const QJsonObject registration{{"bio", "Привет"},
                                       {"name", "Имя"},
                                       {"birthday", ServiceHarness::birthdayForAge(30)},
                                       {"genderInput", "man"},
                                       {"selectedGender", "woman"}};
        QCOMPARE(service.json("POST", "completeRegistration", registration, token).status, 200);
        QJsonArray likes;
        QTRY_COMPARE((likes = service.get("likes", token)).size(), 3);
        for (const QJsonValue &like : likes) {
            const QString id = like["userID"].toString();
            QSqlQuery person =
                db.exec("SELECT gender, selected_gender FROM users WHERE id = ?", {id});
            QVERIFY(person.next());
            QCOMPARE(person.value(0).toString(), "woman");
            QVERIFY(person.value(1).toString() != "woman");
            QVERIFY2(like["age"].toInt() >= 25 && like["age"].toInt() <= 35, qPrintable(id));
            QVERIFY2(!tooYoungForThem.contains(id), qPrintable(id));
        }

        // A registration sent again after a lost answer brings nobody more.
        QCOMPARE(service.json("POST", "completeRegistration", registration, token).status, 200);
        QTest::qWait(600);
        QCOMPARE(service.get("likes", token).size(), 3);
    }

    // Three super-likes each; the fourth is refused as final, and the refusal costs nothing.
    void superLikesRunOut() {
        ServiceHarness service;
        const auto [a, ta, b, tb, noChat] = twoPeople(service);
        for (const QString note : {"1", "2", "3"})
            QCOMPARE(service.swipe(ta, b, "superlike", note), QString("swipeCreated"));
        const QJsonObject fourth{{"toUserID", b}, {"swipeType", "superlike"}, {"message", "4"}};
        QCOMPARE(service.json("POST", "swipes", fourth, ta).status, 409);
        QCOMPARE(service.call("GET", "user", {}, ta).object().value("superlikes").toInt(), 0);
    }

    // The outbox resends a swipe whose answer was lost: it gets the first answer again and is
    // stored once, and the database itself keeps one match per pair.
    void aSwipeSentTwiceIsAnsweredTheSameAndStoredOnce() {
        ServiceHarness service;
        const auto [a, ta, b, tb, noChat] = twoPeople(service);
        QCOMPARE(service.swipe(ta, b, "superlike", "Привет"), QString("swipeCreated"));
        QCOMPARE(service.swipe(ta, b, "superlike", "Привет"), QString("swipeCreated"));
        QCOMPARE(service.call("GET", "user", {}, ta).object().value("superlikes").toInt(), 2);
        QCOMPARE(service.swipe(tb, a, "right"), QString("matchCreated"));
        QCOMPARE(service.swipe(tb, a, "right"), QString("matchCreated"));
        Database &db = service.context().db;
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM swipes WHERE from_id = ?", {b}).toInt(), 1);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM matches").toInt(), 1);
        const QString chat = service.chats(ta).at(0).toObject().value("chatID").toString();
        QCOMPARE(
            service.get("chats/" + chat + "/messages/older?before=2999-01-01T00:00:00Z", tb).size(),
            1);

        QVERIFY_THROWS_EXCEPTION(
            DbError, db.exec("INSERT INTO matches (id, chat_id, user_a, user_b, created_at, "
                             "last_activity, pair_key) SELECT ?, ?, user_b, user_a, 0, 0, "
                             "pair_key FROM matches",
                             {ServiceHarness::newUserId(), ServiceHarness::newUserId()}));
    }

    // Neither side of a dissolved match can form it again, and a like from someone blocked is
    // answered as if the blocker had never liked them.
    void dissolvedMatchesAndBlocksStayFinal_data() { ServiceHarness::onBothDatabases(); }
    void dissolvedMatchesAndBlocksStayFinal() {
        const ServiceHarness::RowDatabase database = ServiceHarness::rowDatabase();
        QVERIFY2(database.problem.isEmpty(), qPrintable(database.problem));
        ServiceHarness service(database.arguments);
        const auto [a, ta, b, tb, chat] = matchedPair(service);
        const QJsonValue matchId = service.chats(ta).at(0).toObject().value("id");
        QCOMPARE(service.json("POST", "cancelMatch", {{"matchID", matchId}}, ta).status, 200);
        QCOMPARE(service.swipe(tb, a, "right"), QString("swipeCreated"));
        QCOMPARE(service.swipe(ta, b, "superlike", "Вернись"), QString("swipeCreated"));
        QVERIFY(service.chats(ta).isEmpty());
        QVERIFY(service.chats(tb).isEmpty());

        const auto [x, tx, y, ty, none] = twoPeople(service);
        QCOMPARE(service.swipe(tx, y, "right"), QString("swipeCreated"));
        QCOMPARE(service.json("POST", "user/block", {{"toUserID", y}}, tx).status, 200);
        const auto answer =
            service.json("POST", "swipes", {{"toUserID", x}, {"swipeType", "right"}}, ty);
        QCOMPARE(answer.object(), QJsonObject({{"status", "swipeCreated"}}));
        QVERIFY(service.chats(tx).isEmpty());
        QVERIFY(service.chats(ty).isEmpty());
    }

    // A partner who froze or deleted the account (or was banned) leaves the chats list and
    // takes no message until they are back; a frozen account sends none.
    void frozenOrDeletedPartnersLeaveChatsAndTakeNoMessages_data() {
        ServiceHarness::onBothDatabases();
    }
    void frozenOrDeletedPartnersLeaveChatsAndTakeNoMessages() {
        const ServiceHarness::RowDatabase database = ServiceHarness::rowDatabase();
        QVERIFY2(database.problem.isEmpty(), qPrintable(database.problem));
        ServiceHarness service(database.arguments);
        const auto [a, ta, b, tb, chat] = matchedPair(service);
        const QJsonObject hello{{"chatID", chat}, {"content", "Привет"}};
        QCOMPARE(service.putSettings(tb, 100, "all", 18, 40, true, false), 200);
        QVERIFY(service.chats(ta).isEmpty());
        const auto toFrozen = service.json("POST", "sendMessage", hello, ta);
        QCOMPARE(toFrozen.status, 403);
        QVERIFY(toFrozen.isError());
        QCOMPARE(service.putSettings(tb, 100, "all", 18, 40, true, true), 200);
        QCOMPARE(service.chats(ta).size(), 1);
        QCOMPARE(service.json("POST", "sendMessage", hello, ta).status, 200);
        // Nor does a frozen account write to anybody.
        QCOMPARE(service.putSettings(ta, 100, "all", 18, 40, true, false), 200);
        const auto fromFrozen = service.json("POST", "sendMessage", hello, ta);
        QCOMPARE(fromFrozen.status, 409);
        QVERIFY(fromFrozen.isError());
        QCOMPARE(service.putSettings(ta, 100, "all", 18, 40, true, true), 200);

        QCOMPARE(service.call("GET", "deleteAccount", {}, tb).status, 200);
        QVERIFY(service.chats(ta).isEmpty());
        QCOMPARE(service.json("POST", "sendMessage", hello, ta).status, 403);
        QCOMPARE(service.call("GET", "restoreUser", {}, tb).status, 200);
        QVERIFY(service.context().users.setBanned(b, true));
        QVERIFY(service.chats(ta).isEmpty());
        QCOMPARE(service.json("POST", "sendMessage", hello, ta).status, 403);
        QCOMPARE(
            service.get("chats/" + chat + "/messages/older?before=2999-01-01T00:00:00Z", ta).size(),
            1);
    }

    // A block is final for both sides: the blocked person can no longer write into or read
    // the old conversation, even knowing its identifier.
    void blockedPeopleVanishFromLikesAndChats_data() { ServiceHarness::onBothDatabases(); }
    void blockedPeopleVanishFromLikesAndChats() {
        const ServiceHarness::RowDatabase database = ServiceHarness::rowDatabase();
        QVERIFY2(database.problem.isEmpty(), qPrintable(database.problem));
        ServiceHarness service(database.arguments);
        const auto [a, ta, b, tb, none] = twoPeople(service);
        const QString c = ServiceHarness::newUserId();
        const QString tc = service.signUp(c, "woman", "all", 30, 55, 37);
        service.swipe(tb, a, "right");
        service.swipe(tc, a, "right");
        service.swipe(ta, c, "right");
        QCOMPARE(service.chats(tc).size(), 1);
        const QString chat = service.chats(tc).at(0).toObject().value("chatID").toString();
        const QJsonObject hello{{"chatID", chat}, {"content", "Привет"}};
        QCOMPARE(service.json("POST", "sendMessage", hello, tc).status, 200);
        QCOMPARE(service.json("POST", "user/block", {{"toUserID", a}}, tb).status, 200);
        QCOMPARE(service.json("POST", "user/block", {{"toUserID", c}}, ta).status, 200);
        QVERIFY(service.get("likes", ta).isEmpty());
        QVERIFY(service.chats(tc).isEmpty());
        const QString older = "chats/" + chat + "/messages/older?before=2999-01-01T00:00:00Z";
        for (const QString &token : {tc, ta}) {
            QCOMPARE(service.json("POST", "sendMessage", hello, token).status, 404);
            QCOMPARE(service.call("GET", older, {}, token).status, 404);
        }
        QVERIFY(!idsOf(service.get("fetchProfiles", tb)).contains(a));
        QCOMPARE(
            service.json("POST", "complain", {{"toUserID", c}, {"message", "спам"}}, ta).status,
            200);
    }
};

QTEST_MAIN(TestServiceMatching)
#include "tst_service_matching.moc"
