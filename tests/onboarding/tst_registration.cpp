// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "FakeService.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "onboarding/BioInputVC.h"
#include "onboarding/BirthdayInputVC.h"
#include "onboarding/GenderInputVC.h"
#include "onboarding/NameInputVC.h"
#include "onboarding/RegistrationResume.h"
#include "platform/FileSecretBackend.h"
#include "platform/SecureStore.h"
#include "settings/GenderSelectionVC.h"
#include "store/BioScreening.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

// The registration steps' rules, and the chain from the name to the photo step against a
// scripted service.
class TestRegistration : public QObject {
    Q_OBJECT

    TestServices m_owned;

    FakeService m_service;
    QTemporaryDir m_dir;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<SecureStore> m_store;
    std::unique_ptr<UserManager> m_user;
    Services m_services;

    static const QString kLink;
    static const QString kKeyword;

    // Key presses that carry text, as a keyboard layout sends them.
    static void type(QWindow *window, const QString &text) {
        for (QChar c : text) {
            const auto key = c.isDigit() ? Qt::Key(Qt::Key_0 + c.digitValue()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, window, key, QString(c), Qt::NoModifier);
        }
    }

    // The bio step reached through every earlier step, as the user walks there.
    // The service's answer is handled on the network thread, which writes to this case's store
    // and user before it leaves for the photos; a case waits for that, or the next case's
    // init() would replace them while they are written.
    static bool leftForThePhotos(Window &window) {
        auto *navigation = qobject_cast<NavigationContainer *>(window.root());
        return navigation && QTest::qWaitFor([navigation] {
                   return navigation->topViewController()->typeName() ==
                          QStringLiteral("PhotoGridVC");
               });
    }

    BioInputVC *walkToBio(Window &window, const QString &name, GenderSelection own) {
        auto *nameStep = new NameInputVC(m_services);
        auto *navigation = new NavigationContainer(nameStep);
        window.setRoot(navigation);
        nameStep->proposeText(name);
        nameStep->nextButtonTapped();
        auto *birthday = qobject_cast<BirthdayInputVC *>(navigation->topViewController());
        if (!birthday)
            return nullptr;
        const QString digits = QStringLiteral("15061990");
        for (int i = 0; i < digits.size(); ++i)
            birthday->proposeDigit(i, digits.mid(i, 1));
        birthday->handleKey(KeyCommand::Return);
        auto *gender = qobject_cast<GenderInputVC *>(navigation->topViewController());
        if (!gender)
            return nullptr;
        own == GenderSelection::woman ? gender->womanButtonTapped() : gender->manButtonTapped();
        gender->nextButtonTapped();
        auto *showMe = qobject_cast<GenderSelectionVC *>(navigation->topViewController());
        if (!showMe)
            return nullptr;
        showMe->nextButtonTapped();
        return qobject_cast<BioInputVC *>(navigation->topViewController());
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_services = m_owned.services();
        // The drawn birthday fields follow the locale's date order; the machine's must not decide.
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(m_service.start());
        m_network = m_service.client(QStringLiteral("v4.local.member"));
        m_services.setNetwork(*m_network);
    }

    void init() {
        const QString name = QString::fromLatin1(QTest::currentTestFunction());
        m_store = std::make_unique<SecureStore>(
            std::make_unique<FileSecretBackend>(m_dir.filePath(name + QStringLiteral(".store"))));
        (void)m_store->setProgress(Progress::Name);
        m_user = std::make_unique<UserManager>(std::make_unique<QSettings>(
            m_dir.filePath(name + QStringLiteral(".ini")), QSettings::IniFormat));
        m_services.setSecureStore(*m_store).setUser(*m_user);
        m_service.clearRequests();
    }

    void theNameTakesLettersAndSingleSeparators() {
        NameInputVC step(m_services);
        QVERIFY(step.proposeText(QStringLiteral("Я")));
        QVERIFY(!step.nextEnabled());
        QVERIFY(step.proposeText(QStringLiteral("Ян")));
        QVERIFY(step.nextEnabled());
        QVERIFY(step.proposeText(QStringLiteral("Анна-Мария д'Арк")));
        QVERIFY(!step.proposeText(QStringLiteral("Анна-Мария  д'Арк")));
        QCOMPARE(step.text(), QStringLiteral("Анна-Мария д'Арк"));

        QVERIFY(step.proposeText(QString(31, u'ж')));
        QCOMPARE(step.text(), QString(30, u'ж'));
        QVERIFY(step.proposeText(QString()));
        QVERIFY(!step.nextEnabled());
    }

    void theBirthdayMustBeARealDateOfAnAdult() {
        const QDate today(2026, 12, 7);
        QVERIFY(BirthdayInputVC::isAcceptable(QStringLiteral("29022000"), today));
        QVERIFY(!BirthdayInputVC::isAcceptable(QStringLiteral("29022001"), today));
        QVERIFY(!BirthdayInputVC::isAcceptable(QStringLiteral("31042000"), today));
        QVERIFY(!BirthdayInputVC::isAcceptable(QStringLiteral("00012000"), today));
        QVERIFY(BirthdayInputVC::isAcceptable(QStringLiteral("07122008"), today));
        QVERIFY(!BirthdayInputVC::isAcceptable(QStringLiteral("08122008"), today));
        QVERIFY(BirthdayInputVC::isAcceptable(QStringLiteral("08121926"), today));
        QVERIFY(!BirthdayInputVC::isAcceptable(QStringLiteral("07121926"), today));
        // Born on a leap day: of age on 1 March of a year without one.
        QVERIFY(!BirthdayInputVC::isAcceptable(QStringLiteral("29022008"), QDate(2026, 2, 28)));
        QVERIFY(BirthdayInputVC::isAcceptable(QStringLiteral("29022008"), QDate(2026, 3, 1)));
    }

    void theBirthdayFieldsTakeOneDigitAndStepAlong() {
        BirthdayInputVC step(QStringLiteral("Ян"), m_services);
        step.setToday(QDate(2026, 12, 7));
        QSignalSpy focus(&step, &BirthdayInputVC::focusRequested);
        QVERIFY(!step.proposeDigit(0, QStringLiteral("12")));
        QVERIFY(!step.proposeDigit(0, QStringLiteral("٣")));
        QVERIFY(focus.isEmpty());

        // The step opens on the first empty field, or the last when every one is filled.
        const QString digits = QStringLiteral("07122008");
        for (int i = 0; i < digits.size(); ++i) {
            QCOMPARE(step.openingField(), i);
            QVERIFY(step.proposeDigit(i, digits.mid(i, 1)));
        }
        QCOMPARE(step.openingField(), 7);
        QVERIFY(step.nextEnabled());
        QCOMPARE(step.birthday(), digits);
        step.setToday(QDate(2026, 12, 6));
        QVERIFY(!step.nextEnabled());
        // In the first field there is nothing before it.
        focus.clear();
        step.deletePressedInEmptyField(0);
        QVERIFY(focus.isEmpty());
        QCOMPARE(step.digits().at(0), QStringLiteral("0"));
    }

    void theBioKeepsWithinItsLimits() {
        BioInputVC step({}, {}, GenderSelection::man, GenderSelection::woman, m_services);
        QVERIFY(step.nextEnabled());
        QVERIFY(step.proposeText(QString(500, u'а')));
        QCOMPARE(step.countText(), QStringLiteral("0"));
        QVERIFY(!step.proposeText(QString(501, u'а')));
        QVERIFY(step.proposeText(QStringLiteral("Люблю горы.\nИ море.")));
        QVERIFY(!step.proposeText(QStringLiteral("Люблю горы.\n\nИ море.")));
        QVERIFY(!step.proposeText(QStringLiteral("Люблю  горы.")));
        QCOMPARE(step.text(), QStringLiteral("Люблю горы.\nИ море."));
        QCOMPARE(step.countText(), QString::number(500 - 19));
    }

    void screeningFindsLinksBeforeKeywords() {
        QCOMPARE(BioScreening::message(QStringLiteral("Пиши в тг @someone")), kLink);
        QCOMPARE(BioScreening::message(QStringLiteral("мой инстаграм")), kKeyword);
        QCOMPARE(BioScreening::message(QStringLiteral("My INSTA is open")), kKeyword);
        QCOMPARE(BioScreening::message(QStringLiteral("есть тг и всё")), kKeyword);
        QCOMPARE(BioScreening::message(QStringLiteral("в конце тг")), std::nullopt);
        QCOMPARE(BioScreening::message(QStringLiteral("заходи на mysite.ru")), kLink);
        QCOMPARE(BioScreening::message(QStringLiteral("или example.com, там всё")), kLink);
        QCOMPARE(BioScreening::message(QStringLiteral("https://x.org/a.com")), kLink);
        QCOMPARE(BioScreening::message(QStringLiteral("заходи на mysite.org")), std::nullopt);
    }

    // The fields follow the order the user's locale writes dates in: year first here, month
    // first drawn below, day first in the drawn steps' test; what is sent stays ddMMyyyy.
    void theBirthdayFieldsFollowTheLocalesOrder() {
        QCOMPARE(BirthdayInputVC::fieldOrder(QLocale(QLocale::Swedish, QLocale::Sweden)),
                 (QList<int>{4, 5, 6, 7, 2, 3, 0, 1}));

        // Drawn, the keyboard starts on the month and types across the parts as shown.
        DrawnWindow drawn{m_services};
        drawn.window().setRoot(new NavigationContainer(
            new BirthdayInputVC(QStringLiteral("Jan"), m_services, nullptr,
                                QLocale(QLocale::English, QLocale::UnitedStates))));
        QVERIFY(drawn.show({700, 700}));
        QQuickWindow *quick = drawn.quick();
        const auto placeholder = [quick] {
            return quick->activeFocusItem()
                       ? quick->activeFocusItem()->property("placeholderText").toString()
                       : QString();
        };
        QTRY_COMPARE(placeholder(), QStringLiteral("М"));
        type(quick, QStringLiteral("06151990"));
        auto *step = qobject_cast<BirthdayInputVC *>(
            qobject_cast<NavigationContainer *>(drawn.window().root())->topViewController());
        QCOMPARE(step->birthday(), QStringLiteral("15061990"));
        QVERIFY(step->separatorAfter(1));
        QVERIFY(step->separatorAfter(3));
        QVERIFY(!step->separatorAfter(2));
        QVERIFY(!step->separatorAfter(7));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(quick, Qt::Key_Left);
        QCOMPARE(placeholder(), QStringLiteral("Д"));
        // Backspace through the day goes on into the month's last digit, shown before it.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(quick, Qt::Key_Backspace);
        QCOMPARE(step->digits(), (QStringList{"", "", "0", "", "1", "9", "9", "0"}));
        QCOMPARE(placeholder(), QStringLiteral("М"));
    }

    // Backspace steps back through the empty fields, Return goes on and Escape goes back.
    void theDrawnStepsFollowTheKeyboard() {
        DrawnWindow drawn{m_services};
        auto *nameStep = new NameInputVC(m_services);
        auto *navigation = new NavigationContainer(nameStep);
        drawn.window().setRoot(navigation);
        QVERIFY(drawn.show({700, 700}));
        QQuickWindow *quick = drawn.quick();
        // Keys typed the moment a step is in front reach its first field, also while it slides
        // in: nothing waits for a timer.
        QVERIFY(quick->activeFocusItem() && quick->activeFocusItem()->inherits("QQuickTextInput"));
        type(quick, QStringLiteral("Я2н!"));
        QCOMPARE(nameStep->text(), QStringLiteral("Ян"));
        QCOMPARE(quick->activeFocusItem()->property("text").toString(), QStringLiteral("Ян"));
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(navigation->depth(), 2);
        auto *birthday = qobject_cast<BirthdayInputVC *>(navigation->topViewController());
        QVERIFY(birthday);

        QCOMPARE(quick->activeFocusItem()->property("placeholderText").toString(),
                 QStringLiteral("Д"));
        type(quick, QStringLiteral("1506x1990"));
        QCOMPARE(birthday->birthday(), QStringLiteral("15061990"));
        QVERIFY(birthday->nextEnabled());
        QTest::keyClick(quick, Qt::Key_Backspace);
        QTest::keyClick(quick, Qt::Key_Backspace);
        QCOMPARE(birthday->digits(), (QStringList{"1", "5", "0", "6", "1", "9", "", ""}));
        QTest::keyClick(quick, Qt::Key_Left);
        QTest::keyClick(quick, Qt::Key_Backspace);
        QCOMPARE(birthday->digits().at(5), QString());
        QVERIFY(!birthday->nextEnabled());
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(navigation->depth(), 2);

        // Back on the name step, typing goes on where it left off.
        QTest::keyClick(quick, Qt::Key_Escape);
        QCOMPARE(navigation->depth(), 1);
        QCOMPARE(nameStep->text(), QStringLiteral("Ян"));
        type(quick, QStringLiteral("а"));
        QCOMPARE(nameStep->text(), QStringLiteral("Яна"));
        // So it does after an alert, which keeps the keys from the field behind it meanwhile.
        AlertErrorVC::show(nameStep, QStringLiteral("Сервер не отвечает"));
        QTRY_VERIFY(!quick->activeFocusItem() ||
                    !quick->activeFocusItem()->inherits("QQuickTextInput"));
        QTest::keyClick(quick, Qt::Key_Return);
        QTRY_VERIFY(!nameStep->presentedViewController());
        type(quick, QStringLiteral("н"));
        QCOMPARE(nameStep->text(), QStringLiteral("Янан"));

        // On a choice, Space picks it and Return is the form's "Далее", which waits for a choice.
        auto *gender =
            new GenderInputVC(QStringLiteral("Ян"), QStringLiteral("15061990"), m_services);
        navigation->push(gender, false);
        QTRY_VERIFY(quick->activeFocusItem() &&
                    quick->activeFocusItem()->property("text").toString() == "Женщина");
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(navigation->depth(), 2);
        QTest::keyClick(quick, Qt::Key_Tab);
        QTest::keyClick(quick, Qt::Key_Space);
        QCOMPARE(gender->chosen(), GenderSelection::man);
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(navigation->depth(), 3);
        // "Показывать меня" starts on the opposite of a man's own gender; the next choice is men.
        auto *showMe = qobject_cast<GenderSelectionVC *>(navigation->topViewController());
        QVERIFY(showMe);
        QTRY_VERIFY(quick->activeFocusItem() &&
                    quick->activeFocusItem()->property("text").toString() == "Женщинам");
        QTest::keyClick(quick, Qt::Key_Tab);
        QTest::keyClick(quick, Qt::Key_Space);
        QCOMPARE(showMe->selectedGender(), GenderSelection::man);
        navigation->push(
            new BioInputVC({}, {}, GenderSelection::man, GenderSelection::woman, m_services),
            false);
        QTRY_VERIFY(quick->activeFocusItem() &&
                    quick->activeFocusItem()->inherits("QQuickTextEdit"));
        type(quick, QStringLiteral("Горы"));
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(navigation->depth(), 4);
        QCOMPARE(quick->activeFocusItem()->property("text").toString(), QStringLiteral("Горы\n"));
    }

    // A click in a filled field selects its digit; typing over it replaces it and moves on,
    // even where the digit typed is the one already there, so a new date replaces the old one.
    void retypingABirthdayReplacesEveryDigit() {
        DrawnWindow drawn{m_services};
        auto *birthday = new BirthdayInputVC(QStringLiteral("Ян"), m_services, nullptr,
                                             QLocale(QLocale::Russian, QLocale::Russia));
        drawn.window().setRoot(new NavigationContainer(birthday));
        QVERIFY(drawn.show({700, 700}));
        QQuickWindow *quick = drawn.quick();
        QTRY_VERIFY(quick->activeFocusItem() &&
                    quick->activeFocusItem()->inherits("QQuickTextInput"));
        type(quick, QStringLiteral("09122000"));
        QCOMPARE(birthday->birthday(), QStringLiteral("09122000"));
        QQuickItem *first = drawn.find([](QQuickItem *item) {
            return item->inherits("QQuickTextInput") &&
                   item->property("placeholderText").toString() == QStringLiteral("Д") &&
                   item->mapToScene({0, 0}).x() < item->window()->width() / 3.0;
        });
        QVERIFY(first);
        QTest::mouseClick(quick, Qt::LeftButton, {},
                          first->mapToScene(first->boundingRect().center()).toPoint());
        QTRY_COMPARE(quick->activeFocusItem(), first);
        type(quick, QStringLiteral("05031990"));
        QCOMPARE(birthday->birthday(), QStringLiteral("05031990"));
        QVERIFY(birthday->nextEnabled());
    }

    // The gender step hands the keyboard to its first choice as it opens. Framed for someone
    // who clicked their way there, that choice would look made already; someone typing needs
    // to see where the keyboard is.
    void theOpeningChoiceIsFramedOnlyForTheKeyboard() {
        DrawnWindow drawn{m_services};
        auto *navigation = new NavigationContainer(new NameInputVC(m_services));
        drawn.window().setRoot(navigation);
        QVERIFY(drawn.show({700, 700}));
        QQuickWindow *quick = drawn.quick();
        const auto openChoice = [&] {
            navigation->push(
                new GenderInputVC(QStringLiteral("Ян"), QStringLiteral("15061990"), m_services),
                false);
            QQuickItem *focused = nullptr;
            if (!QTest::qWaitFor([&] {
                    focused = quick->activeFocusItem();
                    return focused && focused->property("text").toString() == "Женщина";
                }))
                return std::optional<bool>();
            return std::optional<bool>(focused->property("visualFocus").toBool());
        };

        QTest::mouseClick(quick, Qt::LeftButton, {}, QPoint(350, 400));
        QCOMPARE(openChoice(), std::optional<bool>(false));
        QTest::keyClick(quick, Qt::Key_Escape);
        QTRY_COMPARE(navigation->depth(), 1);
        QCOMPARE(openChoice(), std::optional<bool>(true));
    }

    void registeringSendsEverythingAndLeavesForThePhotos() {
        m_service.respond(QStringLiteral("completeRegistration"), 200, "{}");
        Window window;
        BioInputVC *bio = walkToBio(window, QStringLiteral("Ян"), GenderSelection::man);
        QVERIFY(bio);
        auto *navigation = qobject_cast<NavigationContainer *>(window.root());
        QVERIFY(bio->proposeText(QStringLiteral("Люблю горы")));
        bio->nextButtonTapped();
        QVERIFY(bio->busy());
        bio->nextButtonTapped();
        QTRY_COMPARE(navigation->topViewController()->typeName(), QStringLiteral("PhotoGridVC"));
        QCOMPARE(navigation->depth(), 1);

        const QList<RecordedRequest> sent = m_service.requestsTo("completeRegistration");
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().json(), (QJsonObject{{"bio", "Люблю горы"},
                                                   {"name", "Ян"},
                                                   {"birthday", "15061990"},
                                                   {"genderInput", "man"},
                                                   {"selectedGender", "woman"}}));
        QCOMPARE(m_store->progress(), Progress::PhotoGrid);
        const User user = m_user->currentUser();
        QCOMPARE(user.name, QStringLiteral("Ян"));
        QCOMPARE(user.bio, QStringLiteral("Люблю горы"));
        QCOMPARE(user.birthday, QStringLiteral("15061990"));
        QCOMPARE(user.genderInput, GenderSelection::man);
        QCOMPARE(user.selectedGender, GenderSelection::woman);
    }

    // A restart goes on from the step the user left, every finished step filled in behind it
    // and nothing after the first unfinished one; another account sees none of it, and the
    // service's taking the registration ends the draft.
    void aRestartResumesTheStepsWithTheirAnswers() {
        QVERIFY(m_store->save(QStringLiteral("ME"), QStringLiteral("passkeyUserID")));
        m_service.respond(QStringLiteral("completeRegistration"), 200, "{}");
        Window window;
        QVERIFY(walkToBio(window, QStringLiteral("Ян"), GenderSelection::man));

        NavigationContainer steps(new NameInputVC(m_services));
        RegistrationResume::walk(steps, RegistrationDraft(*m_store).answers());
        QCOMPARE(steps.depth(), 5);
        QCOMPARE(qobject_cast<NameInputVC *>(steps.stack().at(0))->text(), QStringLiteral("Ян"));
        QCOMPARE(qobject_cast<BirthdayInputVC *>(steps.stack().at(1))->birthday(),
                 QStringLiteral("15061990"));
        QCOMPARE(qobject_cast<GenderInputVC *>(steps.stack().at(2))->chosen(),
                 GenderSelection::man);
        QCOMPARE(qobject_cast<GenderSelectionVC *>(steps.stack().at(3))->selectedGender(),
                 GenderSelection::woman);
        auto *bio = qobject_cast<BioInputVC *>(steps.topViewController());
        QVERIFY(bio);

        NavigationContainer atGender(new NameInputVC(m_services));
        RegistrationResume::walk(atGender, {QStringLiteral("Ян"), QStringLiteral("15061990"),
                                            std::nullopt, GenderSelection::woman});
        QCOMPARE(atGender.depth(), 3);
        QCOMPARE(qobject_cast<GenderInputVC *>(atGender.topViewController())->chosen(),
                 std::nullopt);

        QVERIFY(m_store->save(QStringLiteral("SOMEONE"), QStringLiteral("passkeyUserID")));
        QCOMPARE(RegistrationDraft(*m_store).answers(), RegistrationDraft::Answers{});
        QVERIFY(m_store->save(QStringLiteral("ME"), QStringLiteral("passkeyUserID")));
        QCOMPARE(RegistrationDraft(*m_store).answers().name, QStringLiteral("Ян"));

        bio->nextButtonTapped();
        QTRY_COMPARE(steps.topViewController()->typeName(), QStringLiteral("PhotoGridVC"));
        QCOMPARE(RegistrationDraft(*m_store).answers(), RegistrationDraft::Answers{});
    }

    void skippingSendsAnEmptyText() {
        m_service.respond(QStringLiteral("completeRegistration"), 200, "{}");
        Window window;
        BioInputVC *bio = walkToBio(window, QStringLiteral("Ева"), GenderSelection::woman);
        QVERIFY(bio);
        QVERIFY(bio->proposeText(QStringLiteral("Черновик")));
        bio->rightBarButtonTapped();
        QTRY_COMPARE(m_service.requestsTo("completeRegistration").size(), 1);
        const QJsonObject body = m_service.requestsTo("completeRegistration").first().json();
        QCOMPARE(body.value("bio").toString(), QString());
        QCOMPARE(body.value("selectedGender").toString(), QStringLiteral("man"));
        QVERIFY(leftForThePhotos(window));
        QCOMPARE(m_store->progress(), Progress::PhotoGrid);
    }

    void aScreenedTextAsksFirstAndMaySendAnyway() {
        m_service.respond(QStringLiteral("completeRegistration"), 200, "{}");
        Window window;
        BioInputVC *bio = walkToBio(window, QStringLiteral("Ян"), GenderSelection::man);
        QVERIFY(bio);
        QVERIFY(bio->proposeText(QStringLiteral("мой инст ниже")));
        bio->nextButtonTapped();
        auto *alert = qobject_cast<AlertErrorVC *>(bio->presentedViewController());
        QVERIFY(alert);
        QCOMPARE(alert->message(), kKeyword);
        QVERIFY(alert->shouldShowTextButton());
        alert->actionButtonTapped();
        QVERIFY(!bio->presentedViewController());
        QTest::qWait(50);
        QVERIFY(m_service.requestsTo("completeRegistration").isEmpty());

        bio->nextButtonTapped();
        qobject_cast<AlertErrorVC *>(bio->presentedViewController())->textButtonTapped();
        QTRY_COMPARE(m_service.requestsTo("completeRegistration").size(), 1);
        QCOMPARE(m_service.requestsTo("completeRegistration").first().json().value("bio"),
                 QStringLiteral("мой инст ниже"));
        QVERIFY(leftForThePhotos(window));
    }

    void aFailedRegistrationKeepsTheStepUsable() {
        m_service.respond(QStringLiteral("completeRegistration"), 400,
                          R"({"reason":"Некорректная дата рождения","error":true})");
        Window window;
        BioInputVC *bio = walkToBio(window, QStringLiteral("Ян"), GenderSelection::man);
        QVERIFY(bio);
        QVERIFY(bio->proposeText(QStringLiteral("Люблю горы")));
        bio->nextButtonTapped();
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(window.root()->presentedViewController()));
        QCOMPARE(qobject_cast<AlertErrorVC *>(window.root()->presentedViewController())->message(),
                 QStringLiteral("Некорректная дата рождения"));
        QVERIFY(!bio->busy());
        QVERIFY(bio->nextEnabled());
        QCOMPARE(bio->text(), QStringLiteral("Люблю горы"));
        QCOMPARE(qobject_cast<NavigationContainer *>(window.root())->topViewController(), bio);
        QCOMPARE(m_store->progress(), Progress::Name);
        QCOMPARE(m_user->currentUser(), UserManager::initialUser());
        QCOMPARE(m_service.requests().size(), 1);
    }
};

const QString TestRegistration::kLink =
    QStringLiteral("Обнаружены ссылки или упоминания соцсетей, что недопустимо.");
const QString TestRegistration::kKeyword =
    QStringLiteral("Обнаружно упоминания соцсетей, что недопустимо.");

QTEST_MAIN(TestRegistration)
#include "tst_registration.moc"
