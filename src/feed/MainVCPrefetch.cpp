#include "MainVCPrefetch.h"

#include "Endpoints.h"

#include <QCoreApplication>
#include <QPointer>

MainVCPrefetch::MainVCPrefetch(NetworkService &network, QObject *parent)
    : QObject(parent) {
    Endpoints::fetchProfiles(
        [weak = QPointer<MainVCPrefetch>(this)](Result<QList<ProfileView>> result) {
            QMetaObject::invokeMethod(
                qApp,
                [weak, result = std::move(result)] {
                    if (weak)
                        weak->arrived(result);
                },
                Qt::QueuedConnection);
        },
        network);
}

void MainVCPrefetch::userAnswered(bool ok) {
    if (!ok)
        m_spent = true;
    m_usable = !m_spent;
}

bool MainVCPrefetch::take(Completion completion) {
    const bool serves = m_usable && !m_spent;
    m_spent = true;
    if (!serves)
        return false;
    if (!m_answer) {
        m_waiting = std::move(completion);
        return true;
    }
    // Answered later in the event loop, as a request would be.
    QMetaObject::invokeMethod(
        qApp,
        [weak = QPointer<MainVCPrefetch>(this), completion = std::move(completion)] {
            if (weak && weak->m_answer)
                completion(*std::exchange(weak->m_answer, std::nullopt));
        },
        Qt::QueuedConnection);
    return true;
}

void MainVCPrefetch::arrived(const Result<QList<ProfileView>> &result) {
    if (m_waiting) {
        std::exchange(m_waiting, nullptr)(result);
        return;
    }
    if (!m_spent)
        m_answer = result;
}
