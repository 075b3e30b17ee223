// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ViewController.h"

// Offers a pause instead of leaving; deleting asks once more, then deactivates the account and
// sends the user to the restore screen.
class DeleteAccountVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(QString titleText READ titleText CONSTANT)
    Q_PROPERTY(QString hintText READ hintText CONSTANT)
    Q_PROPERTY(QString freezeTitle READ freezeTitle CONSTANT)
    Q_PROPERTY(QString deleteTitle READ deleteTitle CONSTANT)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    explicit DeleteAccountVC(Services services, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("account/DeleteAccountView.qml"); }

    bool keepsToColumn() const override { return true; }

    QString titleText() const { return tr("Хочешь взять паузу?"); }
    QString hintText() const;
    QString freezeTitle() const { return tr("Заморозить Аккаунт"); }
    QString deleteTitle() const { return tr("Удалить Аккаунт"); }
    bool busy() const { return m_busy; }

    /// Freezing lives in the settings' visibility switch: this only goes back there.
    Q_INVOKABLE void freezeButtonTapped();
    /// Asks for confirmation; "Удалить" deletes.
    Q_INVOKABLE void deleteButtonTapped();

Q_SIGNALS:
    void busyChanged();

private:
    void deleteAccount();
    void setBusy(bool busy);

    bool m_busy = false;
};
