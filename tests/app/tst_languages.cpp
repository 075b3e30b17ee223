// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "TestServices.h"
#include "TourStops.h"
#include "TourWindow.h"
#include "app/AppScreens.h"
#include "platform/AppLanguage.h"
#include "store/UserManager.h"

#include <QFile>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(ZirelDemoPlugin)

namespace {
const QString kCatalogues = QStringLiteral(ZIREL_SOURCE_DIR "/../translations");

struct Entry {
    QString context;
    QString source;
    QStringList translations;
    bool unfinished = false;
};

QList<Entry> entries(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> found;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            found.append({context, {}, {}, false});
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (name == u"source") {
            found.last().source = xml.readElementText();
        } else if (name == u"translation") {
            found.last().unfinished = xml.attributes().hasAttribute(QLatin1String("type"));
            if (!numerus)
                found.last().translations << xml.readElementText();
        } else if (name == u"numerusform") {
            found.last().translations << xml.readElementText();
        }
    }
    return found;
}

// A text as a pattern for whole texts on a screen: its numbers and names are placeholders, and
// a text that is a piece joined to others ("% ЗАПОЛНЕНО" after the number) may have more around.
QRegularExpression pattern(const QString &text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9n]"));
    QStringList parts;
    for (const QString &part : text.split(placeholder))
        parts << QRegularExpression::escape(part);
    QString body = parts.join(QStringLiteral(".*"));
    if (text.front().isSpace() || text.front() == u'%')
        body.prepend(QStringLiteral(".*"));
    if (text.back().isSpace())
        body.append(QStringLiteral(".*"));
    return QRegularExpression(QRegularExpression::anchoredPattern(body),
                              QRegularExpression::DotMatchesEverythingOption);
}

// The texts of one language: the Russian sources, or the English catalogue's texts.
QList<QRegularExpression> patterns(bool english) {
    QList<QRegularExpression> found;
    for (const Entry &entry : entries(kCatalogues + QStringLiteral("/zirel_en.ts")))
        for (const QString &text : english ? entry.translations : QStringList{entry.source})
            if (!text.trimmed().isEmpty())
                found << pattern(text);
    return found;
}

void collectTexts(const QQuickItem *item, QStringList &texts) {
    if (!item->isVisible())
        return;
    for (const char *property : {"text", "placeholderText"}) {
        const QVariant value = item->property(property);
        if (value.metaType() == QMetaType::fromType<QString>() && !value.toString().isEmpty())
            texts << value.toString();
    }
    const QList<QQuickItem *> children = item->childItems();
    for (const QQuickItem *child : children)
        collectTexts(child, texts);
}

// "stop: text" for every text on the tour's screens that belongs to the other language.
QStringList foreignTexts(const QList<QRegularExpression> &foreign, const Services &services) {
    QStringList found;
    for (const TourStop &stop : tourStops()) {
        const TourWindow window(stop, services);
        if (!window.quick()) {
            found << stop.name + QStringLiteral(": did not load");
            continue;
        }
        QStringList texts;
        collectTexts(window.quick()->contentItem(), texts);
        for (const QString &text : std::as_const(texts))
            if (std::any_of(foreign.cbegin(), foreign.cend(),
                            [&](const auto &re) { return re.match(text).hasMatch(); }))
                found << stop.name + QStringLiteral(": ") + text;
    }
    return found;
}
} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { AppLanguage::install(QLocale(QLocale::Russian)); }

    // A newcomer's text shows up here: the catalogues must hold every text of the sources,
    // translated, and nothing the sources no longer have.
    void theCataloguesMatchTheSources() {
        QTemporaryDir dir;
        for (const QString &name : {QStringLiteral("zirel_en.ts"), QStringLiteral("zirel_ru.ts")})
            QVERIFY(QFile::copy(kCatalogues + u'/' + name, dir.filePath(name)));
        QProcess update;
        update.start(kCatalogues + QStringLiteral("/update"),
                     {QStringLiteral(ZIREL_LUPDATE), dir.path()});
        QVERIFY(update.waitForFinished(60000));
        QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());
        QStringList untranslated;
        QStringList behind;
        for (const QString &name : {QStringLiteral("zirel_en.ts"), QStringLiteral("zirel_ru.ts")}) {
            const QList<Entry> updated = entries(dir.filePath(name));
            QVERIFY(!updated.isEmpty());
            for (const Entry &entry : updated)
                if (entry.unfinished || entry.translations.contains(QString()))
                    untranslated << name + u' ' + entry.context + QStringLiteral(": ") +
                                        entry.source;
            QFile checkedIn(kCatalogues + u'/' + name);
            QFile fresh(dir.filePath(name));
            QVERIFY(checkedIn.open(QIODevice::ReadOnly) && fresh.open(QIODevice::ReadOnly));
            if (checkedIn.readAll() != fresh.readAll())
                behind << name;
        }
        QVERIFY2(untranslated.isEmpty(),
                 qPrintable(QStringLiteral("Run ninja -C build update_translations and translate "
                                           "these in translations/:\n") +
                            untranslated.join(u'\n')));
        QVERIFY2(behind.isEmpty(),
                 qPrintable(behind.join(u' ') + QStringLiteral(" lag behind the sources: run ninja "
                                                               "-C build update_translations")));
    }

    // English for an English desktop, the Russian texts for Russian and for any language
    // without a catalogue, with Qt's own texts to match.
    void theDesktopsLanguageChoosesTheTexts() {
        const auto discover = [] { return QCoreApplication::translate("TabBar", "Находки"); };
        const auto qtCancel = [] {
            return QCoreApplication::translate("QPlatformTheme", "Cancel");
        };
        const auto qtFilter = [] { return QCoreApplication::translate("FileDialog", "Filter"); };
        QCOMPARE(AppLanguage::install(QLocale(QLocale::English, QLocale::UnitedKingdom)),
                 QStringLiteral("en"));
        QCOMPARE(discover(), QStringLiteral("Discover"));
        QCOMPARE(qtCancel(), QStringLiteral("Cancel"));
        QCOMPARE(qtFilter(), QStringLiteral("Filter"));
        for (const QLocale &locale : {QLocale(QLocale::Russian), QLocale(QLocale::German)}) {
            QCOMPARE(AppLanguage::install(locale), QStringLiteral("ru"));
            QCOMPARE(discover(), QStringLiteral("Находки"));
            QCOMPARE(qtCancel(), QStringLiteral("Отмена"));
            QCOMPARE(qtFilter(), QStringLiteral("Фильтр"));
        }
    }

    // Every screen of the tour, in English and in Russian: no text of the other language is
    // left on it. What people wrote and what the service says stay as they come.
    void theTourScreensSpeakOneLanguage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("english");
        QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedStates) << true;
        QTest::newRow("ru") << QLocale(QLocale::Russian) << false;
    }

    void theTourScreensSpeakOneLanguage() {
        QFETCH(QLocale, locale);
        QFETCH(bool, english);
        AppLanguage::install(locale);
        // A new installation in the language under test: the fresh user record's placeholder
        // name is a text too, and the other row's record is in the same settings file.
        const TestServices client;
        client.services().user().setCurrentUser(UserManager::initialUser());
        AppScreens::install(client.services().screens());
        const QList<QRegularExpression> foreign = patterns(!english);
        QVERIFY(foreign.size() > 200);
        const QStringList found = foreignTexts(foreign, client.services());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
