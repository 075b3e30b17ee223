// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "api/Decoder.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

// What every harness checks on one input: reading may refuse it, but whatever is accepted must
// be written in a form that reads back as the same value and is written again byte for byte.
// A broken promise aborts, which the fuzzer reports with the input that caused it.
namespace RoundTrip {

[[noreturn]] inline void broken(const char *what, const QByteArray &first,
                                const QByteArray &again) {
    std::fprintf(stderr, "round trip broken: %s\nwritten: %s\nread back and written: %s\n", what,
                 first.constData(), again.constData());
    std::abort();
}

inline QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// A stored form: Decode(bytes) -> std::optional<V>, Encode(V) -> QByteArray.
template <class Decode, class Encode>
void checkStored(const uint8_t *data, size_t size, Decode decode, Encode encode) {
    const auto value = decode(bytes(data, size));
    if (!value)
        return;
    const QByteArray written = encode(*value);
    const auto again = decode(written);
    if (!again)
        broken("what was written is refused", written, QByteArray());
    const QByteArray rewritten = encode(*again);
    if (!(*again == *value))
        broken("what was written reads back as another value", written, rewritten);
    if (rewritten != written)
        broken("the value is written differently the second time", written, rewritten);
}

template <class T> QJsonValue toJson(const T &record) {
    return record.toJson();
}
template <class T> QJsonValue toJson(const QList<T> &records) {
    QJsonArray array;
    for (const T &record : records)
        array.append(record.toJson());
    return array;
}

inline QByteArray document(const QJsonValue &value) {
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

// A body of the service's answer, read as the network layer reads it.
template <class T> std::optional<T> decodeAnswer(const QByteArray &body) {
    const QJsonDocument parsed = QJsonDocument::fromJson(body);
    if (parsed.isNull())
        return std::nullopt;
    return Decoder<T>::decode(
        parsed.isArray() ? QJsonValue(parsed.array()) : QJsonValue(parsed.object()), nullptr);
}

template <class T> void checkAnswer(const uint8_t *data, size_t size) {
    checkStored(data, size, decodeAnswer<T>,
                [](const T &value) { return document(toJson(value)); });
}

} // namespace RoundTrip
