#include "RestoreVC.h"

#include "AlertErrorVC.h"
#include "Endpoints.h"
#include "WindowHelper.h"

#include <QCoreApplication>
#include <QPointer>

RestoreVC::RestoreVC(QObject *parent)
    : ViewController(QStringLiteral("RestoreVC"), parent) {}

QString RestoreVC::message() const {
    return QStringLiteral(
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
    Endpoints::restoreUser([weak = QPointer<RestoreVC>(this)](const Result<EmptyResponse> &result) {
        QMetaObject::invokeMethod(qApp, [weak, result] {
            if (!weak)
                return;
            weak->setBusy(false);
            if (result.ok())
                WindowHelper::showMain();
            else
                AlertErrorVC::show(weak, result.error().reason);
        });
    });
}
