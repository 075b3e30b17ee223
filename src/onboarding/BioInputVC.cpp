// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/BioInputVC.h"

#include "api/Endpoints.h"
#include "onboarding/RegistrationDraft.h"
#include "platform/SecureStore.h"
#include "store/UserManager.h"
#include "ui/AlertErrorVC.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/ScreenFactory.h"

#include <QPointer>

BioInputVC::BioInputVC(QString name, QString birthday, GenderSelection genderInput,
                       GenderSelection selectedGender, Services services, QObject *parent)
    : KeyboardVC(QStringLiteral("BioInputVC"), services, parent)
    , m_name(std::move(name))
    , m_birthday(std::move(birthday))
    , m_genderInput(genderInput)
    , m_selectedGender(selectedGender) {
    // The text is optional.
    setNextEnabled(true);
}

bool BioInputVC::proposeText(const QString &newText) {
    if (busy() || !BioScreening::acceptsEdit(newText))
        return false;
    if (newText != m_text) {
        m_text = newText;
        Q_EMIT textChanged();
    }
    return true;
}

void BioInputVC::rightBarButtonTapped() {
    if (!busy())
        send(QString());
}

void BioInputVC::next() {
    const std::optional<QString> message = BioScreening::message(m_text);
    if (!message) {
        send(m_text);
        return;
    }
    QPointer<BioInputVC> weak = this;
    auto *alert = new AlertErrorVC(tr("Изменить текст"), true, [weak] {
        if (weak)
            weak->send(weak->m_text);
    });
    alert->setMessage(*message);
    present(alert, PresentationStyle::CrossDissolve, true);
}

void BioInputVC::send(const QString &bio) {
    if (busy())
        return;
    setBusy(true);
    const Registration registration{bio, m_name, m_birthday, m_genderInput, m_selectedGender};
    // The progress and the record are written as soon as the service has the registration, even
    // if this screen is gone by then, so the next start goes on from the photo step.
    Endpoints::completeRegistration(
        registration,
        [registration, services = services(),
         to = MainThreadReceiver(this)](const Result<EmptyResponse> &result) {
            if (!result.ok()) {
                to.post([reason = result.error().reason](BioInputVC &screen) {
                    screen.setBusy(false);
                    AlertErrorVC::show(&screen, reason);
                });
                return;
            }
            (void)services.secureStore().setProgress(Progress::PhotoGrid);
            RegistrationDraft(services.secureStore()).forgetAnswers();
            UserManager &store = services.user();
            store.update([&](User &user) { user.bio = registration.bio; });
            store.update([&](User &user) { user.name = registration.name; });
            store.update([&](User &user) { user.birthday = registration.birthday; });
            store.update([&](User &user) { user.genderInput = registration.genderInput; });
            store.update([&](User &user) { user.selectedGender = registration.selectedGender; });
            to.post([](BioInputVC &screen) {
                if (NavigationContainer *navigation = screen.navigationContainer())
                    navigation->setStack({screen.services().screens().create(
                                             ScreenFactory::Screen::PhotoGrid, screen.services())},
                                         true);
            });
        },
        services().network());
}
