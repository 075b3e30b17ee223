#pragma once

#include "platform/CameraAccess.h"

#include <utility>

// A camera access the test decides for: the status, the user's answer to the question (held
// until the test gives it), and whether the machine has a camera. It never opens a real one:
// its device is the null one, so the viewfinder takes only the frames the test shows it.
class FakeCamera : public CameraAccess {
public:
    CameraAuthorization status = CameraAuthorization::Authorized;
    bool present = true;
    Answer pending;
    int settingsOpened = 0;

    CameraAuthorization authorizationStatus() const override { return status; }
    void requestAccess(Answer answer) override { pending = std::move(answer); }
    bool hasCamera() const override { return present; }
    QCameraDevice camera() const override { return {}; }
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
