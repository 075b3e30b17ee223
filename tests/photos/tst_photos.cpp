// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "FakeCamera.h"
#include "FakeLocation.h"
#include "FakePermission.h"
#include "FakeService.h"
#include "Fixtures.h"
#include "TestServices.h"
#include "api/NetworkService.h"
#include "media/ImageDecoder.h"
#include "media/PhotoProcessor.h"
#include "onboarding/PhotoGridVC.h"
#include "onboarding/RegistrationDraft.h"
#include "photos/CameraAccessDeniedVC.h"
#include "photos/CameraCaptureVC.h"
#include "photos/CameraOrGalleryVC.h"
#include "photos/ImageCropperVC.h"
#include "photos/PhotoFolder.h"
#include "photos/PhotoPicking.h"
#include "platform/Cameras.h"
#include "platform/FileSecretBackend.h"
#include "platform/LocationService.h"
#include "platform/NotificationPermission.h"
#include "platform/SecureStore.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/AppServices.h"
#include "ui/NavigationContainer.h"
#include "ui/Window.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QPainter>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QImage picture(QSize size, QColor color = QColor(200, 120, 60)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// The screen shown on top of everything in the window.
ViewController *topmost(Window &window) {
    ViewController *top = window.root();
    while (top->presentedViewController())
        top = top->presentedViewController();
    if (auto *navigation = qobject_cast<NavigationContainer *>(top))
        return navigation->topViewController();
    return top;
}
} // namespace

// A picked picture on its way to a profile photo: cropping, shrinking, screening, encoding, and
// the six slots of the photo step up to the upload.
class TestPhotos : public QObject {
    Q_OBJECT

    TestServices m_owned;

    FakeService m_service;
    QTemporaryDir m_dir;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<UserManager> m_user;
    FakeLocation *m_location = nullptr;
    std::unique_ptr<SecureStore> m_store;
    Services m_services;

    // The cropper over a stand-in opener in a window, judging with `confidence`.
    ImageCropperVC *openCropper(Window &window, std::optional<float> confidence,
                                QByteArray *delivered) {
        auto *opener = new NavigationContainer(new PhotoGridVC({}, m_services));
        window.setRoot(opener);
        auto *cropper = new ImageCropperVC(
            picture({900, 1200}), [confidence](const QImage &) { return confidence; }, m_services);
        cropper->setImageCompletionHandler([delivered](const QByteArray &b) { *delivered = b; });
        opener->present(new NavigationContainer(cropper), PresentationStyle::PageSheet, false);
        return cropper;
    }

    // The photo step as the window's root, judging every picture clean.
    PhotoGridVC *openGrid(Window &window) {
        auto *grid = new PhotoGridVC([](const QImage &) { return 0.0f; }, m_services);
        window.setRoot(new NavigationContainer(grid));
        return grid;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_services = m_owned.services();
        QVERIFY(m_service.start());
        m_network = m_service.client(QStringLiteral("v4.local.member"));
        m_user = std::make_unique<UserManager>(
            std::make_unique<QSettings>(m_dir.filePath("user.ini"), QSettings::IniFormat));
        m_store = std::make_unique<SecureStore>(
            std::make_unique<FileSecretBackend>(m_dir.filePath("store.json")));
        QVERIFY(m_store->save(QStringLiteral("ME"), QStringLiteral("passkeyUserID")));
        m_services.setNetwork(*m_network).setUser(*m_user).setSecureStore(*m_store);
        auto location = std::make_unique<FakeLocation>();
        m_location = location.get();
        m_services.platform().setLocationService(std::move(location));
        m_services.platform().setNotificationPermission(std::make_unique<FakePermission>());
    }

    // No case starts with the photos another one cropped.
    void init() { QVERIFY(QDir(RegistrationDraft::defaultFolder()).removeRecursively()); }

    void aPhotoIsCutShrunkAndFlattened() {
        // A landscape camera photo at fill zoom: the frame is a 3:4 slice of its full height.
        const QImage landscape = picture({4000, 3000});
        const QImage slice = PhotoProcessor::cut(landscape, QRect(875, 0, 2250, 3000));
        QCOMPARE(PhotoProcessor::fitted(slice).size(), QSize(1200, 1600));
        const QImage small = picture({900, 1200});
        QCOMPARE(PhotoProcessor::fitted(small).size(), QSize(900, 1200));
        QVERIFY(PhotoProcessor::cut(small, QRect(1000, 0, 10, 10)).isNull());

        QImage transparent = picture({40, 40}, Qt::transparent);
        QPainter(&transparent).fillRect(0, 0, 20, 40, Qt::white);
        const QImage flat = PhotoProcessor::flattened(transparent);
        QCOMPARE(flat.pixelColor(30, 20), QColor(Qt::black));
        QCOMPARE(flat.pixelColor(10, 20), QColor(Qt::white));
    }

    void aRotatedCameraPhotoIsPickedUpright() {
        // The sensor wrote 40 × 20 and tagged it to be turned a quarter.
        const QString path = m_dir.filePath("turned.jpg");
        QImageWriter writer(path, "jpeg");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(picture({40, 20})));
        const PhotoPicking::Picked picked = PhotoPicking::fromFile(QUrl::fromLocalFile(path));
        QCOMPARE(picked.image.size(), QSize(20, 40));

        QCOMPARE(PhotoPicking::fromFile(QUrl::fromLocalFile(m_dir.filePath("none.jpg"))).failure,
                 QStringLiteral("Не удалось получить доступ к файлу"));
        QVERIFY(Fixtures::writeFile(m_dir.filePath("text.jpg"), "not a picture"));
        QCOMPARE(PhotoPicking::fromFile(QUrl::fromLocalFile(m_dir.filePath("text.jpg"))).failure,
                 QStringLiteral("Не удалось загрузить изображение"));
    }

    void theThresholdQuestionsOnlyLikelyNudity() {
        Window window;
        QByteArray delivered;
        ImageCropperVC *cropper = openCropper(window, 0.6f, &delivered);
        cropper->addButtonTapped();
        QVERIFY(cropper->busy());
        QTRY_VERIFY(!delivered.isEmpty());
        QCOMPARE(ImageDecoder::decode(delivered).size(), QSize(900, 1200));
        QTRY_VERIFY(!window.root()->presentedViewController());

        delivered.clear();
        cropper = openCropper(window, 0.61f, &delivered);
        cropper->addButtonTapped();
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(cropper->presentedViewController()));
        auto *alert = qobject_cast<AlertErrorVC *>(cropper->presentedViewController());
        QCOMPARE(alert->message(), QStringLiteral("Неприемлемый контент"));
        QVERIFY(!cropper->busy());
        QVERIFY(delivered.isEmpty());
        alert->textButtonTapped();
        QTRY_VERIFY(!delivered.isEmpty());

        // The client's own screening judges a plain picture as clean.
        const std::optional<float> plain =
            ImageCropperVC::onDeviceScreening(m_services.classifier())(picture({300, 400}));
        QVERIFY(plain && *plain >= 0.0f && *plain < ImageCropperVC::kRejectionThreshold);

        // A classifier that cannot judge leaves the screen usable and says so.
        delivered.clear();
        cropper = openCropper(window, std::nullopt, &delivered);
        cropper->addButtonTapped();
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(cropper->presentedViewController()));
        QCOMPARE(qobject_cast<AlertErrorVC *>(cropper->presentedViewController())->message(),
                 QStringLiteral("Не удалось обработать изображение"));
        QVERIFY(!cropper->busy());
        QVERIFY(delivered.isEmpty());
    }

    // The picture always covers the frame: it opens filling it, centred; wheel and keys zoom
    // around a point that stays put, up to five times; a drag moves it only as far as its edges;
    // a new window size puts it back to filling the frame; what is added is what was framed.
    void theFrameIsAlwaysCovered() {
        DrawnWindow drawn{m_services};
        auto *cropper = new ImageCropperVC(picture({1600, 1200}), {}, m_services);
        const CropFrame &framing = cropper->framing();
        drawn.window().setRoot(new NavigationContainer(cropper));
        QVERIFY(drawn.show({800, 800}));
        QTRY_VERIFY(!framing.frameSize().isEmpty());
        const QRectF frame = cropper->frame();
        // The frame is 3:4 and the picture 4:3: its height sets the fill, centred across.
        QCOMPARE(framing.zoom(), frame.height() / 1200);
        QCOMPARE(framing.inPicture(), QRect(350, 0, 900, 1200));

        const QPointF at(frame.width() / 4, frame.height() / 4);
        const QPointF underPoint = (framing.offset() + at) / framing.zoom();
        cropper->zoomSteps(3, at);
        QVERIFY(framing.zoom() > framing.minZoom());
        QCOMPARE((framing.offset() + at) / framing.zoom(), underPoint);

        QQuickItem *frameItem = drawn.find(
            [&frame](QQuickItem *item) { return item->clip() && item->size() == frame.size(); });
        QVERIFY(frameItem);
        QTRY_VERIFY(frameItem->hasActiveFocus());
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(drawn.quick(), Qt::Key_Plus);
        QCOMPARE(framing.zoom(), CropFrame::kMaxZoom);
        QTest::keyClick(drawn.quick(), Qt::Key_Minus);
        QVERIFY(framing.zoom() < CropFrame::kMaxZoom);
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(drawn.quick(), Qt::Key_Minus);
        QCOMPARE(framing.zoom(), framing.minZoom());

        // Dragged right by a pointer, the picture moves right until its left edge meets the
        // frame's; it never leaves a gap.
        const QPoint centre =
            frameItem->mapToScene(QPointF(frame.width() / 2, frame.height() / 2)).toPoint();
        QTest::mousePress(drawn.quick(), Qt::LeftButton, {}, centre);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(drawn.quick(), centre + QPoint(step * 40, 0));
        QTest::mouseRelease(drawn.quick(), Qt::LeftButton, {}, centre + QPoint(400, 0));
        QCOMPARE(framing.offset(), QPointF(0, 0));
        QCOMPARE(framing.inPicture().topLeft(), QPoint(0, 0));
        QTest::keyClick(drawn.quick(), Qt::Key_Right);
        QCOMPARE(framing.offset().x(), CropFrame::kNudge);

        drawn.quick()->resize(900, 760);
        QTRY_VERIFY(cropper->frame() != frame);
        QCOMPARE(framing.zoom(), framing.minZoom());
        QCOMPARE(framing.inPicture(), QRect(350, 0, 900, 1200));
        // A tall window centres the frame down as well as across.
        QCOMPARE(CropFrame::layOut({600, 1000}), QRectF(0, 100, 600, 800));
    }

    void slotsFillFromTheFrontAndCloseGaps() {
        PhotoGridVC step({}, m_services);
        PhotoGrid &grid = *step.photoGrid();
        const QString opening = step.hintText();
        QVERIFY(!step.nextEnabled());
        step.handleKey(KeyCommand::Return);
        QVERIFY(!step.busy());
        for (char c : QByteArray("abcd"))
            grid.addPhoto(PhotoProcessor::encodeHeic(picture({30, 40}, QColor(c, c, c))));
        QCOMPARE(grid.count(), 4);
        const QList<QByteArray> before = grid.photoSlots().photos();
        grid.deletePhoto(1);
        QCOMPARE(grid.photoSlots().photos(), (QList<QByteArray>{before[0], before[2], before[3]}));
        QStringList hints{opening, step.hintText()};
        QCOMPARE(grid.thumbnails().size(), 6);
        QVERIFY(!grid.thumbnails().at(3).isValid());
        // Each picture is made off the main thread; its slot is a plain tile until it comes.
        const auto middle = [&grid](int slot) {
            return grid.thumbnails().at(slot).value<QImage>().pixelColor(105, 140);
        };
        QCOMPARE(middle(2), QColor(Qt::lightGray));
        QTRY_COMPARE(middle(2).red(), int('d'));
        QTRY_COMPARE(middle(1).red(), int('c'));
        for (int i = 0; i < 5; ++i)
            grid.addPhoto(before[0]);
        QCOMPARE(grid.count(), 6);
        hints << step.hintText();
        while (grid.count() > 0)
            grid.deletePhoto(0);
        QVERIFY(!step.nextEnabled());
        // The hint follows the count, and a grid emptied by hand is not greeted as a new one.
        hints << step.hintText();
        QCOMPARE(QSet<QString>(hints.cbegin(), hints.cend()).size(), hints.size());
        QCOMPARE(PhotoSlots(QList<QByteArray>(8, before[0])).count(), 6);
    }

    // A drop goes straight to the cropper with its first picture, and only while a slot is free.
    void aDropIsCroppedIntoTheLastFreeSlot() {
        const QString first = m_dir.filePath("first.png");
        const QString second = m_dir.filePath("second.png");
        QVERIFY(picture({300, 400}, Qt::red).save(first));
        QVERIFY(picture({500, 400}, Qt::blue).save(second));
        const QList<QUrl> dropped = {QUrl("https://example.org/x.png"), QUrl::fromLocalFile(first),
                                     QUrl::fromLocalFile(second)};
        Window window;
        PhotoGridVC *grid = openGrid(window);
        const QByteArray photo = PhotoProcessor::encodeHeic(picture({30, 40}));
        PhotoGrid *tiles = grid->photoGrid();
        for (int i = 0; i < 6; ++i)
            tiles->addPhoto(photo);
        tiles->filesDropped(dropped);
        QVERIFY(!window.root()->presentedViewController());

        // The file is read off the main thread; the tiles take nothing else meanwhile.
        tiles->deletePhoto(5);
        tiles->filesDropped(dropped);
        QVERIFY(tiles->isReading());
        QVERIFY(!window.root()->presentedViewController());
        tiles->filesDropped({QUrl::fromLocalFile(second)});
        QTRY_VERIFY(window.root()->presentedViewController());
        QVERIFY(!tiles->isReading());
        auto *sheet = qobject_cast<NavigationContainer *>(window.root()->presentedViewController());
        QVERIFY(sheet);
        auto *cropper = qobject_cast<ImageCropperVC *>(sheet->topViewController());
        QCOMPARE(cropper->imageSize(), QSize(300, 400));
        cropper->addButtonTapped();
        QTRY_COMPARE(tiles->count(), 6);
        const QColor middle = ImageDecoder::decode(tiles->photoSlots().at(5)).pixelColor(150, 200);
        QVERIFY(middle.red() > 200 && middle.blue() < 60);
        QTRY_VERIFY(!window.root()->presentedViewController());

        // Ctrl+V: the copied picture file; with every slot taken, nothing opens.
        auto *copied = new QMimeData;
        copied->setUrls({QUrl::fromLocalFile(second)});
        QGuiApplication::clipboard()->setMimeData(copied);
        tiles->pasteRequested();
        QVERIFY(!window.root()->presentedViewController());
        tiles->deletePhoto(0);
        tiles->pasteRequested();
        QTRY_VERIFY(window.root()->presentedViewController());
        sheet = qobject_cast<NavigationContainer *>(window.root()->presentedViewController());
        QVERIFY(sheet);
        QCOMPARE(qobject_cast<ImageCropperVC *>(sheet->topViewController())->imageSize(),
                 QSize(500, 400));
    }

    // The file dialog opens in the folder the last picture was picked from, else in the
    // pictures folder, else at home: a folder that is not there would leave the dialog in
    // whatever directory the client was started from.
    void theFileDialogOpensWhereTheLastPictureCameFrom() {
        const QTemporaryDir root;
        const QString home = root.filePath("home");
        const QString pictures = root.filePath("home/Pictures");
        const QString trip = root.filePath("trip");
        QVERIFY(QDir().mkpath(home));
        QCOMPARE(PhotoFolder::opening(trip, pictures, home), home);
        QVERIFY(QDir().mkpath(pictures));
        QCOMPARE(PhotoFolder::opening(trip, pictures, home), pictures);
        QCOMPARE(PhotoFolder::opening(pictures + "/x.jpg", pictures, home), pictures);
        QVERIFY(QDir().mkpath(trip));
        QCOMPARE(PhotoFolder::opening(trip, pictures, home), trip);

        // A picture that cannot be read still moves the next dialog to its folder.
        const QString broken = trip + "/beach.jpg";
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
        file.close();
        Window window;
        PhotoGridVC *grid = openGrid(window);
        grid->photoGrid()->tileTapped(0);
        auto *picker = qobject_cast<CameraOrGalleryVC *>(topmost(window));
        QVERIFY(picker);
        // "Отмена" leads the bar: on the right it stood over the cropper's "Закрыть".
        QCOMPARE(picker->leftBarButtonTitle(), QStringLiteral("Отмена"));
        QVERIFY(picker->rightBarButtonTitle().isEmpty());
        picker->filesChosen({QUrl::fromLocalFile(broken)});
        QVERIFY(picker->isReading());
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(topmost(window)));
        QVERIFY(!picker->isReading());
        QCOMPARE(CameraOrGalleryVC({}, m_services).dialogFolder(), QUrl::fromLocalFile(trip));
    }

    // The file dialog lists photos however their names are written: cameras write IMG_0001.JPG.
    // Qt's own dialog, where the desktop has none, shows that whole list on a desktop window.
    void theFileDialogListsPhotosInEitherCase() {
        DrawnWindow drawn{m_services};
        drawn.window().setRoot(new NavigationContainer(new CameraOrGalleryVC({}, m_services)));
        QVERIFY(drawn.show({1280, 800}));
        QObject *dialog = nullptr;
        QTRY_VERIFY([&] {
            const QList<QObject *> objects = drawn.quick()->findChildren<QObject *>();
            for (QObject *object : objects)
                if (object->inherits("QQuickFileDialog"))
                    dialog = object;
            return dialog != nullptr;
        }());
        const QStringList filters = dialog->property("nameFilters").toStringList();
        QCOMPARE(filters.size(), 1);
        const QString patterns = filters.first().section(u'(', 1).section(u')', 0, 0);
        for (const char *name :
             {"IMG_0001.JPG", "beach.jpeg", "scan.PNG", "phone.HEIC", "shot.heif", "web.WEBP"}) {
            const QStringList globs = patterns.split(u' ', Qt::SkipEmptyParts);
            QVERIFY2(std::any_of(globs.cbegin(), globs.cend(),
                                 [name](const QString &glob) {
                                     return QRegularExpression::fromWildcard(glob,
                                                                             Qt::CaseSensitive)
                                         .match(QString::fromLatin1(name))
                                         .hasMatch();
                                 }),
                     name);
        }

        QVERIFY(QMetaObject::invokeMethod(dialog, "open"));
        QQuickItem *filter = nullptr;
        QTRY_VERIFY([&] {
            const QList<QQuickItem *> items = drawn.quick()->findChildren<QQuickItem *>();
            for (QQuickItem *item : items)
                if (item->inherits("QQuickComboBox") && item->isVisible())
                    filter = item;
            return filter != nullptr;
        }());
        auto *text = filter->property("contentItem").value<QQuickItem *>();
        QVERIFY(text);
        // The filter box's text is a text input: its content width is the whole text's.
        const auto whole = [text] { return text->property("contentWidth").toReal(); };
        QTRY_VERIFY2(whole() > 0 && whole() <= text->width(),
                     qPrintable(QStringLiteral("%1 > %2").arg(whole()).arg(text->width())));
    }

    // The camera row asks first; a refusal is explained, and allowing from there goes on to the
    // viewfinder, whose shutter takes nothing until a frame has come and then hands the whole
    // frame to the cropper. Without a camera the row only says so, asking nothing.
    void theCameraRowAsksExplainsAndShoots() {
        auto owned = std::make_unique<FakeCamera>();
        FakeCamera *camera = owned.get();
        camera->status = CameraAuthorization::NotDetermined;
        m_services.platform().setCameraAccess(std::move(owned));
        Window window;
        PhotoGridVC *grid = openGrid(window);
        grid->photoGrid()->tileTapped(0);
        auto *picker = qobject_cast<CameraOrGalleryVC *>(topmost(window));
        QVERIFY(picker);
        NavigationContainer *pickerStack = picker->navigationContainer();

        picker->cameraTapped();
        QVERIFY(camera->pending);
        camera->decide(false);
        QCOMPARE(pickerStack->depth(), 2);
        auto *explanation = qobject_cast<CameraAccessDeniedVC *>(topmost(window));
        QVERIFY(explanation);
        explanation->handleKey(KeyCommand::Return);
        QCOMPARE(camera->settingsOpened, 1);
        camera->decide(true);
        QCOMPARE(pickerStack->depth(), 1);

        auto *capture = qobject_cast<CameraCaptureVC *>(topmost(window));
        QVERIFY(capture);
        QVERIFY(!capture->ready());
        capture->shutterTapped();
        QCOMPARE(topmost(window), capture);
        capture->showFrame(picture({640, 480}, Qt::green));
        QVERIFY(capture->ready());
        capture->handleKey(KeyCommand::Return);
        auto *cropper = qobject_cast<ImageCropperVC *>(topmost(window));
        QVERIFY(cropper);
        QCOMPARE(cropper->imageSize(), QSize(640, 480));
        QCOMPARE(cropper->image().pixelColor(320, 240), QColor(Qt::green));
        cropper->addButtonTapped();
        QTRY_COMPARE(grid->photoGrid()->count(), 1);

        // Refused before: explained at once, without asking again.
        grid->photoGrid()->tileTapped(1);
        QTRY_VERIFY(qobject_cast<CameraOrGalleryVC *>(topmost(window)));
        picker = qobject_cast<CameraOrGalleryVC *>(topmost(window));
        camera->status = CameraAuthorization::Restricted;
        picker->cameraTapped();
        QVERIFY(!camera->pending);
        QVERIFY(qobject_cast<CameraAccessDeniedVC *>(topmost(window)));
        picker->navigationContainer()->pop(false);

        camera->status = CameraAuthorization::NotDetermined;
        camera->present = false;
        picker->cameraTapped();
        QVERIFY(!camera->pending);
        auto *alert = qobject_cast<AlertErrorVC *>(topmost(window));
        QVERIFY(alert);
        QCOMPARE(alert->message(), QStringLiteral("Камера недоступна"));
        alert->handleKey(KeyCommand::Return);
        QTRY_COMPARE(topmost(window), picker);

        // A camera that cannot be opened closes the viewfinder, through the camera module.
        QString moduleError;
        QVERIFY2(Cameras::shared(&moduleError), qPrintable(moduleError));
        camera->status = CameraAuthorization::Authorized;
        camera->present = true;
        camera->device = "gone";
        picker->cameraTapped();
        QVERIFY(qobject_cast<CameraCaptureVC *>(topmost(window)));
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(topmost(window)));
        QCOMPARE(qobject_cast<AlertErrorVC *>(topmost(window))->message(),
                 QStringLiteral("Камера недоступна"));
        QCOMPARE(topmost(window)->presentingViewController(), picker->navigationContainer());
    }

    void uploadKeepsThePhotosUntilTheServiceHasThem() {
        Window window;
        PhotoGridVC *grid = openGrid(window);
        auto *navigation = qobject_cast<NavigationContainer *>(window.root());
        const QByteArray first = PhotoProcessor::encodeHeic(picture({30, 40}, Qt::red));
        const QByteArray second = PhotoProcessor::encodeHeic(picture({30, 40}, Qt::blue));
        grid->photoGrid()->addPhoto(first);
        grid->photoGrid()->addPhoto(second);
        // Cropped photos survive a restart, readable by the user alone and only for the account
        // that cropped them.
        QCOMPARE(PhotoGridVC({}, m_services).photoGrid()->photoSlots().photos(),
                 (QList<QByteArray>{first, second}));
        const QString folder = RegistrationDraft::defaultFolder();
        // Nothing for the group or others, on the folder or any file in it.
        QCOMPARE(int(QFile::permissions(folder) & 0x0077), 0);
        const QStringList files = QDir(folder).entryList(QDir::Files);
        QCOMPARE(files.size(), 3);
        for (const QString &name : files)
            QCOMPARE(int(QFile::permissions(folder + u'/' + name) & 0x0077), 0);
        SecureStore otherAccount(std::make_unique<FileSecretBackend>(m_dir.filePath("other.json")));
        QVERIFY(otherAccount.save(QStringLiteral("SOMEONE"), QStringLiteral("passkeyUserID")));
        QCOMPARE(
            PhotoGridVC({}, Services(m_services).setSecureStore(otherAccount)).photoGrid()->count(),
            0);

        m_service.respond(QStringLiteral("images/upload"), 500,
                          R"({"reason":"Сервер перегружен","error":true})");
        grid->handleKey(KeyCommand::Return);
        QVERIFY(grid->busy());
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(window.root()->presentedViewController()));
        QCOMPARE(qobject_cast<AlertErrorVC *>(window.root()->presentedViewController())->message(),
                 QStringLiteral("Сервер перегружен"));
        QVERIFY(!grid->busy());
        QCOMPARE(grid->photoGrid()->count(), 2);
        window.root()->dismiss(false);

        m_service.clearRequests();
        m_service.respond(
            QStringLiteral("images/upload"), 200,
            QJsonDocument(QJsonObject{{"photoURLs", QJsonArray{"https://img.example/1.heic",
                                                               "https://img.example/2.heic"}}})
                .toJson());
        m_location->status = LocationAuthorization::NotDetermined;
        grid->nextButtonTapped();
        QTRY_COMPARE(navigation->topViewController()->typeName(), QStringLiteral("GeoVC"));
        const QJsonArray images =
            m_service.requestsTo("images/upload").first().json()["images"].toArray();
        QCOMPARE(images.size(), 2);
        QCOMPARE(QByteArray::fromBase64(images[0].toString().toLatin1()), first);
        QCOMPARE(QByteArray::fromBase64(images[1].toString().toLatin1()), second);
        QCOMPARE(m_user->currentUser().photoUrls,
                 (QStringList{"https://img.example/1.heic", "https://img.example/2.heic"}));
        QCOMPARE(navigation->depth(), 1);
        QVERIFY(!QFile::exists(folder));
    }
};

QTEST_MAIN(TestPhotos)
#include "tst_photos.moc"
