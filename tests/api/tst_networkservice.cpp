// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BuildConfigValues.h"
#include "CompletionSpy.h"
#include "FakeService.h"
#include "Fixtures.h"
#include "StdoutCapture.h"
#include "api/Endpoints.h"
#include "api/NetworkService.h"
#include "api/WireLog.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using namespace std::chrono_literals;

namespace {

const QString emptyAnswer = QStringLiteral("Сервер вернул пустой ответ");

// The reason a call expecting T reports, or "ok".
template <class T> QString outcome(NetworkService &service) {
    CompletionSpy<T> spy;
    service.request<T>(QStringLiteral("user"), QStringLiteral("GET"), {}, true, spy.callback());
    if (!spy.wait())
        return QStringLiteral("no completion");
    return spy.result().ok() ? QStringLiteral("ok") : spy.result().error().reason;
}
using Outcome = QString (*)(NetworkService &);

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestNetworkService : public QObject {
    Q_OBJECT

private:
    FakeService *m_fake = nullptr;
    NetworkService *m_service = nullptr;

private Q_SLOTS:
    void init() {
        m_fake = new FakeService(this);
        QVERIFY(m_fake->start());
        m_service = new NetworkService(this);
        m_service->setBaseUrl(m_fake->baseUrl());
    }

    void cleanup() {
        delete m_service;
        delete m_fake;
    }

    // Before sign-in there is no token: the call goes out without the header, not with an
    // empty one.
    void noTokenSendsNoAuthHeader() {
        m_fake->respond(QStringLiteral("user"), 200, Fixtures::bytes(QStringLiteral("user.json")));
        QCOMPARE(outcome<User>(*m_service), QStringLiteral("ok"));
        const RecordedRequest request = m_fake->requests().value(0);
        QVERIFY(!request.headers.contains(QStringLiteral("auth")));
        QCOMPARE(request.headers.value(QStringLiteral("content-type")), "application/json");
    }

    void classification_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("expected"); // "ok", or the start of the reason

        const QByteArray user = Fixtures::bytes(QStringLiteral("user.json"));
        const QByteArray serviceError = Fixtures::bytes(QStringLiteral("service_error.json"));
        const auto row = [](const char *name, int status, const QByteArray &body, Outcome outcome,
                            const QString &expected) {
            QTest::newRow(name) << status << body << outcome << expected;
        };
        // clang-format off
        row("200 service error", 200, serviceError, &outcome<User>, "Профиль не найден");
        row("400 service error", 400, serviceError, &outcome<EmptyResponse>, "Профиль не найден");
        row("error flag false is no error", 200, R"({"reason":"x","error":false})", &outcome<EmptyResponse>, "ok");
        row("500 valid record", 500, user, &outcome<User>, "Ошибка сервера");
        row("500 valid empty object", 500, "{}", &outcome<EmptyResponse>, "Ошибка сервера");
        row("500 HTML", 500, "<html><body>Bad gateway</body></html>", &outcome<User>, "Декодирование не удалось: Данные не удалось прочитать, так как они имеют неверный формат.");
        row("204 empty, record expected", 204, {}, &outcome<User>, emptyAnswer);
        row("404 empty", 404, {}, &outcome<EmptyResponse>, emptyAnswer);
        // clang-format on
    }

    void classification() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(Outcome, outcome);
        QFETCH(QString, expected);
        m_fake->respond(QStringLiteral("user"), status, body);
        const QString reason = outcome(*m_service);
        QVERIFY2(reason.startsWith(expected), qPrintable(reason));
    }

    void accountSwitch_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("switchedTo");
        QTest::addColumn<QString>("reason");
        QTest::newRow("deleted") << 410 << "Delete"
                                 << "Ты удалил свой аккаунт";
        QTest::newRow("banned") << 451 << "Ban"
                                << "Твой аккаунт заблокирован";
    }

    void accountSwitch() {
        QFETCH(int, status);
        QFETCH(QString, switchedTo);
        QFETCH(QString, reason);
        // What the main thread sees, in order: the switch, then the failure a screen hops over.
        QStringList seen;
        m_service->setAccountSwitchHandler([&seen](Progress progress) {
            const QString name = progress == Progress::Delete ? u"Delete"_qs
                                 : progress == Progress::Ban  ? u"Ban"_qs
                                                              : u"other"_qs;
            seen.append(QThread::currentThread() == QCoreApplication::instance()->thread()
                            ? name
                            : u"off main"_qs);
        });
        // Even the unauthorised version check, with a record-shaped body.
        m_fake->respond(QStringLiteral("checkVersion"), status, R"({"message":"","isLock":false})");
        Endpoints::checkVersion(
            {},
            [&seen](const Result<VersionCheckResponse> &result) {
                QMetaObject::invokeMethod(QCoreApplication::instance(), [&seen, result] {
                    seen.append(result.ok() ? u"ok"_qs : result.error().reason);
                });
            },
            *m_service);
        QTRY_COMPARE(seen.size(), 2);
        QCOMPARE(seen, (QStringList{switchedTo, reason}));
    }

    void transportFailures() {
        m_fake->dropConnection(QStringLiteral("user"));
        m_fake->respondDelayed(QStringLiteral("likes"), 3s, 200, "[]");
        m_service->setTimeout(300ms);
        CompletionSpy<User> dropped;
        m_service->request<User>(QStringLiteral("user"), QStringLiteral("GET"), {}, true,
                                 dropped.callback());
        QElapsedTimer clock;
        clock.start();
        CompletionSpy<QList<ProfileView>> late;
        Endpoints::likes(late.callback(), *m_service);
        QVERIFY(dropped.wait() && late.wait());
        QCOMPARE(dropped.count(), 1);
        QEXPECT_FAIL("", "QNetworkAccessManager resends once when a connection closes unanswered",
                     Continue);
        QCOMPARE(m_fake->requests().size(), 2);
        QVERIFY(clock.elapsed() < 2500);
        for (const QString &reason :
             {dropped.result().error().reason, late.result().error().reason}) {
            QVERIFY(!reason.isEmpty());
            QVERIFY2(reason != emptyAnswer && !reason.startsWith(u"Декодирование"),
                     qPrintable(reason));
            // The user reads Russian, not Qt's English ("Operation canceled").
            QVERIFY2(!reason.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
                     qPrintable(reason));
        }
        QCOMPARE(late.result().error().reason,
                 QStringLiteral("Сервер не отвечает. Попробуй ещё раз"));
    }

    // An answer of many megabytes is refused as it comes, not held, logged and parsed.
    void anOversizedAnswerIsRefused() {
        m_fake->respond(QStringLiteral("user"), 200, QByteArray(9 * 1024 * 1024, ' '));
        StdoutCapture capture;
        QCOMPARE(outcome<User>(*m_service), QStringLiteral("Ответ сервера слишком большой"));
        QVERIFY(capture.text().size() < 10000);
    }

    void completionsRunConcurrentlyOnOneWorkerThread() {
        m_service->setBaseUrl(m_fake->baseUrl());
        m_fake->respondDelayed(QStringLiteral("likes"), 800ms, 200, "[]");
        m_fake->respond(QStringLiteral("user"), 200, Fixtures::bytes(QStringLiteral("user.json")));
        CompletionSpy<QList<ProfileView>> slow;
        CompletionSpy<User> fast;
        Endpoints::likes(slow.callback(), *m_service);
        Endpoints::user(fast.callback(), *m_service);
        QVERIFY(fast.wait());
        QCOMPARE(slow.count(), 0);
        QVERIFY(slow.wait());
        QVERIFY(slow.result().ok() && fast.result().ok());
        QVERIFY(fast.thread() != QCoreApplication::instance()->thread());
        QCOMPARE(slow.thread(), fast.thread());
    }

    // Raw answers are written only when a developer turns them on, and even then no secret
    // reaches the log: a token, an envelope or an identity is masked wherever it sits.
    void rawAnswersAreLoggedOnRequestWithoutSecrets() {
        const QByteArray answer = R"({"token":"v4.local.SECRET","user":{"name":"Алина",)"
                                  R"("pushToken":"ab12"},"list":[{"recordName":"_abc"}]})";
        m_fake->respond(QStringLiteral("user"), 200, answer);
        {
            StdoutCapture capture;
            QVERIFY(outcome<User>(*m_service) != u"ok");
            QVERIFY(!capture.text().contains(u"Raw server response body"));
            QVERIFY(!capture.text().contains(u"Алина"));
        }
        QLoggingCategory::setFilterRules(QStringLiteral("zirel.wire.debug=true"));
        const auto rulesBack = qScopeGuard([] { QLoggingCategory::setFilterRules({}); });
        StdoutCapture capture;
        QVERIFY(outcome<User>(*m_service) != u"ok");
        m_fake->respond(QStringLiteral("user"), 200,
                        Fixtures::bytes(QStringLiteral("service_error.json")));
        QVERIFY(outcome<User>(*m_service) != u"ok");
        m_fake->respond(QStringLiteral("user"), 200, "\xff\xfe{}");
        QVERIFY(outcome<EmptyResponse>(*m_service) != u"ok");
        const QString log = capture.text();
        QVERIFY2(log.contains(QStringLiteral("response: { URL: ") + m_fake->baseUrl() +
                              QStringLiteral("user } { Status Code: 200")),
                 qPrintable(log));
        QVERIFY(log.contains(u"Raw server response body: {"));
        QVERIFY(log.contains(u"\"name\":\"Алина\""));
        QVERIFY(
            log.contains(u"serverError: APIError(reason: \"Профиль не найден\", error: true)\n"));
        QVERIFY(log.contains(u"\nFailed to convert response data to string.\n"));
        for (const char *secret : {"SECRET", "ab12", "_abc"})
            QVERIFY2(!log.contains(QLatin1String(secret)), secret);
        QCOMPARE(WireLog::masked("<html>502</html>"), QStringLiteral("<html>502</html>"));
    }

    // A redirect to another origin is not followed, so the token stays with the service; one
    // within the service's origin still is.
    void redirectsStayWithinTheServiceOrigin() {
        FakeService elsewhere;
        QVERIFY(elsewhere.start());
        elsewhere.respond(QStringLiteral("user"), 200,
                          Fixtures::bytes(QStringLiteral("user.json")));
        m_service->setPaseto(QStringLiteral("v4.local.token"));
        m_fake->respond(QStringLiteral("user"), 302, {},
                        {{"Location", (elsewhere.baseUrl() + QStringLiteral("user")).toUtf8()}});
        QVERIFY(outcome<User>(*m_service) != u"ok");
        QVERIFY(elsewhere.requests().isEmpty());

        m_fake->respond(QStringLiteral("user"), 302, {},
                        {{"Location", (m_fake->baseUrl() + QStringLiteral("me")).toUtf8()}});
        m_fake->respond(QStringLiteral("me"), 200, Fixtures::bytes(QStringLiteral("user.json")));
        QCOMPARE(outcome<User>(*m_service), QStringLiteral("ok"));
        const QList<RecordedRequest> followed = m_fake->requestsTo(QStringLiteral("me"));
        QCOMPARE(followed.size(), 1);
        QCOMPARE(followed.first().headers.value(QStringLiteral("auth")), "bear v4.local.token");
    }

    // Nothing goes out, and the caller still gets its failure instead of waiting for ever.
    void unformableUrlSendsNothingAndFails() {
        m_service->setBaseUrl(QStringLiteral("http://[::1/"));
        StdoutCapture capture;
        QCOMPARE(outcome<User>(*m_service), QStringLiteral("Не удалось связаться с сервером"));
        QVERIFY(m_fake->requests().isEmpty());
    }

    void baseUrlFromEnvironment_data() {
        QTest::addColumn<QByteArray>("configured");
        QTest::addColumn<QString>("expected");
        const QString fallback = QStringLiteral(ZIREL_BUILD_BASE_URL);
        // clang-format off
        QTest::newRow("https anywhere") << QByteArray("https://api.example.com/") << "https://api.example.com/";
        QTest::newRow("http to loopback") << QByteArray("http://localhost:9000") << "http://localhost:9000/";
        QTest::newRow("http to IPv6 loopback") << QByteArray("http://[::1]:9000/") << "http://[::1]:9000/";
        QTest::newRow("http elsewhere") << QByteArray("http://api.example.com/") << fallback;
        QTest::newRow("loopback lookalike") << QByteArray("http://127.0.0.1.example.com/") << fallback;
        // clang-format on
    }

    void baseUrlFromEnvironment() {
        QFETCH(QByteArray, configured);
        QFETCH(QString, expected);
        qputenv("ZIREL_BASE_URL", configured);
        StdoutCapture capture;
        const NetworkService service;
        qunsetenv("ZIREL_BASE_URL");
        QCOMPARE(service.baseUrl(), expected);
        QCOMPARE(capture.text().contains(u"Ignoring ZIREL_BASE_URL"),
                 expected == QStringLiteral(ZIREL_BUILD_BASE_URL));
    }
};

QTEST_GUILESS_MAIN(TestNetworkService)
#include "tst_networkservice.moc"
