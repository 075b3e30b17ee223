#include "BuildConfigValues.h"
#include "Fixtures.h"
#include "ReferenceClient.h"
#include "ServiceProcess.h"
#include "api/Endpoints.h"
#include "media/ImageCacheManager.h"
#include "media/ImageDecoder.h"
#include "profile/EditPreviewVC.h"
#include "profile/ProfileVC.h"
#include "store/UserManager.h"
#include "ui/Window.h"

#include <QStandardPaths>
#include <QTemporaryDir>

using ReferenceClient::await;
using ReferenceClient::kWaitMs;

// A newcomer edits their profile against the reference service: the new text and photos are
// what another account's feed then shows of them.
class TestProfileEndToEnd : public QObject {
    Q_OBJECT

    ServiceProcess m_service{
        QStringLiteral("--demo --seed-demo 10 --near 55.0,37.0 --serve").split(u' ')};
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_service.start(), qPrintable(m_service.output()));
        ReferenceClient::connect(m_service, m_dir);
    }

    void anotherAccountSeesTheEditedProfile() {
        Window window;
        QVERIFY2(ReferenceClient::signIn(window), qPrintable(m_service.output()));
        QVERIFY(ReferenceClient::registerAt(55.0, 37.0));
        const auto me = await<User>([](auto done) { Endpoints::user(done); });
        QVERIFY(me && me->ok());
        UserManager::shared().setCurrentUser(me->value());

        auto *tab = new ProfileVC({});
        window.setRoot(tab);
        tab->loadViewIfNeeded();
        tab->progressViewTapped();
        auto *editor = qobject_cast<EditPreviewVC *>(tab->presentedViewController());
        QVERIFY(editor);
        const QByteArray first = Fixtures::png({300, 400}, Qt::darkCyan);
        const QByteArray second = Fixtures::png({300, 400}, Qt::darkMagenta);
        editor->editVC()->photoGrid()->addPhoto(first);
        editor->editVC()->photoGrid()->addPhoto(second);
        QVERIFY(editor->editVC()->proposeBio(QStringLiteral("Хожу в походы по выходным")));
        editor->editVC()->setFieldText(EditVC::kCityRow, QStringLiteral("Тверь"));
        editor->doneTapped();
        QVERIFY2(QTest::qWaitFor([tab] { return !tab->presentedViewController(); }, kWaitMs),
                 qPrintable(m_service.output()));
        // The ring shows the new first photo as the service serves it.
        QVERIFY(QTest::qWaitFor([tab] { return tab->photo().isValid(); }, kWaitMs));
        QCOMPARE(tab->photo().value<QImage>(), ImageDecoder::decode(first));

        const auto stored = await<User>([](auto done) { Endpoints::user(done); });
        QVERIFY(stored && stored->ok());
        QCOMPARE(stored->value().bio, QStringLiteral("Хожу в походы по выходным"));
        QCOMPARE(stored->value().city, QStringLiteral("Тверь"));
        QCOMPARE(stored->value().photoUrls, UserManager::shared().currentUser().photoUrls);

        // The reviewers' account lives among the demo people; shown everyone nearby, it finds
        // the newcomer with the new text and photos.
        NetworkService reviewer;
        reviewer.setBaseUrl(m_service.baseUrl());
        reviewer.setPaseto(QStringLiteral(ZIREL_BUILD_REVIEW_TOKEN));
        QVERIFY(await<EmptyResponse>([&reviewer](auto done) {
                    Endpoints::updateSettings({100, true, GenderSelection::all, 18, 99, true, true},
                                              done, reviewer);
                })->ok());
        const auto nearby = await<QList<ProfileView>>(
            [&reviewer](auto done) { Endpoints::fetchProfiles(done, reviewer); });
        QVERIFY(nearby && nearby->ok());
        const auto found = std::find_if(
            nearby->value().cbegin(), nearby->value().cend(),
            [&me](const ProfileView &person) { return person.userID == me->value().userID; });
        QVERIFY(found != nearby->value().cend());
        QCOMPARE(found->bio, QStringLiteral("Хожу в походы по выходным"));
        QCOMPARE(found->city, QStringLiteral("Тверь"));
        QVERIFY(found->photoURLs && found->photoURLs->size() == 2);
        std::optional<QImage> shown;
        ImageCacheManager::shared().loadImage(
            found->photoURLs->at(1),
            [&shown](std::optional<QImage> image) { shown = image.value_or(QImage()); });
        QVERIFY(QTest::qWaitFor([&shown] { return shown.has_value(); }, kWaitMs));
        QCOMPARE(*shown, ImageDecoder::decode(second));
    }
};

QTEST_MAIN(TestProfileEndToEnd)
#include "tst_profile_e2e.moc"
