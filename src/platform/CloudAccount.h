// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>

// The identity of the computer's cloud account that sign-in is based on. Answers arrive
// asynchronously and possibly on another thread; receivers move to their own thread.
class CloudAccount {
public:
    // `error` is empty unless the status could not be determined.
    using StatusHandler = std::function<void(bool available, const QString &error)>;
    // Exactly one of `recordName` and `error` is non-empty.
    using RecordHandler = std::function<void(const QString &recordName, const QString &error)>;

    virtual ~CloudAccount() = default;

    virtual void accountStatus(StatusHandler handler) = 0;
    // The name of the current user's record: the same for the same person on this computer.
    virtual void fetchRecordName(RecordHandler handler) = 0;
};
