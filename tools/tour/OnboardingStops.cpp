#include "TourStops.h"
#include "onboarding/BioInputVC.h"
#include "onboarding/BirthdayInputVC.h"
#include "onboarding/GenderInputVC.h"
#include "onboarding/GenderSelectionVC.h"
#include "onboarding/NameInputVC.h"
#include "store/BioScreening.h"
#include "ui/AlertErrorVC.h"
#include "ui/NavigationContainer.h"

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
                 new GenderSelectionVC(QStringLiteral("Ева"), QStringLiteral("15061995"),
                                       GenderSelection::woman, GenderSelectionVC::Registration));
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
             auto *alert = new AlertErrorVC(QStringLiteral("Изменить текст"), true);
             alert->setMessage(BioScreening::message(text).value_or(QString()));
             step->present(alert, PresentationStyle::CrossDissolve, false);
             return navigation;
         }},
    };
}
