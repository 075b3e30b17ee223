// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "account/DeleteAccountVC.h"

#include "account/AccountAlertVC.h"
#include "api/Endpoints.h"
#include "platform/SecureStore.h"
#include "ui/AlertErrorVC.h"
#include "ui/MainThreadReceiver.h"
#include "ui/NavigationContainer.h"
#include "ui/WindowHelper.h"

#include <QPointer>

DeleteAccountVC::DeleteAccountVC(Services services, QObject *parent)
    : ViewController(QStringLiteral("DeleteAccountVC"), std::move(services), parent) {}

QString DeleteAccountVC::hintText() const {
    return tr(
        "Пусть она длится столько, сколько потребуется. Ты можешь заморозить аккаунт и "
        "вернуться, когда снова захочешь знакомиться.\n\nФункция заморозки скрывает твой профиль "
        "от других пользователей, но не удаляет его. Тебе не нужно будет заново регистрироваться "
        "и заполнять информацию, если захочешь вернуться!\n\nПосле удаления аккаунта все твои "
        "сообщения, свайпы и мэтчи будут удалены, а твой аккаунт деактивирован. Но ты сможешь "
        "восстановить его до истечения 90 дней с момента инициализации удаления. После истечения "
        "данного срока будут удалены все твои данные.");
}

void DeleteAccountVC::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged();
}

void DeleteAccountVC::freezeButtonTapped() {
    if (NavigationContainer *navigation = navigationContainer())
        navigation->pop(true);
    else
        dismiss(true);
}

void DeleteAccountVC::deleteButtonTapped() {
    QPointer<DeleteAccountVC> weak = this;
    present(new AccountAlertVC(tr("Ты действитетельно хочешь удалить аккаунт?"), {},
                               {{tr("Отмена"), AccountAlertVC::Cancel, {}},
                                {tr("Удалить"), AccountAlertVC::Destructive,
                                 [weak](const QString &) {
                                     if (weak)
                                         weak->deleteAccount();
                                 }}}),
            PresentationStyle::CrossDissolve, true);
}

void DeleteAccountVC::deleteAccount() {
    if (m_busy)
        return;
    setBusy(true);
    Endpoints::deleteAccount(
        [to = MainThreadReceiver(this)](const Result<EmptyResponse> &result) {
            to.post([result](DeleteAccountVC &screen) {
                screen.setBusy(false);
                if (!result.ok()) {
                    AlertErrorVC::show(&screen, result.error().reason);
                    return;
                }
                (void)screen.services().secureStore().setProgress(Progress::Delete);
                WindowHelper::showRestore(screen.services());
            });
        },
        services().network());
}
