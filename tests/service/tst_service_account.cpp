// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "ServiceHarness.h"

#include "CallerAddress.h"
#include "EnvelopeOpener.h"
#include "HourlyLimit.h"
#include "PortraitPainter.h"
#include "ServiceContext.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

// Sign-in from a sealed envelope, tokens, the own record, deletion and bans.
class TestServiceAccount : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void signInCreatesTheAccountOnceAndIssuesWorkingTokens() {
        ServiceHarness service;
        const QString id = ServiceHarness::newUserId();
        const QString first = service.signIn(id.toLower());
        const QString second = service.signIn(id);

        const auto user = service.call("GET", "user", {}, first);
        QCOMPARE(user.status, 200);
        const QJsonObject record = user.object();
        QCOMPARE(record.size(), 20);
        QCOMPARE(record.value("userID").toString(), id);
        QVERIFY(record.value("photoUrls").isArray());
        QVERIFY(record.value("long").isDouble());
        QCOMPARE(service.call("GET", "user", {}, second).object().value("userID").toString(), id);
    }

    // One address signing up account after account is a script: past the hourly allowance its
    // sign-ins get 429. Behind the operator's load balancer the address is the one it forwards;
    // what a caller writes into X-Forwarded-For before it counts for nothing.
    void signInsFromOneAddressAreLimited() {
        ServiceHarness direct({"--sign-ins-per-hour", "3"});
        for (int i = 0; i < 3; ++i)
            QCOMPARE(direct.validateDevice(direct.envelope(ServiceHarness::newUserId())).status,
                     200);
        const ServiceHarness::Answer refused =
            direct.validateDevice(direct.envelope(ServiceHarness::newUserId()));
        QCOMPARE(refused.status, 429);
        QVERIFY(refused.isError());

        ServiceHarness proxied({"--sign-ins-per-hour", "2", "--proxy", "127.0.0.1"});
        const auto signInFrom = [&proxied](const QByteArray &forwarded) {
            const QJsonObject body{{"data", proxied.envelope(ServiceHarness::newUserId())}};
            return proxied
                .call("POST", "validateDevice", QJsonDocument(body).toJson(), {},
                      {{"x-forwarded-for", forwarded}})
                .status;
        };
        QCOMPARE(signInFrom("203.0.113.7"), 200);
        QCOMPARE(signInFrom("198.51.100.1, 203.0.113.7"), 200);
        QCOMPARE(signInFrom("198.51.100.2, 203.0.113.7"), 429);
        QCOMPARE(signInFrom("203.0.113.8"), 200);
        // Every address of one IPv6 /64 is one line's.
        QCOMPARE(signInFrom("2001:db8:0:1::1"), 200);
        QCOMPARE(signInFrom("2001:db8:0:1::2"), 200);
        QCOMPARE(signInFrom("2001:db8:0:1:ffff::3"), 429);
        // The event channel's upgrade, read before any handler, names its caller the same way;
        // a mapped IPv4 peer is the proxy too.
        const QHostAddress proxy(QStringLiteral("127.0.0.1"));
        QCOMPARE(
            CallerAddress::of(QHostAddress("::ffff:127.0.0.1"), "198.51.100.1, 203.0.113.7", proxy),
            QByteArray("203.0.113.7"));
        QCOMPARE(CallerAddress::of(QHostAddress("::ffff:192.0.2.5"), "203.0.113.7", proxy),
                 QByteArray("192.0.2.5"));
        QCOMPARE(CallerAddress::of(QHostAddress("192.0.2.5"), "203.0.113.7", {}),
                 QByteArray("192.0.2.5"));

        // The allowance comes back evenly over the hour, never beyond a full hour's.
        HourlyLimit limit(2);
        const auto start = HourlyLimit::Clock::now();
        QVERIFY(limit.take("a", start) && limit.take("a", start) && !limit.take("a", start));
        QVERIFY(limit.take("b", start));
        QVERIFY(limit.take("a", start + std::chrono::minutes(30)));
        QVERIFY(!limit.take("a", start + std::chrono::minutes(40)));
        const auto dayLater = start + std::chrono::hours(24);
        QVERIFY(limit.take("a", dayLater) && limit.take("a", dayLater));
        QVERIFY(!limit.take("a", dayLater));
    }

    void envelopesThatDoNotOpenOrLackFieldsAreRefused() {
        ServiceHarness service;
        const QByteArray key = service.envelopeKey();
        const QJsonObject device{
            {"deviceName", "a"}, {"deviceModel", "b"}, {"systemName", "c"}, {"systemVersion", "d"}};
        // A well-formed envelope with one field replaced, or left out when undefined.
        const auto altered = [&](const char *field, const QJsonValue &value) {
            QJsonObject o{{"tok1", "r"},
                          {"tok2", ServiceHarness::newUserId()},
                          {"tok3", QString::fromLatin1(QByteArray(48, 'a').toBase64())},
                          {"device", device}};
            if (value.isUndefined())
                o.remove(QLatin1String(field));
            else
                o.insert(QLatin1String(field), value);
            return EnvelopeOpener::seal(key, QJsonDocument(o).toJson()).toBase64();
        };
        QByteArray tampered = EnvelopeOpener::seal(key, "{}");
        tampered[14] = char(tampered[14] ^ 1);
        const QList<std::pair<const char *, QByteArray>> cases{
            {"not base64", "%%%"},
            {"too short", "AAAA"},
            {"tampered", tampered.toBase64()},
            {"other key", EnvelopeOpener::seal(QByteArray(32, 'k'), "{}").toBase64()},
            {"tok2 not a uuid", altered("tok2", "me")},
            {"no device", altered("device", QJsonValue::Undefined)},
            {"device field wrong type", altered("device", QJsonObject{{"deviceName", 1}})},
            {"no cloud identity", altered("tok1", "")},
            {"attestation too short", altered("tok3", "dA==")},
        };
        for (const auto &[name, data] : cases) {
            const auto answer = service.validateDevice(QString::fromLatin1(data));
            QVERIFY2(answer.status == 400 && answer.isError(), name);
        }
    }

    // Naming someone's user id is not enough: only their cloud identity gets their account, an
    // envelope works once, and the reviewer's account cannot be reached with any envelope.
    void signInMustProveTheStoredCloudIdentity_data() { ServiceHarness::onBothDatabases(); }
    void signInMustProveTheStoredCloudIdentity() {
        const ServiceHarness::RowDatabase database = ServiceHarness::rowDatabase();
        QVERIFY2(database.problem.isEmpty(), qPrintable(database.problem));
        ServiceHarness service(database.arguments);
        const QString id = ServiceHarness::newUserId();
        const QString owner = service.signIn(id);
        QCOMPARE(
            service.call("PUT", "user/bio", R"({"bio":"моё","job":"","edu":"","city":""})", owner)
                .status,
            200);

        const auto stolen = service.validateDevice(service.envelope(id, "_someone-else"));
        QCOMPARE(stolen.status, 403);
        QVERIFY(stolen.isError());
        const auto reviewer =
            service.validateDevice(service.envelope(ServiceContext::reviewerId(), "review"));
        QCOMPARE(reviewer.status, 403);
        QVERIFY(reviewer.isError());

        const QString again = service.envelope(id);
        const auto returning = service.validateDevice(again);
        QCOMPARE(returning.status, 200);
        const QString token = returning.object().value("token").toString();
        QCOMPARE(service.call("GET", "user", {}, token).object().value("bio").toString(),
                 QString("моё"));
        const auto replayed = service.validateDevice(again);
        QCOMPARE(replayed.status, 401);
        QVERIFY(replayed.isError());

        // A client moving to a random identity of its own proves the one stored; from then on
        // only the new one signs in, and nobody moves an account by naming a wrong old one.
        const QString derived = "_cloud" + id;
        QCOMPARE(service.validateDevice(service.envelope(id, "_thief", {}, "_guess")).status, 403);
        QCOMPARE(service.validateDevice(service.envelope(id, "_random", {}, derived)).status, 200);
        QCOMPARE(service.validateDevice(service.envelope(id)).status, 403);
        QCOMPARE(service.validateDevice(service.envelope(id, "_thief", {}, derived)).status, 403);
        QCOMPARE(service.validateDevice(service.envelope(id, "_random", {}, derived)).status, 200);
        QCOMPARE(service.validateDevice(service.envelope(id, "_random")).status, 200);
    }

    // The operator's key is made once into the database, shown that one time (and again only
    // when asked for), and used by a service that is given none; a first start without one
    // makes it without writing it to the log.
    void initSchemaMakesTheEnvelopeKeyTheServiceUses() {
        QTemporaryDir dir;
        const QString db = dir.filePath("keyed.sqlite");
        int code = -1;
        const QString first = ServiceHarness::runBinary({"--database", db, "--init-schema"}, &code);
        QCOMPARE(code, 0);
        const QRegularExpressionMatch shown =
            QRegularExpression("ZIREL_ENVELOPE_KEY=<key>\\): (\\S+)").match(first);
        QVERIFY2(shown.hasMatch(), qPrintable(first));
        const QByteArray key = QByteArray::fromBase64(shown.captured(1).toLatin1());
        QCOMPARE(key.size(), 32);
        const QString second =
            ServiceHarness::runBinary({"--database", db, "--init-schema"}, &code);
        QCOMPARE(code, 0);
        QVERIFY(!second.contains(shown.captured(1)));
        const auto printed = [&code](const QString &database) {
            return ServiceHarness::runBinary({"--database", database, "--print-envelope-key"},
                                             &code)
                .trimmed();
        };
        QCOMPARE(printed(db), shown.captured(1));
        QCOMPARE(code, 0);

        ServiceHarness service({"--database", db});
        QCOMPARE(service.envelopeKey(), key);
        QVERIFY(!service.signIn(ServiceHarness::newUserId()).isEmpty());
        // The database holds everyone's birthdays, positions and messages and the key itself:
        // whatever the service writes beside it is its own user's alone.
        for (const QFileInfo &file :
             QDir(dir.path()).entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries))
            QVERIFY2(!(file.permissions() & (QFile::ReadGroup | QFile::ReadOther |
                                             QFile::WriteGroup | QFile::WriteOther)),
                     qPrintable(file.fileName()));

        const QString keyless = dir.filePath("keyless.sqlite");
        QVERIFY(printed(keyless).contains("No envelope key"));
        QCOMPARE(code, 1);
        ServiceHarness fresh({"--database", keyless});
        QCOMPARE(fresh.envelopeKey().size(), 32);
        QVERIFY(fresh.envelopeKey() != key);
        QCOMPARE(QByteArray::fromBase64(printed(keyless).toLatin1()), fresh.envelopeKey());
    }

    void tokensThatAreMissingUnknownOrExpiredGive401() {
        ServiceHarness service;
        QVERIFY(service.call("GET", "user").isError());
        QCOMPARE(service.call("GET", "user").status, 401);
        QCOMPARE(service.call("GET", "user", {}, "zrl.forged").status, 401);
        const QString token = service.signIn(ServiceHarness::newUserId());
        service.context().db.exec("UPDATE tokens SET expires_at = 0");
        QCOMPARE(service.call("GET", "user", {}, token).status, 401);
    }

    void reviewTokenOpensTheReadyMadeAccount() {
        ServiceHarness service;
        const QString review = service.context().options.reviewToken;
        const auto user = service.call("GET", "user", {}, review);
        QCOMPARE(user.status, 200);
        QCOMPARE(user.object().value("userID").toString(), ServiceContext::reviewerId());
        const QString photo = user.object().value("photoUrls").toArray().at(0).toString();
        QVERIFY(
            photo.startsWith(QStringLiteral("http://127.0.0.1:%1/images/").arg(service.port())));
        const auto image = service.call("GET", photo.section('/', 3));
        QCOMPARE(image.status, 200);
        QCOMPARE(image.contentType, QByteArray("image/jpeg"));
    }

    // Review mode is the operator's: without --review-token no token opens the reviewers'
    // account, and one an earlier start in review mode made is shown to nobody.
    void withoutReviewModeNobodyIsTheReviewer() {
        QTemporaryDir dir;
        const QString db = dir.filePath(QStringLiteral("service.sqlite"));
        {
            ServiceHarness reviewing({"--database", db});
            QCOMPARE(reviewing.call("GET", "user", {}, ServiceHarness::kReviewToken).status, 200);
        }
        ServiceHarness service({"--database", db, "--review-token", ""});
        QCOMPARE(service.call("GET", "user", {}, ServiceHarness::kReviewToken).status, 401);
        const QString her =
            service.signUp(ServiceHarness::newUserId(), "woman", "man", 29, 55.7558, 37.6173);
        const QJsonArray feed = service.get("fetchProfiles", her);
        for (const QJsonValue &person : feed)
            QVERIFY(person.toObject().value("userID").toString() != ServiceContext::reviewerId());

        ServiceHarness fresh({"--review-token", ""});
        QVERIFY(!fresh.context().users.state(ServiceContext::reviewerId()).exists);
    }

    void versionCheckComparesDottedNumbers() {
        ServiceHarness service({"--min-version", "1.2", "--latest-version", "1.10"});
        const auto check = [&](const char *version) {
            return service.json("POST", "checkVersion", {{"appVersion", version}}).object();
        };
        QCOMPARE(check("1.1.9").value("isLock").toBool(), true);
        QCOMPARE(check("1.9").value("isLock").toBool(), false);
        QVERIFY(!check("1.9").value("message").toString().isEmpty());
        // A current client is not stopped: it receives an error body instead of a verdict.
        QCOMPARE(check("1.10").value("error").toBool(), true);
        QVERIFY(!check("1.10").contains("isLock"));
        QCOMPARE(service.json("POST", "checkVersion", {{"appVersion", "abc"}}).status, 400);
    }

    // A sign-in replaces the token of the same installation only; the operator can end them all.
    void tokensAreReplacedPerDeviceAndRevokedByTheOperator() {
        ServiceHarness service;
        const QString id = ServiceHarness::newUserId();
        const QByteArray desk(32, 'd');
        const auto tokenFrom = [&](const QByteArray &installation) {
            return service.validateDevice(service.envelope(id, {}, installation))
                .object()
                .value("token")
                .toString();
        };
        const QString old = tokenFrom(desk);
        const QString laptop = tokenFrom(QByteArray(32, 'l'));
        const QString renewed = tokenFrom(desk);
        QCOMPARE(service.call("GET", "user", {}, old).status, 401);
        QCOMPARE(service.call("GET", "user", {}, laptop).status, 200);
        QCOMPARE(service.call("GET", "user", {}, renewed).status, 200);

        int code = -1;
        const QString printed = ServiceHarness::runBinary(
            {"--database", service.databasePath(), "--revoke", id.toLower()}, &code);
        QCOMPARE(code, 0);
        QVERIFY2(printed.contains(id), qPrintable(printed));
        QCOMPARE(service.call("GET", "user", {}, laptop).status, 401);
        QCOMPARE(service.call("GET", "user", {}, renewed).status, 401);
        QVERIFY(!service.signIn(id).isEmpty());
        QVERIFY(ServiceHarness::runBinary(
                    {"--database", service.databasePath(), "--revoke", ServiceHarness::newUserId()},
                    &code)
                    .contains("No such user"));
        QCOMPARE(code, 1);
    }

    // A deleted account is refused until it is restored; a banned one everywhere, restore too.
    void deletedAndBannedAccountsAreRefused() {
        ServiceHarness service;
        const QString deletedId = ServiceHarness::newUserId();
        const QString deleted = service.signIn(deletedId);
        // Its photos too, though kept for the restore.
        const QString photo =
            "images/" + service.context()
                            .images.replace(deletedId, {PortraitPainter::paint("Ян", true, 1)})
                            .first();
        QCOMPARE(service.call("GET", photo).status, 200);
        QCOMPARE(service.call("GET", "deleteAccount", {}, deleted).status, 200);
        QCOMPARE(service.call("GET", photo).status, 404);
        const auto refused = service.call("GET", "user", {}, deleted);
        QCOMPARE(refused.status, 410);
        QVERIFY(refused.isError());
        QCOMPARE(service.call("GET", "fetchProfiles", {}, deleted).status, 410);
        QCOMPARE(service.call("GET", "restoreUser", {}, deleted).status, 200);
        QCOMPARE(service.call("GET", "user", {}, deleted).status, 200);
        QCOMPARE(service.call("GET", photo).status, 200);

        const QString id = ServiceHarness::newUserId();
        const QString banned = service.signIn(id);
        QVERIFY(service.context().users.setBanned(id, true));
        QCOMPARE(service.call("GET", "user", {}, banned).status, 451);
        QCOMPARE(service.call("GET", "restoreUser", {}, banned).status, 451);
        QVERIFY(service.call("GET", "likes", {}, banned).isError());
        QVERIFY(service.context().users.setBanned(id, false));
        QCOMPARE(service.call("GET", "user", {}, banned).status, 200);
    }

    // Name and birthday are set once; a retry of the same registration still succeeds.
    void registrationCannotRewriteNameOrBirthday() {
        ServiceHarness service;
        const QString token = service.signUp(ServiceHarness::newUserId(), "man", "all", 30, 55, 37);
        QJsonObject again{{"bio", "Привет"},
                          {"name", "Имя"},
                          {"birthday", ServiceHarness::birthdayForAge(30)},
                          {"genderInput", "man"},
                          {"selectedGender", "all"}};
        QCOMPARE(service.json("POST", "completeRegistration", again, token).status, 200);
        again.insert("birthday", ServiceHarness::birthdayForAge(19));
        again.insert("name", "Другое");
        const auto rewrite = service.json("POST", "completeRegistration", again, token);
        QCOMPARE(rewrite.status, 409);
        QVERIFY(rewrite.isError());
        const QJsonObject user = service.call("GET", "user", {}, token).object();
        QCOMPARE(user.value("name").toString(), QString("Имя"));
        QCOMPARE(user.value("birthday").toString(), ServiceHarness::birthdayForAge(30));
    }

    void settingsAndProfileTextsAreStored() {
        ServiceHarness service;
        const QString token =
            service.signUp(ServiceHarness::newUserId(), "woman", "man", 30, 55, 37);
        const QJsonObject settings{
            {"maxDistance", 42}, {"showMore", false}, {"selectedGender", "all"},
            {"ageStart", 25},    {"ageEnd", 35},      {"showMoreAge", false},
            {"active", false}};
        const QJsonObject texts{{"bio", "б"}, {"job", "ж"}, {"edu", "о"}, {"city", "г"}};
        QCOMPARE(service.json("PUT", "user/settings", settings, token).status, 200);
        QCOMPARE(service.json("PUT", "user/bio", texts, token).status, 200);
        const QJsonObject user = service.call("GET", "user", {}, token).object();
        for (const QJsonObject &sent : {settings, texts})
            for (auto it = sent.begin(); it != sent.end(); ++it)
                QCOMPARE(user.value(it.key()), it.value());
    }
};

QTEST_MAIN(TestServiceAccount)
#include "tst_service_account.moc"
