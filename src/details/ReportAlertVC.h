// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyActions.h"
#include "ui/ViewController.h"

// Asks why a person is reported: one field of at most 500 characters, "Отправить" and
// "Отмена". It stays up while the report is on its way and after a failure, so what was typed
// is there to send again; the screen that asked closes it once the report is in. "Отмена"
// closes it at any time, also while the report is on its way.
class ReportAlertVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(QString reason READ reason WRITE setReason NOTIFY reasonChanged)
    Q_PROPERTY(bool isSending READ isSending NOTIFY isSendingChanged)
    Q_PROPERTY(int maximumLength READ maximumLength CONSTANT)

public:
    static constexpr int kMaximumLength = 500;

    explicit ReportAlertVC(QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("details/ReportAlertView.qml"); }

    QString reason() const { return m_reason; }
    /// Takes an edit only when the text it leaves is at most 500 characters long.
    void setReason(const QString &reason);
    bool isSending() const { return m_sending; }
    void setSending(bool sending);
    static int maximumLength() { return kMaximumLength; }

    Q_INVOKABLE void sendTapped();
    Q_INVOKABLE void cancelTapped();
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { sendTapped(); }},
                                      {KeyCommand::Escape, [this] { cancelTapped(); }}});
    }

Q_SIGNALS:
    void reasonChanged();
    void isSendingChanged();
    /// "Отправить" with the reason as typed.
    void sendRequested(const QString &reason);
    /// "Отмена" or Escape, just before the alert closes.
    void cancelled();

private:
    QString m_reason;
    bool m_sending = false;
};
