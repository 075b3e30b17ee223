// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/CameraAccess.h"

#include <utility>

// A camera access the test decides for: the status, the user's answer to the question (held
// until the test gives it), and whether the machine has a camera. It never opens a real one:
// it names no camera unless the test gives a name, so the viewfinder takes only the frames the
// test shows it.
class FakeCamera : public CameraAccess {
public:
    CameraAuthorization status = CameraAuthorization::Authorized;
    bool present = true;
    QByteArray device;
    Answer pending;
    int settingsOpened = 0;

    CameraAuthorization authorizationStatus() const override { return status; }
    void requestAccess(Answer answer) override { pending = std::move(answer); }
    bool hasCamera() const override { return present; }
    QByteArray camera() const override { return device; }
    void openSettings(Answer answer) override {
        ++settingsOpened;
        pending = std::move(answer);
    }

    /// The user answers the open question.
    void decide(bool granted) {
        status = granted ? CameraAuthorization::Authorized : CameraAuthorization::Denied;
        Answer answer = std::exchange(pending, {});
        answer(granted);
    }
};
