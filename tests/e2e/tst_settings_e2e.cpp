// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "TestServices.h"
#include "api/Endpoints.h"
#include "app/AppScreens.h"
#include "app/TabBar.h"
#include "controls/Slider.h"
#include "feed/MainVC.h"
#include "store/UserManager.h"
#include "ui/WindowHelper.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>

using ReferenceClient::await;
using ReferenceClient::kWaitMs;

namespace {
constexpr double kCrowdLat = 55.0;
constexpr double kCrowdLon = 37.0;
} // namespace

// A newcomer among the demo people narrows the search distance in the feed's settings, drawn
// and used with the mouse and keyboard; the service then shows only the people within it.
class TestSettingsEndToEnd : public QObject {
    Q_OBJECT

    TestServices m_services;

    ServiceProcess m_service{
        QStringLiteral("--demo --seed-demo 20 --near 55.0,37.0 --serve").split(u' ')};
    QTemporaryDir m_dir;
    std::unique_ptr<DrawnWindow> m_drawn;

    // The drawn control of a class that assistive technology knows by the name.
    QQuickItem *named(const char *className, const QString &name) const {
        return m_drawn->find([&](QQuickItem *item) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(item);
            return item->inherits(className) && accessible &&
                   accessible->text(QAccessible::Name) == name;
        });
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        AppScreens::install(m_services.services().screens());
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        ReferenceClient::connect(m_services.services(), m_service, m_dir);
        ReferenceClient::placeAt(m_services.services(), kCrowdLat, kCrowdLon, m_dir);
        m_drawn = std::make_unique<DrawnWindow>(m_services.services());
        QVERIFY(m_drawn->show());
    }

    void aSmallerRadiusLeavesTheFartherPeopleOut() {
        QVERIFY2(ReferenceClient::signIn(m_drawn->window(), m_services.services()),
                 qPrintable(m_service.output()));
        QVERIFY(ReferenceClient::registerAt(m_services.services().network(), kCrowdLat, kCrowdLon));
        const auto nearby = await<QList<ProfileView>>(
            [this](auto done) { Endpoints::fetchProfiles(done, m_services.services().network()); });
        QVERIFY(nearby && nearby->ok());
        QList<int> distances;
        for (const ProfileView &person : nearby->value())
            distances.append(person.distance);
        std::sort(distances.begin(), distances.end());
        // Whole kilometres below the radius are inside it, so the people nearer than the middle
        // one stay and the rest go.
        const int radius = distances.at(distances.size() / 2);
        QSet<QString> within;
        for (const ProfileView &person : nearby->value())
            if (person.distance < radius)
                within.insert(person.userID);
        QVERIFY(radius > 1 && !within.isEmpty() && within.size() < nearby->value().size());

        WindowHelper::showMain(m_services.services());
        auto *tabs = qobject_cast<TabBar *>(m_drawn->window().root());
        auto *feed = tabs ? qobject_cast<MainVC *>(tabs->tabs().at(TabBar::feedTab)) : nullptr;
        QVERIFY(feed);
        QVERIFY(QTest::qWaitFor([feed] { return feed->state() == MainVCState::DisplayingCards; },
                                kWaitMs));
        QCOMPARE(feed->cardData().size(), nearby->value().size());
        // The settings start from the record the main screen fetched.
        QTRY_VERIFY_WITH_TIMEOUT(!m_services.services().user().currentUser().userID.isEmpty(),
                                 kWaitMs);
        QTest::qWait(600); // the main screen flips in

        QQuickItem *filter = named("QQuickAbstractButton", QStringLiteral("Настройки поиска"));
        QVERIFY(filter);
        m_drawn->click(filter);
        Slider *slider = nullptr;
        QTRY_VERIFY((slider = qobject_cast<Slider *>(m_drawn->find(
                         [](QQuickItem *item) { return item->inherits("Slider"); }))));
        QTest::qWait(600); // the sheet slides in
        QQuickWindow *quick = m_drawn->quick();
        const QPoint thumb = slider->mapToScene(slider->thumbFrame().center()).toPoint();
        QTest::mouseClick(quick, Qt::LeftButton, {}, thumb);
        QTest::keyClick(quick, Qt::Key_Home);
        for (int i = 1; i < radius; ++i)
            QTest::keyClick(quick, Qt::Key_Right);
        QQuickItem *farther = named("QQuickSwitch", QStringLiteral("Показывать людей дальше"));
        QVERIFY(farther && farther->property("checked").toBool());
        m_drawn->click(farther);
        QQuickItem *done = m_drawn->findWith("text", QStringLiteral("Готово"));
        QVERIFY(done);
        m_drawn->click(done);

        QTRY_VERIFY_WITH_TIMEOUT(!feed->presentedViewController(), kWaitMs);
        QCOMPARE(m_services.services().user().currentUser().maxDistance, radius);
        QVERIFY(!m_services.services().user().currentUser().showMore);
        const auto shownIds = [feed] {
            QSet<QString> ids;
            for (const CardModel &card : feed->cardData())
                ids.insert(card.userID);
            return ids;
        };
        QTRY_COMPARE_WITH_TIMEOUT(shownIds(), within, kWaitMs);
    }
};

QTEST_MAIN(TestSettingsEndToEnd)
#include "tst_settings_e2e.moc"
