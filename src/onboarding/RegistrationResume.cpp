// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/RegistrationResume.h"

#include "onboarding/BirthdayInputVC.h"
#include "onboarding/GenderInputVC.h"
#include "onboarding/NameInputVC.h"
#include "settings/GenderSelectionVC.h"
#include "ui/NavigationContainer.h"

namespace RegistrationResume {

namespace {
template <typename Step> Step *onTop(NavigationContainer &steps) {
    return qobject_cast<Step *>(steps.topViewController());
}

// Presses the step's "Далее" when the answer put in is one it takes.
bool goOn(KeyboardVC *step) {
    if (!step || !step->nextEnabled())
        return false;
    step->nextButtonTapped();
    return true;
}
} // namespace

void walk(NavigationContainer &steps, const RegistrationDraft::Answers &answers) {
    auto *name = onTop<NameInputVC>(steps);
    if (!name || answers.name.isEmpty() || !name->proposeText(answers.name) || !goOn(name))
        return;
    auto *birthday = onTop<BirthdayInputVC>(steps);
    if (!birthday || answers.birthday.size() != BirthdayInputVC::kFieldCount)
        return;
    for (int i = 0; i < BirthdayInputVC::kFieldCount; ++i)
        birthday->proposeDigit(i, answers.birthday.mid(i, 1));
    if (!goOn(birthday))
        return;
    auto *gender = onTop<GenderInputVC>(steps);
    if (!gender || !answers.genderInput)
        return;
    if (*answers.genderInput == GenderSelection::woman)
        gender->womanButtonTapped();
    else
        gender->manButtonTapped();
    if (!goOn(gender))
        return;
    auto *showMe = onTop<GenderSelectionVC>(steps);
    if (!showMe || !answers.selectedGender)
        return;
    showMe->select(*answers.selectedGender);
    goOn(showMe);
}

} // namespace RegistrationResume
