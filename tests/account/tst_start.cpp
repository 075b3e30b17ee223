// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BuildConfigValues.h"
#include "DrawnWindow.h"
#include "FakeService.h"
#include "TestServices.h"
#include "account/AccountAlertVC.h"
#include "account/DeviceEnvelope.h"
#include "account/StartVC.h"
#include "api/NetworkService.h"
#include "platform/CloudAccount.h"
#include "platform/DeviceAttestation.h"
#include "platform/DeviceInfo.h"
#include "platform/SecureStore.h"
#include "platform/UrlOpener.h"
#include "ui/AlertBlockVC.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <thread>

namespace {

// The platform's answers, scripted per test; they arrive on a thread of their own, as the real
// services' do.
struct Script {
    bool cloudAvailable = true;
    QString recordName = QStringLiteral("_0f1e2d3c4b5a69788796a5b4c3d2e1f0");
    QString recordError;
    bool attestationSupported = true;
    QByteArray token = QByteArray("\x01\x02\xfe\xff", 4);
    QString tokenError;
    QString osVersion = QStringLiteral("26.1");
    QList<QUrl> opened;
    int statusAsked = 0;
};
Script script;

class FakeCloud final : public CloudAccount {
public:
    void accountStatus(StatusHandler handler) override {
        ++script.statusAsked;
        std::thread([handler, ok = script.cloudAvailable] { handler(ok, {}); }).detach();
    }
    void fetchRecordName(RecordHandler handler) override {
        std::thread([handler, name = script.recordName, error = script.recordError] {
            handler(name, error);
        }).detach();
    }
};

class FakeAttestation final : public DeviceAttestation {
public:
    bool isSupported() const override { return script.attestationSupported; }
    void generateToken(TokenHandler handler) override {
        std::thread([handler, token = script.token, error = script.tokenError] {
            handler(token, error);
        }).detach();
    }
};

class FakeDevice final : public DeviceInfo {
public:
    QString deviceName() const override { return QStringLiteral("desk"); }
    QString deviceModel() const override { return QStringLiteral("ThinkPad"); }
    QString systemName() const override { return QStringLiteral("Debian GNU/Linux"); }
    QString systemVersion() const override { return QStringLiteral("12"); }
    QString appVersion() const override { return QStringLiteral("1.4"); }
    QString equivalentOsVersion() const override { return script.osVersion; }
};

class RecordingOpener final : public UrlOpener {
public:
    bool open(const QUrl &url) override {
        script.opened.append(url);
        return true;
    }
};

// Keeps values in memory and refuses to store the keys it is told to.
class MemoryBackend final : public SecretBackend {
public:
    QHash<QString, QByteArray> values;
    QSet<QString> refused;
    bool store(const QString &key, const QByteArray &value) override {
        if (refused.contains(key))
            return false;
        values.insert(key, value);
        return true;
    }
    std::optional<QByteArray> lookup(const QString &key) override {
        return values.contains(key) ? std::optional(values.value(key)) : std::nullopt;
    }
    QString description() const override { return QStringLiteral("memory"); }
};

const QString serviceReason = QStringLiteral("Подпись устройства не подтверждена");

} // namespace

class TestStart;
using Arrange = std::function<void(TestStart *)>;
Q_DECLARE_METATYPE(Arrange)

class TestStart : public QObject {
    Q_OBJECT

    TestServices m_services;

    FakeService m_service;
    MemoryBackend *m_store = nullptr;
    QStringList m_recordedIds;
    std::chrono::steady_clock::time_point m_now;
    QString m_envelopeKey;

    StartVC *makeScreen(Window &window) {
        auto *screen = new StartVC(m_services.services(), [this] { return m_now; });
        screen->signInFlow().setUserIdRecorder([this](const QString &id) { m_recordedIds << id; });
        if (!m_envelopeKey.isEmpty())
            screen->signInFlow().setEnvelopeKey(m_envelopeKey);
        window.setRoot(screen);
        return screen;
    }
    template <class T> static T *presentedOn(ViewController *screen) {
        return qobject_cast<T *>(screen->presentedViewController());
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        AppServices &services = m_services.services().platform();
        services.setCloudAccount(std::make_unique<FakeCloud>());
        services.setDeviceAttestation(std::make_unique<FakeAttestation>());
        services.setDeviceInfo(std::make_unique<FakeDevice>());
        services.setUrlOpener(std::make_unique<RecordingOpener>());
        QVERIFY(m_service.start());
        m_services.services().network().setBaseUrl(m_service.baseUrl());
    }

    void init() {
        script = Script();
        auto store = std::make_unique<MemoryBackend>();
        m_store = store.get();
        m_services.services().secureStore().replaceBackend(std::move(store));
        m_services.services().network().setPaseto(std::nullopt);
        m_service.clearRequests();
        m_service.respond(QStringLiteral("validateDevice"), 400,
                          R"({"reason":"Подпись устройства не подтверждена","error":true})");
        m_recordedIds.clear();
        m_envelopeKey.clear();
    }

    void failuresShowTheirOwnTextAndAllowAnotherTry_data() {
        QTest::addColumn<Arrange>("arrange");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("recordsUserId");
        const auto row = [](const char *name, Arrange arrange, const QString &message,
                            bool recordsUserId) {
            QTest::newRow(name) << arrange << message << recordsUserId;
        };
        // clang-format off
        row("no cloud account", [](auto *) { script.cloudAvailable = false; }, "Чтобы продолжить, войди в iCloud на данном устройстве", false);
        row("record fetch failed", [](auto *) { script.recordError = "Сеть недоступна"; }, "Ошибка iCloud: Сеть недоступна", false);
        row("no record", [](auto *) { script.recordName.clear(); }, "Ошибка: iCloud ID не найден", false);
        row("local ID not kept", [](auto *t) { t->m_store->refused << "passkeyUserID"; }, "Ошибка получения UserID", false);
        row("unsupported", [](auto *) { script.attestationSupported = false; }, "Данный девайс не поддерживается", false);
        row("attestation error", [](auto *) { script.token.clear(); script.tokenError = "занято"; }, "Ошибка генерации токена: занято", false);
        row("attestation silent", [](auto *) { script.token.clear(); }, "Ошибка генерации токена", false);
        row("sealing failed", [](auto *t) { t->m_envelopeKey = "not a key"; }, "Ошибка шифрования", true);
        row("service refused", [](auto *) {}, serviceReason, true);
        row("token not kept", [](auto *t) {
            t->m_store->refused << "paseto";
            t->m_service.respond(QStringLiteral("validateDevice"), 200, R"({"token":"v4.local.abc"})");
        }, "Не удалось сохранить токен на устройстве", true);
        // clang-format on
    }

    void failuresShowTheirOwnTextAndAllowAnotherTry() {
        QFETCH(Arrange, arrange);
        QFETCH(QString, message);
        QFETCH(bool, recordsUserId);
        arrange(this);
        Window window;
        StartVC *screen = makeScreen(window);

        for (int attempt = 1; attempt <= 2; ++attempt) {
            screen->returnPressed();
            QVERIFY(screen->busy());
            QTRY_VERIFY(presentedOn<AlertErrorVC>(screen));
            QCOMPARE(presentedOn<AlertErrorVC>(screen)->message(), message);
            QVERIFY(!screen->busy());
            QCOMPARE(script.statusAsked, attempt);
            QCOMPARE(m_recordedIds.size(), recordsUserId ? attempt : 0);
            presentedOn<AlertErrorVC>(screen)->actionButtonTapped();
        }
        QVERIFY(!m_store->values.contains(QStringLiteral("paseto")));
        QVERIFY(!m_services.services().network().paseto());
    }

    void signInSealsTheIdentityAndMovesToTheNameStep() {
        Window window;
        StartVC *screen = makeScreen(window);
        m_service.respond(QStringLiteral("validateDevice"), 200, R"({"token":"v4.local.fresh"})");
        screen->loginButtonTapped();
        screen->loginButtonTapped(); // a second press while signing in starts nothing
        QTRY_VERIFY(presentedOn<NavigationContainer>(screen));

        auto *steps = presentedOn<NavigationContainer>(screen);
        QCOMPARE(steps->topViewController()->typeName(), QStringLiteral("NameInputVC"));
        QCOMPARE(m_store->values.value("paseto"), QByteArray("v4.local.fresh"));
        QCOMPARE(m_services.services().secureStore().progress(), Progress::Name);
        QCOMPARE(m_services.services().network().paseto(), QStringLiteral("v4.local.fresh"));
        const QString userId = QString::fromUtf8(m_store->values.value("passkeyUserID"));
        QCOMPARE(m_recordedIds, QStringList{userId});
        QCOMPARE(script.statusAsked, 1);

        QCOMPARE(m_service.requests().size(), 1);
        const auto opened =
            DeviceEnvelope::open(m_service.requests().first().json().value("data").toString(),
                                 QStringLiteral(ZIREL_BUILD_ENVELOPE_KEY));
        QVERIFY(opened);
        const QJsonObject plain = QJsonDocument::fromJson(*opened).object();
        // The identity is the installation's own random secret, kept for the next sign-in; the
        // machine's record name, which anyone on it can compute, only moves an older account.
        const QString own = QString::fromUtf8(m_store->values.value("signInIdentity"));
        QCOMPARE(own.size(), 65);
        QCOMPARE(plain.value("tok1").toString(), own);
        QCOMPARE(plain.value("tok1Previous").toString(), script.recordName);
        QCOMPARE(plain.value("tok2").toString(), userId);
        Window later;
        makeScreen(later)->loginButtonTapped();
        QTRY_COMPARE(m_service.requests().size(), 2);
        const QJsonObject again =
            QJsonDocument::fromJson(
                DeviceEnvelope::open(m_service.requests().last().json().value("data").toString(),
                                     QStringLiteral(ZIREL_BUILD_ENVELOPE_KEY))
                    .value_or(QByteArray()))
                .object();
        QCOMPARE(again.value("tok1").toString(), own);
        QCOMPARE(plain.value("tok3").toString(), QStringLiteral("AQL+/w=="));
        QCOMPARE(plain.value("device").toObject().value("deviceModel").toString(), "ThinkPad");
    }

    // The drawn button signs in on a click; the keyboard presses it as any button (see the
    // buttons' own test).
    void theDrawnButtonSignsIn() {
        DrawnWindow drawn{m_services.services()};
        StartVC *screen = makeScreen(drawn.window());
        QVERIFY(drawn.show());
        QQuickItem *button = nullptr;
        QTRY_VERIFY(
            (button = drawn.find([](QQuickItem *item) { return item->activeFocusOnTab(); })));
        drawn.click(button);
        QTRY_VERIFY(presentedOn<AlertErrorVC>(screen)); // the script's service refuses
        QCOMPARE(script.statusAsked, 1);
    }

    void reviewModeNeedsFiveTapsWithoutLongPauses() {
        using namespace std::chrono_literals;
        Window window;
        StartVC *screen = makeScreen(window);
        for (int tap = 0; tap < 4; ++tap) {
            screen->logoTapped();
            m_now += 2900ms;
        }
        m_now += 200ms; // the fifth tap comes 3.1 s after the fourth
        screen->logoTapped();
        QVERIFY(!screen->presentedViewController());
        for (int tap = 0; tap < 4; ++tap) {
            m_now += 2999ms;
            screen->logoTapped();
        }
        auto *prompt = presentedOn<AccountAlertVC>(screen);
        QVERIFY(prompt);

        prompt->setFieldText(QStringLiteral("abc"));
        prompt->returnPressed();
        auto *wrong = presentedOn<AccountAlertVC>(screen);
        QVERIFY(wrong && wrong != prompt);
        QCOMPARE(wrong->message(), QStringLiteral("Неверный пароль"));
        wrong->actionTapped(0);
        // The series started afresh: four more taps are not enough.
        for (int tap = 0; tap < 4; ++tap)
            screen->logoTapped();
        QVERIFY(!screen->presentedViewController());

        screen->logoTapped();
        prompt = presentedOn<AccountAlertVC>(screen);
        prompt->setFieldText(QStringLiteral(ZIREL_BUILD_REVIEW_CODE));
        prompt->actionTapped(0);
        QCOMPARE(window.root()->typeName(), QStringLiteral("TabBar"));
        QCOMPARE(m_services.services().network().paseto(),
                 QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN));
        QVERIFY(!m_store->values.contains("paseto"));
    }

    void loadChecksBlockOldSystemsAndBannedAccounts_data() {
        QTest::addColumn<QString>("osVersion");
        QTest::addColumn<Progress>("progress");
        QTest::addColumn<QString>("message");
        const QString oldSystem = QStringLiteral(
            "Для корректной работы приложения необходимо обновиться до macOS 15 Sequoia или новее");
        QTest::newRow("old system") << "17.6" << Progress::None << oldSystem;
        QTest::newRow("banned") << "26.1" << Progress::Ban << "Твой аккаунт заблокирован";
        QTest::newRow("current system") << "18.0" << Progress::Delete << QString();
    }

    void loadChecksBlockOldSystemsAndBannedAccounts() {
        QFETCH(QString, osVersion);
        QFETCH(Progress, progress);
        QFETCH(QString, message);
        script.osVersion = osVersion;
        (void)m_services.services().secureStore().setProgress(progress);
        Window window;
        makeScreen(window);
        QTest::qWait(20);
        auto *block = qobject_cast<AlertBlockVC *>(window.lockNotice());
        QCOMPARE(block ? block->message() : QString(), message);
        if (block)
            QVERIFY(block->hideButton());
    }

    void consentLinkOpensTheTermsPage() {
        Window window;
        makeScreen(window)->interactiveLabelTapped();
        QCOMPARE(script.opened, QList<QUrl>{QUrl(m_service.baseUrl() + "agreement")});
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
