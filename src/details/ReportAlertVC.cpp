// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "details/ReportAlertVC.h"

ReportAlertVC::ReportAlertVC(QObject *parent)
    : ViewController(QStringLiteral("ReportAlertVC"), parent) {}

void ReportAlertVC::setReason(const QString &reason) {
    // A refused edit still tells the field, which shows the kept text again.
    if (reason.size() <= kMaximumLength)
        m_reason = reason;
    Q_EMIT reasonChanged();
}

void ReportAlertVC::setSending(bool sending) {
    if (sending == m_sending)
        return;
    m_sending = sending;
    Q_EMIT isSendingChanged();
}

void ReportAlertVC::cancelTapped() {
    Q_EMIT cancelled();
    dismiss(true);
}

void ReportAlertVC::sendTapped() {
    if (!m_sending)
        Q_EMIT sendRequested(m_reason);
}
