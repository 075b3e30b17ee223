// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/GenderInputVC.h"

#include "onboarding/BioInputVC.h"
#include "onboarding/RegistrationDraft.h"
#include "settings/GenderSelectionVC.h"
#include "ui/NavigationContainer.h"

#include <QPointer>

GenderInputVC::GenderInputVC(QString name, QString birthday, Services services, QObject *parent)
    : KeyboardVC(QStringLiteral("GenderInputVC"), services, parent)
    , m_name(std::move(name))
    , m_birthday(std::move(birthday)) {}

std::optional<GenderSelection> GenderInputVC::chosen() const {
    return nextEnabled() ? std::optional(m_selectedGender) : std::nullopt;
}

void GenderInputVC::choose(GenderSelection gender) {
    m_selectedGender = gender;
    setNextEnabled(true);
    Q_EMIT selectionChanged();
}

void GenderInputVC::next() {
    NavigationContainer *navigation = navigationContainer();
    if (!navigation)
        return;
    RegistrationDraft(services().secureStore()).update([this](auto &kept) {
        kept.genderInput = m_selectedGender;
    });
    // The choice goes on to the text about oneself with everything collected so far.
    QPointer<NavigationContainer> weak = navigation;
    auto toBio = [weak, name = m_name, birthday = m_birthday, own = m_selectedGender,
                  services = services()](GenderSelection showMe) {
        RegistrationDraft(services.secureStore()).update([showMe](auto &kept) {
            kept.selectedGender = showMe;
        });
        if (weak)
            weak->push(new BioInputVC(name, birthday, own, showMe, services), true);
    };
    navigation->push(new GenderSelectionVC(m_selectedGender, GenderSelectionVC::Registration,
                                           std::move(toBio), services()),
                     true);
}
