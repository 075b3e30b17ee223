// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "FakeService.h"
#include "Fixtures.h"
#include "StandInVC.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "cards/CardView.h"
#include "media/ImageCacheManager.h"
#include "media/ImageDecoder.h"
#include "profile/CircularImageProgressView.h"
#include "profile/EditPreviewVC.h"
#include "profile/EditVC.h"
#include "profile/PreviewVC.h"
#include "profile/ProfileVC.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"
#include "ui/Window.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QJsonObject uploaded(const QStringList &urls) {
    return {{"photoURLs", QJsonArray::fromStringList(urls)}};
}
} // namespace

// The own-profile tab and the profile editor against a scripted service: what a save sends,
// what it keeps when the service fails, and what the tab shows afterwards.
class TestProfile : public QObject {
    Q_OBJECT

    TestServices m_owned;

    FakeService m_service;
    QTemporaryDir m_dir;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<UserManager> m_user;
    std::unique_ptr<ImageCacheManager> m_images;
    std::unique_ptr<ScreenFactory> m_screens;
    Services m_services;
    QList<QByteArray> m_photos; // four distinct pictures
    std::optional<bool> m_settingsIsMain;
    std::optional<CardModel> m_detailsModel;

    QString url(const QString &name) const { return m_service.baseUrl() + "img/" + name; }

    // The signed-in user with three photos, of which the cache holds the first and the third.
    void signIn(const QString &birthday) {
        User user = UserManager::initialUser();
        user.name = QStringLiteral("Ян");
        user.birthday = birthday;
        user.bio = QStringLiteral("Люблю горы");
        user.job = QStringLiteral("Инженер");
        user.photoUrls = {url("1.png"), url("2.png"), url("3.png")};
        m_user->setCurrentUser(user);
        QVERIFY(Fixtures::writeFile(*m_images->filePath(url("1.png")), m_photos[0]));
        QVERIFY(Fixtures::writeFile(*m_images->filePath(url("3.png")), m_photos[2]));
    }

    // The profile tab as the window's root.
    ProfileVC *openTab(Window &window) {
        auto *tab = new ProfileVC({}, m_services);
        window.setRoot(tab);
        return tab;
    }
    EditPreviewVC *openEditor(ProfileVC *tab) {
        tab->progressViewTapped();
        return qobject_cast<EditPreviewVC *>(tab->presentedViewController());
    }

    AlertErrorVC *alertOver(ViewController *screen) {
        return qobject_cast<AlertErrorVC *>(screen->presentedViewController());
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_services = m_owned.services();
        QVERIFY(m_service.start());
        m_network = m_service.client(QStringLiteral("v4.local.member"));
        for (const Qt::GlobalColor color : {Qt::red, Qt::green, Qt::blue, Qt::yellow})
            m_photos.append(Fixtures::png({30, 40}, color));
        m_screens = std::make_unique<ScreenFactory>();
        m_screens->installSettings([this](bool isMain, const Services &) {
            m_settingsIsMain = isMain;
            return new StandInVC(QStringLiteral("SettingsVC"));
        });
        m_screens->installUserInfo(
            [this](const CardModel &model, const ProfileAnswers &, bool, const Services &) {
                m_detailsModel = model;
                return new StandInVC(QStringLiteral("UserInfoVC"));
            });
    }

    void init() {
        const QString name = QString::fromLatin1(QTest::currentTestFunction());
        m_user = std::make_unique<UserManager>(std::make_unique<QSettings>(
            m_dir.filePath(name + QStringLiteral(".ini")), QSettings::IniFormat));
        m_images = std::make_unique<ImageCacheManager>(m_services.photoDownloads(),
                                                       m_dir.filePath(name + "-cache"));
        m_services.setNetwork(*m_network)
            .setUser(*m_user)
            .setImages(*m_images)
            .setScreens(*m_screens);
        m_service.clearRequests();
        signIn(QStringLiteral("15061990"));
    }

    // Unchanged, even with a cached copy missing, the editor closes without sending. Deleting photo
    // 1 of 3 and adding one gives 2, 3, new: changed, so all three go up again. The texts arrive
    // while the photos fail; the editor stays with every edit, and the next "Готово" sends only the
    // photos. Their new addresses are fetched into the cache.
    void aSaveSendsWhatDiffersAndKeepsWhatFailed() {
        Window window;
        ProfileVC *tab = openTab(window);
        tab->loadViewIfNeeded();

        EditPreviewVC *editor = openEditor(tab);
        QVERIFY(editor);
        editor->doneTapped();
        QVERIFY(!tab->presentedViewController());

        editor = openEditor(tab);
        EditVC *edit = editor->editVC();
        // The second photo's cached copy is gone: its slot starts empty in its place.
        QCOMPARE(edit->selectedImages(), (QList<QByteArray>{m_photos[0], {}, m_photos[2]}));
        PhotoGrid *grid = edit->photoGrid();
        grid->addPhoto(m_photos[1]);
        grid->deletePhoto(0);
        grid->addPhoto(m_photos[3]);
        QCOMPARE(grid->photoSlots().photos(),
                 (QList<QByteArray>{m_photos[1], m_photos[2], m_photos[3]}));
        QVERIFY(edit->proposeBio(QStringLiteral("Люблю море")));
        edit->setFieldText(EditVC::Field::City, QStringLiteral("Казань"));

        m_service.respond(QStringLiteral("user/bio"), 200, "{}");
        m_service.respondDelayed(QStringLiteral("images/upload"), std::chrono::milliseconds(200),
                                 500, R"({"reason":"Сервер перегружен","error":true})");
        editor->doneTapped();
        QVERIFY(editor->isSaving());
        QVERIFY(edit->isFrozen());
        QTRY_VERIFY(alertOver(editor));
        QCOMPARE(alertOver(editor)->message(), QStringLiteral("Сервер перегружен"));
        QVERIFY(!editor->isSaving());
        QCOMPARE(tab->presentedViewController(), editor);
        QCOMPARE(m_service.requestsTo("user/bio").size(), 1);
        QCOMPARE(m_service.requestsTo("user/bio").first().json(),
                 (QJsonObject{
                     {"bio", "Люблю море"}, {"job", "Инженер"}, {"edu", ""}, {"city", "Казань"}}));
        const QJsonArray sent =
            m_service.requestsTo("images/upload").first().json()["images"].toArray();
        QCOMPARE(sent.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QByteArray::fromBase64(sent[i].toString().toLatin1()), m_photos[i + 1]);
        const User afterTexts = m_user->currentUser();
        QCOMPARE(afterTexts.bio, QStringLiteral("Люблю море"));
        QCOMPARE(afterTexts.city, QStringLiteral("Казань"));
        QCOMPARE(afterTexts.photoUrls, (QStringList{url("1.png"), url("2.png"), url("3.png")}));
        QCOMPARE(edit->texts().bio, QStringLiteral("Люблю море"));
        QCOMPARE(grid->count(), 3);
        alertOver(editor)->actionButtonTapped();

        m_service.clearRequests();
        const QStringList fresh = {url("n1.png"), url("n2.png"), url("n3.png")};
        for (int i = 0; i < 3; ++i)
            m_service.respond("img/n" + QString::number(i + 1) + ".png", 200, m_photos[i + 1]);
        m_service.respond(QStringLiteral("images/upload"), 200,
                          QJsonDocument(uploaded(fresh)).toJson());
        editor->doneTapped();
        QTRY_VERIFY(!tab->presentedViewController());
        QVERIFY(m_service.requestsTo("user/bio").isEmpty());
        QCOMPARE(m_service.requestsTo("images/upload").size(), 1);
        QCOMPARE(m_user->currentUser().photoUrls, fresh);
        for (const QString &address : fresh)
            QTRY_VERIFY(QFile::exists(*m_images->filePath(address)));

        // Reopened, the editor finds the saved photos in the cache, and nothing differs.
        m_service.clearRequests();
        editor = openEditor(tab);
        QCOMPARE(editor->editVC()->photoGrid()->photoSlots().photos(),
                 (QList<QByteArray>{m_photos[1], m_photos[2], m_photos[3]}));
        editor->doneTapped();
        QVERIFY(!tab->presentedViewController());
        QVERIFY(m_service.requestsTo("user/bio").isEmpty());
        QVERIFY(m_service.requestsTo("images/upload").isEmpty());
    }

    // The text about oneself is screened first, and the user may send it anyway. Without any
    // photo nothing is sent at all.
    void theBioIsScreenedAndPhotosAreRequired() {
        Window window;
        ProfileVC *tab = openTab(window);
        EditPreviewVC *editor = openEditor(tab);
        EditVC *edit = editor->editVC();
        QVERIFY(edit->proposeBio(QStringLiteral("Пиши в тг @someone")));
        QVERIFY(!edit->proposeBio(QStringLiteral("Пиши  в тг")));
        editor->doneTapped();
        AlertErrorVC *alert = alertOver(editor);
        QVERIFY(alert && alert->shouldShowTextButton());
        alert->actionButtonTapped();
        QTest::qWait(50);
        QVERIFY(m_service.requests().isEmpty());
        QCOMPARE(tab->presentedViewController(), editor);

        m_service.respond(QStringLiteral("user/bio"), 200, "{}");
        editor->doneTapped();
        alertOver(editor)->textButtonTapped();
        QTRY_VERIFY(!tab->presentedViewController());
        QCOMPARE(m_service.requestsTo("user/bio").first().json()["bio"].toString(),
                 QStringLiteral("Пиши в тг @someone"));
        QVERIFY(m_service.requestsTo("images/upload").isEmpty());

        m_service.clearRequests();
        editor = openEditor(tab);
        QVERIFY(editor->editVC()->proposeBio(QStringLiteral("Люблю горы")));
        while (editor->editVC()->photoGrid()->count() > 0)
            editor->editVC()->photoGrid()->deletePhoto(0);
        editor->doneTapped();
        QVERIFY(alertOver(editor));
        QCOMPARE(alertOver(editor)->message(), QStringLiteral("Изображения отсутствуют"));
        QTest::qWait(50);
        QVERIFY(m_service.requests().isEmpty());
    }

    // The preview shows the edited photos and texts on a card that cannot be swiped, with six
    // info lines, the age by the birthday, and the profile details behind its info button.
    void thePreviewShowsTheEditedCard() {
        QCOMPARE(PreviewVC::cardFrame({400, 900}),
                 QRectF(0, (900 - 400 / 0.6875) / 2, 400, 400 / 0.6875));

        signIn(QStringLiteral("31.02.1990"));
        DrawnWindow drawn{m_services};
        ProfileVC *tab = openTab(drawn.window());
        QVERIFY(drawn.show());
        EditPreviewVC *editor = openEditor(tab);
        editor->editVC()->setFieldText(EditVC::Field::Job, QString());
        editor->previewTapped();
        QVERIFY(editor->isPreviewing());
        PreviewVC *preview = editor->previewVC();
        const CardModel model = preview->cardModel();
        QCOMPARE(model.age, QStringLiteral("25"));
        QCOMPARE(model.name, QStringLiteral("Ян"));
        QCOMPARE(model.images.size(), 2);
        QCOMPARE(model.images.at(1), ImageDecoder::decode(m_photos[2]));
        QCOMPARE(model.info.first(), (InfoItem{InfoType::About, "Люблю горы"}));
        QCOMPARE(model.info.size(), 6);
        QVERIFY(!model.info.contains(InfoItem{InfoType::Position, "Инженер"}));
        CardView *card = preview->cardView();
        QVERIFY(card->swipeDirections().isEmpty());
        QTRY_VERIFY(card->window() == drawn.quick() && card->height() > 0);
        QCOMPARE(card->width(), card->height() * PreviewVC::kCardAspect);
        card->infoButtonTap();
        QCOMPARE(editor->presentedViewController()->typeName(), QStringLiteral("UserInfoVC"));
        QCOMPARE(m_detailsModel->info, model.info);
        editor->dismiss(false);

        // Back to editing: the list is as it was left.
        editor->editTapped();
        QVERIFY(!editor->isPreviewing());
        QCOMPARE(editor->editVC()->texts().job, QString());
    }

    // The tab: name and age (25 when the birthday is not a date), the gear opens the settings
    // with the account's rows, and the meter shows what is missing until the ring is full.
    void theTabShowsTheUserAndTheMeter() {
        const QDate born = QDate::currentDate().addYears(-30);
        signIn(born.toString(QStringLiteral("ddMMyyyy")));
        // Made with the tab bar, built when first shown: the record may have changed between.
        ProfileVC tab({}, m_services);
        m_user->update([](User &user) { user.superlikes = 3; });
        tab.loadViewIfNeeded();
        QCOMPARE(tab.nameText(), QStringLiteral("Ян, 30"));
        QCOMPARE(tab.superlikes(), 3);
        m_user->update([](User &user) {
            user.birthday = QStringLiteral("1990");
            user.hasCheckmark = true;
        });
        m_user->announceChange();
        QTRY_COMPARE(tab.nameText(), QStringLiteral("Ян, 25"));
        QVERIFY(tab.hasCheckmark());
        QTRY_COMPARE(tab.photo().value<QImage>(), ImageDecoder::decode(m_photos[0]));
        tab.settingsButtonTapped();
        QCOMPARE(m_settingsIsMain, true);
        auto *settings = qobject_cast<NavigationContainer *>(tab.presentedViewController());
        QVERIFY(settings);
        QCOMPARE(settings->topViewController()->typeName(), QStringLiteral("SettingsVC"));

        CircularImageProgressView ring;
        ring.setProgress(6);
        QVERIFY(!ring.meterVisible());
        QCOMPARE(ring.strokeEnd(), 1.0);
        QTest::qWait(150);
        const qreal midway = ring.presentedStrokeEnd();
        QVERIFY(midway > 0 && midway < 1);
        ring.setProgress(3);
        QCOMPARE(ring.percentText(), QStringLiteral("50% ЗАПОЛНЕНО"));
        QVERIFY(ring.meterVisible());
        QCOMPARE(ring.strokeEnd(), 0.5);
        QVERIFY(qAbs(ring.animationStart() - midway) < 0.05);
        QTRY_COMPARE(ring.presentedStrokeEnd(), 0.5);
        ring.setTotal(0);
        QCOMPARE(ring.total(), 6);
    }

    // As a desktop user edits: Tab walks the rows in order, Escape cancels, Ctrl+S saves, and a
    // failed save keeps what was typed on screen.
    void theEditorFollowsTheKeyboard() {
        DrawnWindow drawn{m_services};
        ProfileVC *tab = openTab(drawn.window());
        QVERIFY(drawn.show());
        QQuickWindow *quick = drawn.quick();
        EditPreviewVC *editor = openEditor(tab);
        QTRY_VERIFY(drawn.findWith("placeholderText", QStringLiteral("Добавить город")));
        // The editor opens in the text about oneself; the fields follow it and the photo
        // tiles come before it.
        QTRY_VERIFY(quick->activeFocusItem() &&
                    quick->activeFocusItem()->inherits("QQuickTextEdit"));
        // A doubled space does not show, and what was accepted before it stays.
        QQuickItem *bio = quick->activeFocusItem();
        for (QChar c : QStringLiteral("я  ы"))
            QTest::sendKeyEvent(QTest::Click, quick, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QVERIFY(editor->editVC()->texts().bio.contains(QStringLiteral("я ы")));
        QCOMPARE(bio->property("text").toString(), editor->editVC()->texts().bio);
        const auto placeholder = [quick] {
            return quick->activeFocusItem()->property("placeholderText").toString();
        };
        QTest::keyClick(quick, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QString::fromLatin1(quick->activeFocusItem()->metaObject()->className())
                    .startsWith(QStringLiteral("PhotoCell")));
        QTest::keyClick(quick, Qt::Key_Tab);
        QVERIFY(quick->activeFocusItem()->inherits("QQuickTextEdit"));
        QStringList fields;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(quick, Qt::Key_Tab);
            fields.append(placeholder());
        }
        QCOMPARE(fields,
                 (QStringList{"Добавить должность", "Добавить образование", "Добавить город"}));
        for (QChar c : QStringLiteral("Сочи"))
            QTest::sendKeyEvent(QTest::Click, quick, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(editor->editVC()->texts().city, QStringLiteral("Сочи"));

        m_service.respond(QStringLiteral("user/bio"), 500,
                          R"({"reason":"Сервер перегружен","error":true})");
        QTest::keyClick(quick, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(alertOver(editor));
        QCOMPARE(m_service.requestsTo("user/bio").first().json()["city"].toString(),
                 QStringLiteral("Сочи"));
        QTest::keyClick(quick, Qt::Key_Return);
        QTRY_VERIFY(!alertOver(editor));
        QVERIFY(drawn.findWith("text", QStringLiteral("Сочи")));
        QCOMPARE(m_user->currentUser().city, QString());

        QTest::keyClick(quick, Qt::Key_Escape);
        QTRY_VERIFY(!tab->presentedViewController());
        QCOMPARE(m_service.requestsTo("user/bio").size(), 1);
    }

    // The editor opens at its top, even when its text field takes the keys while the sheet is
    // still being laid out. A sheet over the editor (the cropper, say) has controls where the
    // rows lie; the keyboard going to one of them must not scroll the rows away from where the
    // user left them.
    void theRowsStayPutUnderASheet() {
        DrawnWindow drawn{m_services};
        ProfileVC *tab = openTab(drawn.window());
        // Already up as the window comes (a restored window): the text field takes the keys
        // before the sheet has its size.
        tab->present(new EditPreviewVC({}, m_services), PresentationStyle::PageSheet, false);
        QVERIFY(drawn.show({1280, 800}));
        drawn.quick()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(drawn.quick()));
        QQuickItem *rows = nullptr;
        QTRY_VERIFY((rows = drawn.findWith("placeholderText", QStringLiteral("Добавить город"))));
        while (rows && !rows->inherits("QQuickFlickable"))
            rows = rows->parentItem();
        QVERIFY(rows);
        // The sheet slides in from below; the rows are whole on screen once it is in place.
        QTRY_VERIFY(rows->mapToScene({0, rows->height()}).y() <= drawn.quick()->height());
        const qreal shown = rows->property("contentY").toReal();
        QCOMPARE(shown, 0.0);
        QQuickItem over(drawn.quick()->contentItem());
        over.setPosition(rows->mapToScene({rows->width() / 2, rows->height() - 20}));
        over.setSize({40, 40});
        over.forceActiveFocus();
        QVERIFY(over.hasActiveFocus());
        QCOMPARE(rows->property("contentY").toReal(), shown);
    }

    // In a dialog on a wide window the preview stands beside the editing list and follows every
    // edit without "Предпросмотр": the texts once typing pauses, a photo as it is added. A
    // narrower window goes back to the switch.
    void theWideEditorPreviewsEveryEdit() {
        DrawnWindow drawn{m_services};
        QVERIFY(drawn.show({1920, 1080}));
        ProfileVC *tab = openTab(drawn.window());
        EditPreviewVC *editor = openEditor(tab);
        QVERIFY(editor);
        QTRY_VERIFY(editor->isSideBySide());
        PreviewVC *preview = editor->previewVC();
        const auto previewSays = [&](const QString &text) {
            return QTest::qWaitFor([&] {
                const QList<InfoItem> info = preview->cardModel().info;
                return std::any_of(info.cbegin(), info.cend(),
                                   [&](const InfoItem &item) { return item.value == text; });
            });
        };
        QVERIFY(previewSays(QStringLiteral("Инженер")));
        QTRY_VERIFY(preview->cardView() && preview->cardView()->isVisible());
        QCOMPARE(preview->cardModel().images.size(), 2);

        EditVC *edit = editor->editVC();
        QVERIFY(edit->proposeBio(QStringLiteral("Люблю море")));
        edit->setFieldText(EditVC::Field::Job, QStringLiteral("Пилот"));
        QVERIFY(previewSays(QStringLiteral("Люблю море")));
        QVERIFY(previewSays(QStringLiteral("Пилот")));
        edit->photoGrid()->addPhoto(m_photos[3]);
        QTRY_COMPARE(preview->cardModel().images.size(), 3);
        QVERIFY(!editor->isPreviewing());

        drawn.quick()->resize(480, 800);
        QTRY_VERIFY(!editor->isSideBySide());
        QTRY_VERIFY(!preview->cardView() || !preview->cardView()->isVisible());
    }
};

QTEST_MAIN(TestProfile)
#include "tst_profile.moc"
