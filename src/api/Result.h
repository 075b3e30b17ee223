// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/APIError.h"

#include <variant>

// The one outcome of a call: the decoded record or the error to report.
template <class T> class Result {
public:
    [[nodiscard]] static Result success(T value) { return Result(std::move(value)); }
    [[nodiscard]] static Result failure(APIError error) { return Result(std::move(error)); }

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(m_outcome); }
    // Only valid when ok().
    [[nodiscard]] const T &value() const { return std::get<T>(m_outcome); }
    // Only valid when !ok().
    [[nodiscard]] const APIError &error() const { return std::get<APIError>(m_outcome); }

private:
    explicit Result(T value)
        : m_outcome(std::in_place_index<0>, std::move(value)) {}
    explicit Result(APIError error)
        : m_outcome(std::in_place_index<1>, std::move(error)) {}

    std::variant<T, APIError> m_outcome;
};
