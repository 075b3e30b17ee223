// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Fixtures.h"
#include <QDir>

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The folders of src/ from the bottom up. A folder may include only folders on lower levels;
// folders on one level stay out of each other, so no two features grow into one.
const QHash<QString, int> kLevels = {
    {QStringLiteral("platform"), 0},   {QStringLiteral("api"), 1},
    {QStringLiteral("media"), 1},      {QStringLiteral("store"), 2},
    {QStringLiteral("controls"), 2},   {QStringLiteral("ui"), 3},
    {QStringLiteral("account"), 4},    {QStringLiteral("cardstack"), 4},
    {QStringLiteral("photos"), 4},     {QStringLiteral("cards"), 5},
    {QStringLiteral("settings"), 5},   {QStringLiteral("feed"), 6},
    {QStringLiteral("chats"), 6},      {QStringLiteral("profile"), 6},
    {QStringLiteral("onboarding"), 6}, {QStringLiteral("likes"), 6},
    {QStringLiteral("details"), 6},    {QStringLiteral("app"), 7},
};

// Includes of the project's own headers that do not name a folder: the build's generated
// configuration, and what moc writes.
bool isUnfoldered(const QString &include) {
    return include == u"BuildConfigValues.h" || include.endsWith(u".moc") ||
           include.startsWith(u"moc_");
}

// Every include in the tree that breaks the layering, as "file: include" lines, and every
// forward declaration of a class from a folder the file may not include, as "file: Class
// (folder)": a declaration ties a file to that folder as surely as an include does.
QStringList violations(const QString &root) {
    static const QRegularExpression includeLine(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""),
                                                QRegularExpression::MultilineOption);
    static const QRegularExpression definition(
        QStringLiteral("^(?:class|struct)\\s+(\\w+)\\b[^;{]*\\{"),
        QRegularExpression::MultilineOption);
    static const QRegularExpression declaration(QStringLiteral("^(?:class|struct)\\s+(\\w+);"),
                                                QRegularExpression::MultilineOption);
    QStringList found;
    const QDir src(root);
    const auto mayUse = [](const QString &folder, const QString &target) {
        return target == folder || kLevels.value(target, -1) < kLevels.value(folder);
    };
    QHash<QString, QString> texts; // relative path -> contents
    QHash<QString, QString> definedIn;
    for (const QString &folder : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!kLevels.contains(folder)) {
            found << folder + QStringLiteral(": a folder with no level");
            continue;
        }
        QDirIterator files(src.filePath(folder), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            texts.insert(src.relativeFilePath(path), text);
            if (path.endsWith(u".h"))
                for (const auto &match : definition.globalMatch(text))
                    definedIn.insert(match.captured(1), folder);
        }
    }
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const QString folder = it.key().section(u'/', 0, 0);
        for (const auto &match : includeLine.globalMatch(it.value())) {
            const QString include = match.captured(1);
            const bool ok = include.contains(u'/') ? mayUse(folder, include.section(u'/', 0, 0))
                                                   : isUnfoldered(include);
            if (!ok)
                found << it.key() + QStringLiteral(": ") + include;
        }
        for (const auto &match : declaration.globalMatch(it.value())) {
            const QString target = definedIn.value(match.captured(1));
            if (!target.isEmpty() && !mayUse(folder, target))
                found << QStringLiteral("%1: %2 (%3)").arg(it.key(), match.captured(1), target);
        }
    }
    return found;
}

// The classes still reached through a process-wide instance: the loaders of the two plugins,
// which load once per process. Everything else comes with the screen's services, made once by
// the application.
const QStringList kStillShared = {
    QStringLiteral("Cameras"),
    QStringLiteral("Imaging"),
};

// "file: Class" for every use of a process-wide instance outside the application's wiring that
// is not one of those above.
QStringList sharedInstanceUses(const QString &root) {
    static const QRegularExpression use(QStringLiteral("\\b(\\w+)::shared\\("));
    QStringList found;
    QDirIterator files(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    const QDir src(root);
    while (files.hasNext()) {
        const QString path = src.relativeFilePath(files.next());
        if (path.startsWith(u"app/"))
            continue;
        QFile file(src.filePath(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const auto &match : use.globalMatch(QString::fromUtf8(file.readAll())))
            if (!kStillShared.contains(match.captured(1)))
                found << path + QStringLiteral(": ") + match.captured(1);
    }
    return found;
}

} // namespace

class TestLayering : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theClientKeepsItsLayers() {
        const QStringList found = violations(QStringLiteral(ZIREL_SOURCE_DIR));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    void screensUseTheServicesTheyAreHanded() {
        const QStringList found = sharedInstanceUses(QStringLiteral(ZIREL_SOURCE_DIR));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));

        QTemporaryDir dir;
        QVERIFY(Fixtures::writeFile(dir.filePath(QStringLiteral("feed/MainVC.cpp")),
                                    "NetworkService::shared().setBaseUrl(u);\n"
                                    "Imaging::shared();\n"));
        QVERIFY(Fixtures::writeFile(dir.filePath(QStringLiteral("app/main.cpp")),
                                    "UserManager::shared();\n"));
        QCOMPARE(sharedInstanceUses(dir.path()),
                 QStringList{QStringLiteral("feed/MainVC.cpp: NetworkService")});
    }

    // The check sees an include that goes up, one across a level, one without its folder, a
    // folder nobody placed and a class declared from a folder above, and lets downward and
    // own-folder includes and declarations pass.
    void theCheckFindsEveryKindOfBreach() {
        QTemporaryDir dir;
        const QString root = dir.path();
        QVERIFY(Fixtures::writeFile(
            root + QStringLiteral("/feed/MainVC.cpp"),
            "#include \"feed/MainVC.h\"\n#include \"cardstack/SwipeCard.h\"\n"
            "#include \"ui/Window.h\"\n#include \"BuildConfigValues.h\"\n#include <QTimer>\n"));
        QVERIFY(Fixtures::writeFile(root + QStringLiteral("/api/User.h"),
                                    "#include \"ui/Window.h\"\n"));
        QVERIFY(Fixtures::writeFile(root + QStringLiteral("/chats/ChatsVC.cpp"),
                                    " # include \"feed/MainVC.h\"\n"));
        QVERIFY(Fixtures::writeFile(root + QStringLiteral("/media/Photo.cpp"),
                                    "#include \"Photo.h\"\n"));
        QVERIFY(Fixtures::writeFile(root + QStringLiteral("/extras/Thing.h"), "\n"));
        QVERIFY(Fixtures::writeFile(root + QStringLiteral("/cards/CardView.h"),
                                    "struct CardModel {\n    QString name;\n};\n"
                                    "class CardView : public QObject {};\n"));
        QVERIFY(Fixtures::writeFile(root + QStringLiteral("/ui/Screens.h"),
                                    "class Window;\nstruct CardModel;\nclass Unknown;\n"));
        QStringList found = violations(root);
        found.sort();
        QCOMPARE(found, QStringList({QStringLiteral("api/User.h: ui/Window.h"),
                                     QStringLiteral("chats/ChatsVC.cpp: feed/MainVC.h"),
                                     QStringLiteral("extras: a folder with no level"),
                                     QStringLiteral("media/Photo.cpp: Photo.h"),
                                     QStringLiteral("ui/Screens.h: CardModel (cards)")}));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
