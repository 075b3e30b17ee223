// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "platform/AppLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const QString kCatalogues = QStringLiteral(":/i18n");
const QString kSourceLanguage = QStringLiteral("ru");
} // namespace

QString AppLanguage::install(const QLocale &locale) {
    static QTranslator texts;
    static QTranslator qtTexts;
    static QTranslator qtDialogTexts;
    QCoreApplication::removeTranslator(&texts);
    QCoreApplication::removeTranslator(&qtTexts);
    QCoreApplication::removeTranslator(&qtDialogTexts);
    if (!texts.load(locale, QStringLiteral("zirel"), QStringLiteral("_"), kCatalogues))
        (void)texts.load(QStringLiteral("zirel_") + kSourceLanguage, kCatalogues);
    const QString language =
        texts.isEmpty() ? kSourceLanguage : texts.language().section(u'_', 0, 0);
    QCoreApplication::installTranslator(&texts);
    // The dialogs Qt draws itself (the file dialog's buttons) speak the same language.
    if (qtTexts.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    // Qt's catalogues leave a few texts of its file dialog untranslated.
    if (qtDialogTexts.load(QStringLiteral("qtdialogs_") + language, kCatalogues))
        QCoreApplication::installTranslator(&qtDialogTexts);
    return language;
}
