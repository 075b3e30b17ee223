// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BuildConfigValues.h"
#include "DrawnWindow.h"
#include "FakeService.h"
#include "StandInVC.h"
#include "TestServices.h"
#include "controls/RangeSlider.h"
#include "controls/Slider.h"
#include "platform/UrlOpener.h"
#include "settings/GenderSelectionVC.h"
#include "settings/SettingsVC.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
class RecordingOpener : public UrlOpener {
public:
    bool open(const QUrl &url) override {
        opened.append(url);
        return true;
    }
    QList<QUrl> opened;
};

using Kind = RowModel::Kind;

QList<Kind> kinds(const SettingsVC &screen) {
    QList<Kind> found;
    for (const RowModel::Row &row : screen.settings())
        found.append(row.kind);
    return found;
}

int rowOf(const SettingsVC &screen, Kind kind) {
    const QList<Kind> all = kinds(screen);
    return int(all.indexOf(kind));
}

QString birthdayYearsAgo(int years) {
    return QDate::currentDate().addYears(-years).toString(QStringLiteral("ddMMyyyy"));
}
} // namespace

// The discovery settings in both entries, edited as a user edits them and saved against a
// scripted service.
class TestSettings : public QObject {
    Q_OBJECT

    TestServices m_owned;

    FakeService m_service;
    QTemporaryDir m_dir;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<UserManager> m_user;
    Services m_services;
    RecordingOpener *m_opener = nullptr;

    static User someone() {
        User user = UserManager::initialUser();
        user.birthday = birthdayYearsAgo(30);
        user.maxDistance = 50;
        user.showMore = false;
        user.selectedGender = GenderSelection::woman;
        user.ageStart = 25;
        user.ageEnd = 35;
        user.showMoreAge = false;
        user.active = true;
        return user;
    }

    // The settings presented as a sheet over another screen, as the feed presents them.
    SettingsVC *open(Window &window, bool isMain) {
        auto *base = new StandInVC(QStringLiteral("MainVC"));
        window.setRoot(base);
        auto *settings = new SettingsVC(isMain, m_services);
        base->present(new NavigationContainer(settings), PresentationStyle::PageSheet, false);
        return settings;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_services = m_owned.services();
        QVERIFY(m_service.start());
        m_network = m_service.client(QStringLiteral("v4.local.member"));
        auto opener = std::make_unique<RecordingOpener>();
        m_opener = opener.get();
        m_services.platform().setUrlOpener(std::move(opener));
        m_services.setNetwork(*m_network);
    }

    void init() {
        const QString name = QString::fromLatin1(QTest::currentTestFunction());
        m_user = std::make_unique<UserManager>(std::make_unique<QSettings>(
            m_dir.filePath(name + QStringLiteral(".ini")), QSettings::IniFormat));
        m_user->setCurrentUser(someone());
        m_services.setUser(*m_user);
        m_service.clearRequests();
        m_opener->opened.clear();
    }

    // The feed's filters are the discovery rows alone; the main entry holds the same rows
    // under a heading, then the links, the build's version and the deletion.
    void bothEntriesListTheirRows() {
        const SettingsVC filters(false, m_services);
        const SettingsVC main(true, m_services);
        const QList<Kind> discovery = kinds(filters);
        QCOMPARE(kinds(main).mid(1, discovery.size()), discovery);
        for (const Kind account : {Kind::Navigation, Kind::Version, Kind::Button})
            QVERIFY(!discovery.contains(account) && kinds(main).contains(account));
        QVERIFY(main.settings()
                    .at(rowOf(main, Kind::Version))
                    .text.endsWith(QStringLiteral(" " ZIREL_BUILD_APP_VERSION)));
    }

    // Age 30 gives 10 to 50; a birthday that is no date counts as 25: 5 to 45; a saved range
    // beyond that widens it. The drawn slider raising the lower bound to 18 is the sliders' own
    // test.
    void theAgeRangeFollowsTheBirthday() {
        const QList<std::tuple<QString, std::pair<int, int>, std::pair<int, int>>> cases{
            {birthdayYearsAgo(30), {25, 35}, {10, 50}},
            {QStringLiteral("31021990"), {25, 35}, {5, 45}},
            {birthdayYearsAgo(30), {18, 99}, {10, 99}},
            {birthdayYearsAgo(60), {20, 35}, {20, 80}},
        };
        for (const auto &[birthday, saved, bounds] : cases) {
            User user = someone();
            user.birthday = birthday;
            user.ageStart = saved.first;
            user.ageEnd = saved.second;
            m_user->setCurrentUser(user);
            const SettingsVC settings(false, m_services);
            const RowModel::Row range = settings.settings().at(rowOf(settings, Kind::RangeSlider));
            QCOMPARE(std::pair(range.minimum, range.maximum), bounds);
        }
    }

    // A saved range beyond the slider's usual span is drawn as saved, and moving one thumb
    // leaves the other end as it was.
    void aSavedAgeRangeIsShownAndKeptAsSaved() {
        User user = someone();
        user.ageStart = 18;
        user.ageEnd = 99;
        m_user->setCurrentUser(user);
        DrawnWindow drawn{m_services};
        SettingsVC *settings = open(drawn.window(), false);
        QVERIFY(drawn.show());
        RangeSlider *ages = nullptr;
        QTRY_VERIFY((ages = qobject_cast<RangeSlider *>(drawn.find(
                         [](QQuickItem *item) { return item->inherits("RangeSlider"); }))));
        QTest::qWait(500);
        QCOMPARE(std::pair(ages->lowerValue(), ages->upperValue()), std::pair(18.0, 99.0));
        QVERIFY(drawn.findWith("text", QStringLiteral("18-99")));
        const QPoint lower = ages->mapToScene(ages->lowerThumbFrame().center()).toPoint();
        QTest::mouseClick(drawn.quick(), Qt::LeftButton, {}, lower);
        QTest::keyClick(drawn.quick(), Qt::Key_PageUp);
        const RowModel::Row range = settings->settings().at(rowOf(*settings, Kind::RangeSlider));
        QCOMPARE(std::pair(range.lower, range.upper), std::pair(28, 99));
        QVERIFY(drawn.findWith("text", QStringLiteral("28-99")));
    }

    void doneSendsAllSevenOnlyAfterAChange() {
        m_service.respond(QStringLiteral("user/settings"), 200, "{}");
        Window window;
        SettingsVC *settings = open(window, false);
        ViewController *base = window.root();
        settings->rightBarButtonTapped();
        QVERIFY(!base->presentedViewController());
        QTest::qWait(50);
        QVERIFY(m_service.requests().isEmpty());

        // "Всем" chosen and brought back, then cancelled: nothing is sent or stored.
        settings = open(window, false);
        auto *navigation = settings->navigationContainer();
        settings->rowTapped(rowOf(*settings, Kind::Choice));
        auto *choice = qobject_cast<GenderSelectionVC *>(navigation->topViewController());
        QVERIFY(choice);
        QCOMPARE(choice->selectedGender(), GenderSelection::woman);
        choice->select(GenderSelection::all);
        choice->handleKey(KeyCommand::Return);
        QCOMPARE(navigation->topViewController(), settings);
        const QModelIndex genderRow = settings->rows()->index(rowOf(*settings, Kind::Choice));
        QCOMPARE(genderRow.data(RowModel::DetailRole).toString(), QStringLiteral("Всем"));
        settings->leftBarButtonTapped();
        QVERIFY(!window.root()->presentedViewController());
        QTest::qWait(50);
        QVERIFY(m_service.requests().isEmpty());
        QCOMPARE(m_user->currentUser(), someone());

        // Only the gender changed, and all seven values go.
        settings = open(window, false);
        navigation = settings->navigationContainer();
        settings->rowTapped(rowOf(*settings, Kind::Choice));
        choice = qobject_cast<GenderSelectionVC *>(navigation->topViewController());
        choice->select(GenderSelection::man);
        choice->nextButtonTapped();
        const QSignalSpy posted(m_user.get(), &UserManager::userChanged);
        settings->rightBarButtonTapped();
        QVERIFY(settings->rightBarButtonBusy());
        settings->rightBarButtonTapped();
        QTRY_VERIFY(!window.root()->presentedViewController());
        const QList<RecordedRequest> sent = m_service.requestsTo("user/settings");
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().json(), (QJsonObject{{"maxDistance", 50},
                                                   {"showMore", false},
                                                   {"selectedGender", "man"},
                                                   {"ageStart", 25},
                                                   {"ageEnd", 35},
                                                   {"showMoreAge", false},
                                                   {"active", true}}));
        User expected = someone();
        expected.selectedGender = GenderSelection::man;
        QCOMPARE(m_user->currentUser(), expected);
        QTRY_COMPARE(posted.size(), 1);
        m_user->flush();
        UserManager reread(m_user->openDefaults());
        QCOMPARE(reread.currentUser(), expected);
    }

    void aFailedSaveKeepsTheEdits() {
        m_service.respond(QStringLiteral("user/settings"), 400,
                          R"({"reason":"Нижняя граница возраста больше верхней","error":true})");
        Window window;
        SettingsVC *settings = open(window, true);
        const int distance = rowOf(*settings, Kind::Slider);
        const int range = rowOf(*settings, Kind::RangeSlider);
        const int toggle = rowOf(*settings, Kind::Toggle);
        settings->sliderValueChanged(distance, 120.9);
        settings->switcherValueChanged(distance, true);
        settings->rangeSliderValueChanged(range, 27.6, 41.2);
        settings->switcherValueChanged(toggle, false);
        const QList<RowModel::Row> edited = settings->settings();

        const QSignalSpy posted(m_user.get(), &UserManager::userChanged);
        settings->rightBarButtonTapped();
        AlertErrorVC *alert = nullptr;
        QTRY_VERIFY((alert = qobject_cast<AlertErrorVC *>(
                         settings->navigationContainer()->presentedViewController())));
        QCOMPARE(alert->message(), QStringLiteral("Нижняя граница возраста больше верхней"));
        QVERIFY(!settings->rightBarButtonBusy());
        QCOMPARE(settings->settings(), edited);
        QCOMPARE(m_user->currentUser(), someone());
        QCOMPARE(posted.size(), 0);
        QCOMPARE(m_service.requestsTo("user/settings").first().json().value("maxDistance"), 120);

        // Closing the alert leaves the edits for another try.
        alert->actionButtonTapped();
        QCOMPARE(window.root()->presentedViewController(), settings->navigationContainer());
        m_service.respond(QStringLiteral("user/settings"), 200, "{}");
        settings->rightBarButtonTapped();
        QTRY_COMPARE(m_user->currentUser().maxDistance, 120);
        QCOMPARE(m_user->currentUser().ageStart, 27);
        QCOMPARE(m_user->currentUser().ageEnd, 41);
        QVERIFY(!m_user->currentUser().active);
    }

    void rowTapsOpenLinksAndTheDeletion() {
        Window window;
        SettingsVC *settings = open(window, true);
        for (int row = 0; row < settings->settings().size(); ++row)
            if (settings->settings().at(row).kind == Kind::Navigation)
                settings->rowTapped(row);
        QCOMPARE(m_opener->opened,
                 (QList<QUrl>{QUrl(m_service.baseUrl() + "agreement"),
                              SettingsVC::feedbackMailUrl(), SettingsVC::telegramUrl()}));
        settings->rowTapped(rowOf(*settings, Kind::Version));
        settings->rowTapped(rowOf(*settings, Kind::Toggle));
        QCOMPARE(m_opener->opened.size(), 3);
        QCOMPARE(settings->navigationContainer()->depth(), 1);
        settings->rowTapped(rowOf(*settings, Kind::Button));
        QCOMPARE(settings->navigationContainer()->topViewController()->typeName(),
                 QStringLiteral("DeleteAccountVC"));
    }

    // The drawn sliders dragged with the mouse and moved with the keyboard write their rows,
    // and the value labels follow; the gender choice works from the keyboard.
    void theDrawnScreenFollowsMouseAndKeyboard() {
        DrawnWindow drawn{m_services};
        SettingsVC *settings = open(drawn.window(), false);
        QVERIFY(drawn.show());
        QQuickWindow *quick = drawn.quick();
        Slider *distance = nullptr;
        RangeSlider *ages = nullptr;
        QTRY_VERIFY((distance = qobject_cast<Slider *>(
                         drawn.find([](QQuickItem *item) { return item->inherits("Slider"); }))));
        QTRY_VERIFY((ages = qobject_cast<RangeSlider *>(drawn.find(
                         [](QQuickItem *item) { return item->inherits("RangeSlider"); }))));
        QCOMPARE(distance->value(), 50.0);
        // Wait for the sheet to settle where it is drawn.
        QTest::qWait(500);

        // The sliders' own test drags them; here only what a move writes matters.
        QTest::mouseClick(quick, Qt::LeftButton, {},
                          distance->mapToScene(distance->thumbFrame().center()).toPoint());
        const int row = rowOf(*settings, Kind::Slider);
        QTest::keyClick(quick, Qt::Key_Home);
        QCOMPARE(settings->settings().at(row).value, 1);
        QVERIFY(drawn.findWith("text", QStringLiteral("1 км")));

        const QPoint upper = ages->mapToScene(ages->upperThumbFrame().center()).toPoint();
        QTest::mousePress(quick, Qt::LeftButton, {}, upper);
        QTest::mouseMove(quick, upper + QPoint(400, 0));
        QTest::mouseRelease(quick, Qt::LeftButton, {}, upper + QPoint(400, 0));
        const int range = rowOf(*settings, Kind::RangeSlider);
        QCOMPARE(settings->settings().at(range).upper, 50);
        QTest::keyClick(quick, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(quick, Qt::Key_PageUp);
        QCOMPARE(settings->settings().at(range).lower, 35);
        QVERIFY(drawn.findWith("text", QStringLiteral("35-50")));
        QCOMPARE(ages->maximumValue(), 50.0);

        // Assistive technology reads the value of the thumb the keyboard is on.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(ages);
        QVERIFY(accessible && accessible->valueInterface());
        QCOMPARE(accessible->valueInterface()->currentValue().toDouble(), 35.0);
        QCOMPARE(accessible->valueInterface()->maximumValue().toDouble(), 50.0);

        // The gender choice starts with the keyboard on the current choice; Tab and Space pick
        // the next one and Return brings it back.
        NavigationContainer *navigation = settings->navigationContainer();
        settings->rowTapped(rowOf(*settings, Kind::Choice));
        QTRY_VERIFY(quick->activeFocusItem() &&
                    quick->activeFocusItem()->property("text").toString() == "Женщинам");
        QTest::keyClick(quick, Qt::Key_Tab);
        QTest::keyClick(quick, Qt::Key_Space);
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(navigation->topViewController(), settings);
        QCOMPARE(settings->editedSettings().selectedGender, GenderSelection::man);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
