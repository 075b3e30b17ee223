// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "store/BioScreening.h"

#include <QCoreApplication>
#include <QRegularExpression>

bool BioScreening::acceptsEdit(const QString &text) {
    return text.size() <= kMaxLength && !text.contains(QStringLiteral("\n\n")) &&
           !text.contains(QStringLiteral("  "));
}

std::optional<QString> BioScreening::message(const QString &bio) {
    // Addresses ending in .com or .ru with or without a scheme, bare domains of those two, and
    // any "@handle".
    static const QRegularExpression links(
        QStringLiteral(R"((https?://[^\s]*\.(com|ru)|www\.[^\s]*\.(com|ru)|)"
                       R"(\b[a-zA-Z0-9.-]+\.(com|ru)\b|@[a-zA-Z0-9_.]+))"),
        QRegularExpression::UseUnicodePropertiesOption);
    if (links.match(bio).hasMatch())
        return QCoreApplication::translate(
            "BioScreening", "Обнаружены ссылки или упоминания соцсетей, что недопустимо.");

    // Abbreviations of the photo and messenger networks people write to move a chat elsewhere;
    // the two short ones only count as words followed by a space.
    const QString lowered = bio.toLower();
    for (QStringView keyword : {u"инст", u"тг ", u"inst", u"tg "}) {
        if (lowered.contains(keyword))
            return QCoreApplication::translate("BioScreening",
                                               "Обнаружно упоминания соцсетей, что недопустимо.");
    }
    return std::nullopt;
}
