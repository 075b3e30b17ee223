#pragma once

#include "DecodeContext.h"

#include <QList>

// How a response body becomes the record a call expects: a record decodes itself, a list
// decodes each element and fails as a whole when any element fails.
template <class T> struct Decoder {
    [[nodiscard]] static std::optional<T> decode(const QJsonValue &value, QString *error) {
        return T::fromJson(value, error);
    }
};

template <class T> struct Decoder<QList<T>> {
    struct Elements {
        [[nodiscard]] static QList<T> read(DecodeContext &context) {
            return context.template elements<T>();
        }
    };

    [[nodiscard]] static std::optional<QList<T>> decode(const QJsonValue &value, QString *error) {
        return decodeRecord<Elements>(value, error);
    }
};
