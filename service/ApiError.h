// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// A refusal of a request: the status code and the Russian reason shown to the user.
class ApiError {
public:
    ApiError(int status, QString reason)
        : m_status(status)
        , m_reason(std::move(reason)) {}
    [[nodiscard]] int status() const { return m_status; }
    [[nodiscard]] const QString &reason() const { return m_reason; }

private:
    int m_status;
    QString m_reason;
};
