// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/DecodeContext.h"

#include <QList>

// How a JSON value becomes the record a call expects: a record reads itself, a list reads each
// element and fails as a whole when any element fails. Local copies pass DateStyle::local.
template <class T> struct Decoder {
    [[nodiscard]] static std::optional<T> decode(const QJsonValue &value, QString *error,
                                                 DateStyle dates = DateStyle::wire) {
        return decodeRecord<T>(value, error, dates);
    }
};

template <class T> struct Decoder<QList<T>> {
    struct Elements {
        [[nodiscard]] static QList<T> read(DecodeContext &context) {
            return context.template elements<T>();
        }
    };

    [[nodiscard]] static std::optional<QList<T>> decode(const QJsonValue &value, QString *error,
                                                        DateStyle dates = DateStyle::wire) {
        return decodeRecord<Elements>(value, error, dates);
    }
};
