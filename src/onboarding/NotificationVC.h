// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "onboarding/PermissionStepVC.h"

#include <QGeoCoordinate>

// The last onboarding step: asks to show notifications, so matches and messages are not
// missed, and reports the user's position once when it may be read. Either answer leads to the
// feed; nothing here can stop the user.
class NotificationVC : public PermissionStepVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory and the location step")

public:
    explicit NotificationVC(Services services, QObject *parent = nullptr);

    QString nextTitle() const override { return tr("Разрешить"); }

    QString titleText() const override { return tr("Включи уведомления"); }
    QString hintText() const override {
        return tr("Ты ведь не хочешь пропустить пару или сообщения?");
    }

    QString symbol() const override { return QStringLiteral("bell.badge"); }
    void textButtonTapped() override;

protected:
    void viewDidLoad() override;
    void next() override;

private:
    void locationsUpdated(const QList<QGeoCoordinate> &locations);

    bool m_didReceiveLocation = false;
};
