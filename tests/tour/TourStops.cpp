// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TourStops.h"
#include "ui/Services.h"

#include "ui/AlertBlockVC.h"
#include "ui/AlertErrorVC.h"
#include "ui/AlertTextVC.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"
#include "ui/ShortcutsVC.h"

#include <QCoreApplication>

namespace {
using Screen = ScreenFactory::Screen;

ViewController *screen(Screen which, const Services &services) {
    return services.screens().create(which, services);
}

template <class Alert>
ViewController *presentedOn(Screen under, Alert *alert, const Services &services) {
    ViewController *base = screen(under, services);
    base->present(alert, PresentationStyle::CrossDissolve, false);
    return base;
}

AlertBlockVC *blockAlert(bool hideButton, const QString &message, const Services &services) {
    auto *alert = new AlertBlockVC(hideButton, services);
    alert->setMessage(message);
    return alert;
}
} // namespace

QList<TourStop> tourStops() {
    QList<TourStop> stops = {
        {QStringLiteral("start"),
         [](const Services &services) { return screen(Screen::Start, services); }},
        {QStringLiteral("restore"),
         [](const Services &services) { return screen(Screen::Restore, services); }},
        {QStringLiteral("delete-account"),
         [](const Services &services) {
             auto *nav = new NavigationContainer(services.screens().createSettings(true, services));
             nav->push(screen(Screen::DeleteAccount, services), false);
             return nav;
         }},
        {QStringLiteral("main"),
         [](const Services &services) { return screen(Screen::Main, services); }},
        {QStringLiteral("alert-error"),
         [](const Services &services) {
             auto *alert =
                 new AlertErrorVC(QCoreApplication::translate("AlertErrorVC", "ОК"), true);
             alert->setMessage(
                 QCoreApplication::translate("NetworkService", "Сервер вернул пустой ответ"));
             return presentedOn(Screen::Start, alert, services);
         }},
        {QStringLiteral("alert-version-update"),
         [](const Services &services) {
             return presentedOn(Screen::Start,
                                blockAlert(false,
                                           QStringLiteral("Доступна новая версия Zirel. "
                                                          "Обнови приложение, чтобы "
                                                          "пользоваться новыми функциями."),
                                           services),
                                services);
         }},
        {QStringLiteral("alert-version-lock"),
         [](const Services &services) {
             return presentedOn(Screen::Start,
                                blockAlert(true,
                                           QStringLiteral("Эта версия больше не "
                                                          "поддерживается."),
                                           services),
                                services);
         }},
        {QStringLiteral("shortcuts"),
         [](const Services &services) {
             ViewController *base = screen(Screen::Start, services);
             base->present(new ShortcutsVC, PresentationStyle::PageSheet, false);
             return base;
         }},
        {QStringLiteral("alert-text"),
         [](const Services &services) {
             return presentedOn(Screen::Start,
                                new AlertTextVC(QStringLiteral("Фото успешно загружены")),
                                services);
         }},
    };
    stops += onboardingStops();
    stops += chatStops();
    stops += feedStops();
    stops += cardStops();
    stops += detailsStops();
    stops += settingsStops();
    stops += profileStops();
    return stops;
}
