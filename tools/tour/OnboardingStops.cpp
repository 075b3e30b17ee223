#include "TourStops.h"
#include "media/PhotoProcessor.h"
#include "onboarding/BioInputVC.h"
#include "onboarding/BirthdayInputVC.h"
#include "onboarding/GenderInputVC.h"
#include "onboarding/GeoVC.h"
#include "onboarding/NameInputVC.h"
#include "onboarding/NotificationVC.h"
#include "onboarding/PhotoGridVC.h"
#include "photos/CameraAccessDeniedVC.h"
#include "photos/CameraCaptureVC.h"
#include "photos/CameraOrGalleryVC.h"
#include "settings/GenderSelectionVC.h"
#include "store/BioScreening.h"
#include "ui/AlertErrorVC.h"
#include "ui/NavigationContainer.h"

#include <QCoreApplication>
#include <QPainter>

namespace {
// Each step as the user sees it on their way, with the earlier steps behind it.
NavigationContainer *stepsUpTo(ViewController *step) {
    auto *navigation = new NavigationContainer(new NameInputVC());
    navigation->push(step, false);
    return navigation;
}

BirthdayInputVC *filledBirthday() {
    auto *step = new BirthdayInputVC(QStringLiteral("Ева"));
    const QString digits = QStringLiteral("150619");
    for (int i = 0; i < digits.size(); ++i)
        step->proposeDigit(i, digits.mid(i, 1));
    return step;
}

BioInputVC *bio(const QString &text) {
    auto *step = new BioInputVC(QStringLiteral("Ева"), QStringLiteral("15061995"),
                                GenderSelection::woman, GenderSelection::man);
    step->proposeText(text);
    return step;
}
} // namespace

QImage portrait(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(255, 150, 90));
    gradient.setColorAt(1, QColor(90, 60, 160));
    painter.fillRect(image.rect(), gradient);
    painter.setBrush(QColor(250, 220, 190));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(size.width() / 2.0, size.height() * 0.4), size.width() * 0.18,
                        size.width() * 0.22);
    return image;
}

QList<TourStop> onboardingStops() {
    return {
        {QStringLiteral("registration-name"),
         [] {
             auto *step = new NameInputVC();
             step->proposeText(QStringLiteral("Ева"));
             return new NavigationContainer(step);
         }},
        {QStringLiteral("registration-birthday"), [] { return stepsUpTo(filledBirthday()); }},
        {QStringLiteral("registration-gender"),
         [] {
             auto *step = new GenderInputVC(QStringLiteral("Ева"), QStringLiteral("15061995"));
             step->womanButtonTapped();
             return stepsUpTo(step);
         }},
        {QStringLiteral("registration-show-me"),
         [] {
             return stepsUpTo(
                 new GenderSelectionVC(GenderSelection::woman, GenderSelectionVC::Registration));
         }},
        {QStringLiteral("registration-bio"),
         [] {
             return stepsUpTo(bio(QStringLiteral("Люблю горы, кофе по утрам и длинные "
                                                 "прогулки.\nИщу того, с кем не скучно.")));
         }},
        {QStringLiteral("registration-bio-screened"),
         [] {
             const QString text = QStringLiteral("Пиши в инст, там больше фото");
             BioInputVC *step = bio(text);
             NavigationContainer *navigation = stepsUpTo(step);
             auto *alert = new AlertErrorVC(
                 QCoreApplication::translate("BioInputVC", "Изменить текст"), true);
             alert->setMessage(BioScreening::message(text).value_or(QString()));
             step->present(alert, PresentationStyle::CrossDissolve, false);
             return navigation;
         }},
        {QStringLiteral("geo"),
         [] { return new NavigationContainer(new GeoVC(GeoVC::GeoType::first)); }},
        {QStringLiteral("geo-fail"),
         [] {
             auto *navigation = new NavigationContainer(new GeoVC(GeoVC::GeoType::first));
             navigation->push(new GeoVC(GeoVC::GeoType::fail), false);
             return navigation;
         }},
        {QStringLiteral("notification"),
         [] { return new NavigationContainer(new NotificationVC()); }},
        {QStringLiteral("photo-grid"),
         [] {
             auto *grid = new PhotoGridVC({});
             for (int i = 0; i < 3; ++i)
                 grid->photoGrid()->addPhoto(PhotoProcessor::encodeHeic(portrait({300, 400})));
             return new NavigationContainer(grid);
         }},
        {QStringLiteral("photo-picker"),
         [] {
             auto *grid = new PhotoGridVC({});
             auto *navigation = new NavigationContainer(grid);
             grid->present(new NavigationContainer(new CameraOrGalleryVC({})),
                           PresentationStyle::PageSheet, false);
             return navigation;
         }},
        {QStringLiteral("camera-denied"),
         [] {
             auto *grid = new PhotoGridVC({});
             auto *navigation = new NavigationContainer(grid);
             auto *picker = new NavigationContainer(new CameraOrGalleryVC({}));
             picker->push(new CameraAccessDeniedVC({}), false);
             grid->present(picker, PresentationStyle::PageSheet, false);
             return navigation;
         }},
        // The viewfinder while the camera starts: no camera is opened for the shot.
        {QStringLiteral("camera-viewfinder"),
         [] {
             auto *grid = new PhotoGridVC({});
             auto *navigation = new NavigationContainer(grid);
             grid->present(new NavigationContainer(new CameraCaptureVC({}, {})),
                           PresentationStyle::PageSheet, false);
             return navigation;
         }},
        // The viewfinder once the camera gives pictures: a wide webcam picture, fitted whole.
        {QStringLiteral("camera-viewfinder-live"),
         [] {
             auto *grid = new PhotoGridVC({});
             auto *navigation = new NavigationContainer(grid);
             auto *capture = new CameraCaptureVC({}, {});
             capture->showFrame(portrait({1280, 720}));
             grid->present(new NavigationContainer(capture), PresentationStyle::PageSheet, false);
             return navigation;
         }},
        {QStringLiteral("photo-cropper"),
         [] {
             auto *grid = new PhotoGridVC({});
             auto *navigation = new NavigationContainer(grid);
             grid->present(new NavigationContainer(new ImageCropperVC(portrait({1600, 1200}), {})),
                           PresentationStyle::PageSheet, false);
             return navigation;
         }},
    };
}
