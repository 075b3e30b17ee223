#include "TourStops.h"

#include "ui/AlertBlockVC.h"
#include "ui/AlertErrorVC.h"
#include "ui/AlertTextVC.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"
#include "ui/ShortcutsVC.h"

#include <QCoreApplication>

namespace {
using Screen = ScreenFactory::Screen;

ViewController *screen(Screen which) {
    return ScreenFactory::shared().create(which);
}

template <class Alert> ViewController *presentedOn(Screen under, Alert *alert) {
    ViewController *base = screen(under);
    base->present(alert, PresentationStyle::CrossDissolve, false);
    return base;
}

AlertBlockVC *blockAlert(bool hideButton, const QString &message) {
    auto *alert = new AlertBlockVC(hideButton);
    alert->setMessage(message);
    return alert;
}
} // namespace

QList<TourStop> tourStops() {
    QList<TourStop> stops = {
        {QStringLiteral("start"), [] { return screen(Screen::Start); }},
        {QStringLiteral("restore"), [] { return screen(Screen::Restore); }},
        {QStringLiteral("delete-account"),
         [] {
             auto *nav = new NavigationContainer(ScreenFactory::shared().createSettings(true));
             nav->push(screen(Screen::DeleteAccount), false);
             return nav;
         }},
        {QStringLiteral("main"), [] { return screen(Screen::Main); }},
        {QStringLiteral("alert-error"),
         [] {
             auto *alert =
                 new AlertErrorVC(QCoreApplication::translate("AlertErrorVC", "ОК"), true);
             alert->setMessage(
                 QCoreApplication::translate("NetworkService", "Сервер вернул пустой ответ"));
             return presentedOn(Screen::Start, alert);
         }},
        {QStringLiteral("alert-version-update"),
         [] {
             return presentedOn(
                 Screen::Start,
                 blockAlert(false, QStringLiteral("Доступна новая версия Zirel. "
                                                  "Обнови приложение, чтобы "
                                                  "пользоваться новыми функциями.")));
         }},
        {QStringLiteral("alert-version-lock"),
         [] {
             return presentedOn(Screen::Start,
                                blockAlert(true, QStringLiteral("Эта версия больше не "
                                                                "поддерживается.")));
         }},
        {QStringLiteral("shortcuts"),
         [] {
             ViewController *base = screen(Screen::Start);
             base->present(new ShortcutsVC, PresentationStyle::PageSheet, false);
             return base;
         }},
        {QStringLiteral("alert-text"),
         [] {
             return presentedOn(Screen::Start,
                                new AlertTextVC(QStringLiteral("Фото успешно загружены")));
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
