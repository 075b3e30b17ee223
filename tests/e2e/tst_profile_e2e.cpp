// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "BuildConfigValues.h"
#include "Fixtures.h"
#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "TestServices.h"
#include "api/Endpoints.h"
#include "media/ImageCacheManager.h"
#include "media/ImageDecoder.h"
#include "onboarding/PhotoGridVC.h"
#include "photos/PhotoGrid.h"
#include "profile/EditPreviewVC.h"
#include "profile/ProfileVC.h"
#include "store/UserManager.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QColor>
#include <QStandardPaths>
#include <QTemporaryDir>

using ReferenceClient::await;
using ReferenceClient::kWaitMs;

// A newcomer uploads photos at registration and later edits their profile against the
// reference service: each time, what they made is what another account's feed shows of them.
class TestProfileEndToEnd : public QObject {
    Q_OBJECT

    TestServices m_services;

    ServiceProcess m_service{
        QStringLiteral("--demo --seed-demo 10 --near 55.0,37.0 --serve").split(u' ')};
    QTemporaryDir m_dir;

    // The user as another person nearby finds them.
    std::optional<ProfileView> seenByAnother(const QString &userID) {
        const std::unique_ptr<NetworkService> other = ReferenceClient::registeredPerson(m_service);
        if (!other)
            return std::nullopt;
        const auto placed = await<EmptyResponse>(
            [&other](auto done) { Endpoints::updateGeo(55.0, 37.0, done, *other); });
        if (!placed || !placed->ok())
            return std::nullopt;
        const auto saved = await<EmptyResponse>([&other](auto done) {
            Endpoints::updateSettings({100, true, GenderSelection::all, 18, 99, true, true}, done,
                                      *other);
        });
        const auto nearby = await<QList<ProfileView>>(
            [&other](auto done) { Endpoints::fetchProfiles(done, *other); });
        if (!saved || !saved->ok() || !nearby || !nearby->ok())
            return std::nullopt;
        for (const ProfileView &person : nearby->value()) {
            if (person.userID == userID)
                return person;
        }
        return std::nullopt;
    }

    // Photo `index` of a person as the other account's cache loads it.
    QImage photoOf(const ProfileView &person, int index) {
        std::optional<QImage> shown;
        m_services.services().images().loadImage(
            person.photoURLs.value_or(QStringList()).value(index),
            [&shown](std::optional<QImage> image) { shown = image.value_or(QImage()); });
        (void)QTest::qWaitFor([&shown] { return shown.has_value(); }, kWaitMs);
        return shown.value_or(QImage());
    }

    // The service serves photos it encoded again: a flat colour comes back within a few levels.
    static bool looksLike(const QImage &shown, const QByteArray &uploaded) {
        const QImage expected = ImageDecoder::decode(uploaded);
        if (shown.size() != expected.size())
            return false;
        const QColor a = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        const QColor b = expected.pixelColor(expected.width() / 2, expected.height() / 2);
        return qAbs(a.red() - b.red()) <= 4 && qAbs(a.green() - b.green()) <= 4 &&
               qAbs(a.blue() - b.blue()) <= 4;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        ReferenceClient::connect(m_services.services(), m_service, m_dir);
    }

    void anotherAccountSeesTheEditedProfile() {
        Window window;
        QVERIFY2(ReferenceClient::signIn(window, m_services.services()),
                 qPrintable(m_service.output()));
        QVERIFY(ReferenceClient::registerAt(m_services.services().network(), 55.0, 37.0));
        const auto me = await<User>(
            [this](auto done) { Endpoints::user(done, m_services.services().network()); });
        QVERIFY(me && me->ok());
        m_services.services().user().setCurrentUser(me->value());

        // The registration's photo step uploads what the grid holds.
        auto *grid = new PhotoGridVC({}, m_services.services());
        auto *steps = new NavigationContainer(grid);
        window.setRoot(steps);
        const QByteArray registered = Fixtures::png({300, 400}, Qt::darkYellow);
        grid->photoGrid()->addPhoto(registered);
        grid->nextButtonTapped();
        // Uploaded, the chain goes on to the location step.
        QVERIFY2(QTest::qWaitFor(
                     [steps] {
                         return steps->topViewController()->typeName() == QStringLiteral("GeoVC");
                     },
                     kWaitMs),
                 qPrintable(m_service.output()));
        std::optional<ProfileView> seen = seenByAnother(me->value().userID);
        QVERIFY(seen && seen->photoURLs && seen->photoURLs->size() == 1);
        QVERIFY(looksLike(photoOf(*seen, 0), registered));
        const auto withPhoto = await<User>(
            [this](auto done) { Endpoints::user(done, m_services.services().network()); });
        QVERIFY(withPhoto && withPhoto->ok());
        m_services.services().user().setCurrentUser(withPhoto->value());

        auto *tab = new ProfileVC({}, m_services.services());
        window.setRoot(tab);
        tab->loadViewIfNeeded();
        tab->progressViewTapped();
        auto *editor = qobject_cast<EditPreviewVC *>(tab->presentedViewController());
        QVERIFY(editor);
        const QByteArray first = Fixtures::png({300, 400}, Qt::darkCyan);
        const QByteArray second = Fixtures::png({300, 400}, Qt::darkMagenta);
        // The registration's photo, once the editor has it, gives way to two new ones.
        QVERIFY(QTest::qWaitFor([editor] { return editor->editVC()->photoGrid()->count() == 1; },
                                kWaitMs));
        editor->editVC()->photoGrid()->deletePhoto(0);
        editor->editVC()->photoGrid()->addPhoto(first);
        editor->editVC()->photoGrid()->addPhoto(second);
        QVERIFY(editor->editVC()->proposeBio(QStringLiteral("Хожу в походы по выходным")));
        editor->editVC()->setFieldText(EditVC::Field::City, QStringLiteral("Тверь"));
        editor->doneTapped();
        QVERIFY2(QTest::qWaitFor([tab] { return !tab->presentedViewController(); }, kWaitMs),
                 qPrintable(m_service.output()));
        // The ring shows the new first photo as the service serves it.
        QVERIFY(QTest::qWaitFor(
            [tab, &first] { return looksLike(tab->photo().value<QImage>(), first); }, kWaitMs));

        const auto stored = await<User>(
            [this](auto done) { Endpoints::user(done, m_services.services().network()); });
        QVERIFY(stored && stored->ok());
        QCOMPARE(stored->value().photoUrls, m_services.services().user().currentUser().photoUrls);

        // Shown to another account with the new text and photos.
        seen = seenByAnother(me->value().userID);
        QVERIFY(seen);
        QCOMPARE(seen->bio, QStringLiteral("Хожу в походы по выходным"));
        QCOMPARE(seen->city, QStringLiteral("Тверь"));
        QVERIFY(seen->photoURLs && seen->photoURLs->size() == 2);
        QVERIFY(looksLike(photoOf(*seen, 1), second));
    }
};

QTEST_MAIN(TestProfileEndToEnd)
#include "tst_profile_e2e.moc"
