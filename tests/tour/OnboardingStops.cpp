// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

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
#include "ui/Services.h"

#include <QCoreApplication>
#include <QPainter>

namespace {
// Each step as the user sees it on their way, with the earlier steps behind it.
NavigationContainer *stepsUpTo(ViewController *step, const Services &services) {
    auto *navigation = new NavigationContainer(new NameInputVC(services));
    navigation->push(step, false);
    return navigation;
}

BirthdayInputVC *filledBirthday(const Services &services) {
    auto *step = new BirthdayInputVC(QStringLiteral("Ева"), services);
    const QString digits = QStringLiteral("150619");
    for (int i = 0; i < digits.size(); ++i)
        step->proposeDigit(i, digits.mid(i, 1));
    return step;
}

BioInputVC *bio(const QString &text, const Services &services) {
    auto *step = new BioInputVC(QStringLiteral("Ева"), QStringLiteral("15061995"),
                                GenderSelection::woman, GenderSelection::man, services);
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
         [](const Services &services) {
             auto *step = new NameInputVC(services);
             step->proposeText(QStringLiteral("Ева"));
             return new NavigationContainer(step);
         }},
        {QStringLiteral("registration-birthday"),
         [](const Services &services) { return stepsUpTo(filledBirthday(services), services); }},
        {QStringLiteral("registration-gender"),
         [](const Services &services) {
             auto *step =
                 new GenderInputVC(QStringLiteral("Ева"), QStringLiteral("15061995"), services);
             step->womanButtonTapped();
             return stepsUpTo(step, services);
         }},
        {QStringLiteral("registration-show-me"),
         [](const Services &services) {
             return stepsUpTo(new GenderSelectionVC(GenderSelection::woman,
                                                    GenderSelectionVC::Registration, {}, services),
                              services);
         }},
        {QStringLiteral("registration-bio"),
         [](const Services &services) {
             return stepsUpTo(bio(QStringLiteral("Люблю горы, кофе по утрам и длинные "
                                                 "прогулки.\nИщу того, с кем не скучно."),
                                  services),
                              services);
         }},
        {QStringLiteral("registration-bio-screened"),
         [](const Services &services) {
             const QString text = QStringLiteral("Пиши в инст, там больше фото");
             BioInputVC *step = bio(text, services);
             NavigationContainer *navigation = stepsUpTo(step, services);
             auto *alert = new AlertErrorVC(
                 QCoreApplication::translate("BioInputVC", "Изменить текст"), true);
             alert->setMessage(BioScreening::message(text).value_or(QString()));
             step->present(alert, PresentationStyle::CrossDissolve, false);
             return navigation;
         }},
        {QStringLiteral("geo"),
         [](const Services &services) {
             return new NavigationContainer(new GeoVC(GeoVC::GeoType::first, services));
         }},
        {QStringLiteral("geo-fail"),
         [](const Services &services) {
             auto *navigation = new NavigationContainer(new GeoVC(GeoVC::GeoType::first, services));
             navigation->push(new GeoVC(GeoVC::GeoType::fail, services), false);
             return navigation;
         }},
        {QStringLiteral("notification"),
         [](const Services &services) {
             return new NavigationContainer(new NotificationVC(services));
         }},
        {QStringLiteral("photo-grid"),
         [](const Services &services) {
             auto *grid = new PhotoGridVC({}, services);
             for (int i = 0; i < 3; ++i)
                 grid->photoGrid()->addPhoto(PhotoProcessor::encodeHeic(portrait({300, 400})));
             return new NavigationContainer(grid);
         }},
        {QStringLiteral("photo-picker"),
         [](const Services &services) {
             auto *grid = new PhotoGridVC({}, services);
             auto *navigation = new NavigationContainer(grid);
             grid->present(new NavigationContainer(new CameraOrGalleryVC({}, services)),
                           PresentationStyle::PageSheet, false);
             return navigation;
         }},
        {QStringLiteral("camera-denied"),
         [](const Services &services) {
             auto *grid = new PhotoGridVC({}, services);
             auto *navigation = new NavigationContainer(grid);
             auto *picker = new NavigationContainer(new CameraOrGalleryVC({}, services));
             picker->push(new CameraAccessDeniedVC({}, services), false);
             grid->present(picker, PresentationStyle::PageSheet, false);
             return navigation;
         }},
        // The viewfinder while the camera starts: no camera is opened for the shot.
        {QStringLiteral("camera-viewfinder"),
         [](const Services &services) {
             auto *grid = new PhotoGridVC({}, services);
             auto *navigation = new NavigationContainer(grid);
             grid->present(new NavigationContainer(new CameraCaptureVC({}, {}, services)),
                           PresentationStyle::PageSheet, false);
             return navigation;
         }},
        // The viewfinder once the camera gives pictures: a wide webcam picture, fitted whole.
        {QStringLiteral("camera-viewfinder-live"),
         [](const Services &services) {
             auto *grid = new PhotoGridVC({}, services);
             auto *navigation = new NavigationContainer(grid);
             auto *capture = new CameraCaptureVC({}, {}, services);
             capture->showFrame(portrait({1280, 720}));
             grid->present(new NavigationContainer(capture), PresentationStyle::PageSheet, false);
             return navigation;
         }},
        {QStringLiteral("photo-cropper"),
         [](const Services &services) {
             auto *grid = new PhotoGridVC({}, services);
             auto *navigation = new NavigationContainer(grid);
             grid->present(
                 new NavigationContainer(new ImageCropperVC(portrait({1600, 1200}), {}, services)),
                 PresentationStyle::PageSheet, false);
             return navigation;
         }},
    };
}
