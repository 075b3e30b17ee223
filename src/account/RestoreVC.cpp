// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "account/RestoreVC.h"

#include "api/Endpoints.h"
#include "ui/AlertErrorVC.h"
#include "ui/MainThreadReceiver.h"
#include "ui/WindowHelper.h"

RestoreVC::RestoreVC(Services services, QObject *parent)
    : ViewController(QStringLiteral("RestoreVC"), std::move(services), parent) {}

QString RestoreVC::message() const {
    return tr(
        "Ты удалил свой аккаунт. Все твои сообщения, свайпы и мэтчи удалены, а твой аккаунт "
        "деактивирован. Но ты можешь восстановить его до истечения 90 дней с момента "
        "инициализации удаления. После истечения данного срока будут удалены все твои данные.");
}

void RestoreVC::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged();
}

void RestoreVC::loginButtonTapped() {
    if (m_busy)
        return;
    setBusy(true);
    Endpoints::restoreUser(
        [to = MainThreadReceiver(this)](const Result<EmptyResponse> &result) {
            to.post([result](RestoreVC &screen) {
                screen.setBusy(false);
                if (result.ok())
                    WindowHelper::showMain(screen.services());
                else
                    AlertErrorVC::show(&screen, result.error().reason);
            });
        },
        services().network());
}
