// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

// How a person's profile opened from a card hands its answer to the screen that opened it.
// Nothing reaches an opener that is gone. A profile opened without an opener (from a
// conversation or the own preview) offers no answer.
struct ProfileAnswers {
    QPointer<QObject> opener;
    /// A button of the profile's row was tapped; its tag names the action.
    std::function<void(int tag)> chosen;
    /// The person was blocked or reported. That is final: nothing may bring their card back.
    std::function<void(const QString &userID)> closedForGood;
};
