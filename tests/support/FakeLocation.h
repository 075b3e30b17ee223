// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/LocationService.h"

// A position source the test decides for: the answer to the permission question, the fixes,
// and a count of what the client asked of it.
class FakeLocation : public LocationService {
public:
    LocationAuthorization status = LocationAuthorization::AuthorizedWhenInUse;
    int authorizationRequests = 0;
    int locationRequests = 0;
    int settingsOpened = 0;

    LocationAuthorization authorizationStatus() const override { return status; }
    void requestWhenInUseAuthorization(PermissionPrompt::Asked) override {
        ++authorizationRequests;
    }
    void requestLocation() override { ++locationRequests; }
    void openSettings() override { ++settingsOpened; }

    /// The user answers the permission question.
    void decide(LocationAuthorization next) {
        status = next;
        Q_EMIT authorizationChanged(next);
    }
    void fix(double lat, double lon) { Q_EMIT locationsUpdated({QGeoCoordinate(lat, lon)}); }
};
