// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "onboarding/PermissionStepVC.h"
#include "platform/LocationService.h"

// The location step. Its first form asks for the user's position; when that is refused, a
// second form on top of it explains why the feed needs it and offers the settings or going on
// without. The step sends nothing itself: it only decides where the user goes next.
class GeoVC : public PermissionStepVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory and the photo step")

public:
    enum class GeoType { first, fail };

    explicit GeoVC(GeoType geoType, Services services, QObject *parent = nullptr);

    QString nextTitle() const override;

    GeoType geoType() const { return m_geoType; }
    QString titleText() const override;
    QString hintText() const override;
    bool showsTextButton() const override { return m_geoType == GeoType::fail; }

    QString symbol() const override { return QStringLiteral("location.fill.viewfinder"); }
    void textButtonTapped() override;

protected:
    void viewDidLoad() override;
    void next() override;

private:
    void authorizationChanged(LocationAuthorization status);
    void locationsUpdated(const QList<QGeoCoordinate> &locations);
    void goOn();
    void showFailure();

    GeoType m_geoType;
    bool m_listening = false;
};
