// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/MainVCPrefetch.h"

#include "api/Endpoints.h"
#include "ui/MainThreadReceiver.h"

MainVCPrefetch::MainVCPrefetch(NetworkService &network, QObject *parent)
    : QObject(parent) {
    Endpoints::fetchProfiles(
        [to = MainThreadReceiver(this)](Result<QList<ProfileView>> result) {
            to.post([result = std::move(result)](MainVCPrefetch &prefetch) {
                prefetch.arrived(result);
            });
        },
        network);
}

void MainVCPrefetch::userAnswered() {
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
    completion(*std::exchange(m_answer, std::nullopt));
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
