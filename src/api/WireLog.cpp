// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "api/WireLog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

Q_LOGGING_CATEGORY(lcWire, "zirel.wire", QtInfoMsg)

namespace {
bool isSecret(const QString &key) {
    static const QStringList secrets = {
        QStringLiteral("token"),      QStringLiteral("paseto"),    QStringLiteral("auth"),
        QStringLiteral("envelope"),   QStringLiteral("sealed"),    QStringLiteral("attestation"),
        QStringLiteral("recordname"), QStringLiteral("pushtoken"), QStringLiteral("devicetoken"),
        QStringLiteral("secret"),     QStringLiteral("password"),
    };
    const QString lower = key.toLower();
    return std::any_of(secrets.cbegin(), secrets.cend(),
                       [&lower](const QString &secret) { return lower.contains(secret); });
}

QJsonValue mask(const QJsonValue &value) {
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &item : value.toArray())
            array.append(mask(item));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
        *it = isSecret(it.key()) ? QJsonValue(QStringLiteral("***")) : mask(*it);
    return object;
}
} // namespace

QString WireLog::masked(const QByteArray &body) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return QString::fromUtf8(body);
    const QJsonValue root =
        document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    const QJsonValue hidden = mask(root);
    return QString::fromUtf8(
        (hidden.isArray() ? QJsonDocument(hidden.toArray()) : QJsonDocument(hidden.toObject()))
            .toJson(QJsonDocument::Compact));
}
