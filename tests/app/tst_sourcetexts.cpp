// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "Fixtures.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

QString read(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The spans of the log's statements: their lines are for developers and stay as they are.
QList<std::pair<qsizetype, qsizetype>> logCalls(const QString &text) {
    static const QRegularExpression statement(
        QStringLiteral("\\bqC(?:Debug|Info|Warning|Critical)\\("));
    QList<std::pair<qsizetype, qsizetype>> spans;
    for (const auto &match : statement.globalMatch(text)) {
        qsizetype i = match.capturedEnd();
        int depth = 1;
        bool inString = false;
        for (; i < text.size() && (inString || depth > 0 || text.at(i) != u';'); ++i) {
            const QChar c = text.at(i);
            if (inString)
                inString = c == u'\\' ? (++i, true) : c != u'"';
            else if (c == u'"')
                inString = true;
            else
                depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
        }
        spans.append({match.capturedStart(), i});
    }
    return spans;
}

// Russian text that reaches the user without going through the translation functions, as
// "file:line: text" lines: C++ literals outside tr()/translate() and the log, and QML texts,
// names and placeholders outside qsTr().
QStringList untranslated(const QString &root) {
    static const QRegularExpression cppLiteral(
        QStringLiteral("QStringLiteral\\(\\s*\"((?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression qmlText(
        QStringLiteral("\\b(?:text|Accessible\\.name|placeholderText|title)\\s*:\\s*\"([^\"]*)\""));
    QStringList found;
    QDirIterator files(root,
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.qml")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString text = read(path);
        const bool qml = path.endsWith(u".qml");
        const auto spans = qml ? QList<std::pair<qsizetype, qsizetype>>() : logCalls(text);
        for (const auto &match : (qml ? qmlText : cppLiteral).globalMatch(text)) {
            const qsizetype at = match.capturedStart();
            const qsizetype lineStart = text.lastIndexOf(u'\n', at) + 1;
            if (text.mid(lineStart, at - lineStart).contains(QStringLiteral("//")))
                continue;
            const bool logged = std::any_of(spans.cbegin(), spans.cend(), [at](const auto &span) {
                return at >= span.first && at < span.second;
            });
            if (!logged && match.captured(1).contains(kCyrillic))
                found << QStringLiteral("%1:%2: %3")
                             .arg(QDir(root).relativeFilePath(path))
                             .arg(text.left(at).count(u'\n') + 1)
                             .arg(match.captured(1));
        }
    }
    return found;
}

// Text elements that do not declare themselves plain text, as "file:line" entries. Rich text
// makes the text engine fetch images and follow styles, so only the client's own texts may
// be styled, and those are listed here by file and id.
QStringList unstatedTextFormats(const QString &root) {
    static const QStringList ownStyledTexts = {QStringLiteral("account/StartView.qml#consent")};
    static const QRegularExpression opening(QStringLiteral("^\\s*(?:[\\w.]+:\\s*)?Text \\{\\s*$"));
    static const QRegularExpression id(QStringLiteral("^\\s*id:\\s*(\\w+)"));
    QStringList found;
    QDirIterator files(root, {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = QDir(root).relativeFilePath(path);
        const QStringList lines = read(path).split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!opening.match(lines.at(i)).hasMatch())
                continue;
            QString format;
            QString name;
            int depth = 1;
            for (qsizetype j = i + 1; j < lines.size() && depth > 0; ++j) {
                const QString &line = lines.at(j);
                if (depth == 1 && line.contains(u"textFormat:"))
                    format = line.section(u':', 1).trimmed();
                if (depth == 1 && id.match(line).hasMatch())
                    name = id.match(line).captured(1);
                depth += int(line.count(u'{')) - int(line.count(u'}'));
            }
            if (format != u"Text.PlainText" && !ownStyledTexts.contains(relative + u'#' + name))
                found << QStringLiteral("%1:%2").arg(relative).arg(i + 1);
        }
    }
    return found;
}

// Fonts set piece by piece instead of taken whole from the theme's type scale, as "file:line"
// entries: a size or a family written out on one screen drifts from the same role on the next.
QStringList looseFonts(const QString &root) {
    static const QRegularExpression qmlPiece(
        QStringLiteral("\\bfont\\.(?:family|pixelSize|pointSize|weight|bold)\\s*:"));
    static const QRegularExpression cppFamily(
        QStringLiteral("\\bQFont(?:\\s+\\w+)?\\s*[({]\\s*QStringLiteral|\\bsetFamily\\("));
    QStringList found;
    QDirIterator files(root, {QStringLiteral("*.cpp"), QStringLiteral("*.qml")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString text = read(path);
        const auto &piece = path.endsWith(u".qml") ? qmlPiece : cppFamily;
        for (const auto &match : piece.globalMatch(text))
            found << QStringLiteral("%1:%2")
                         .arg(QDir(root).relativeFilePath(path))
                         .arg(text.left(match.capturedStart()).count(u'\n') + 1);
    }
    return found;
}

} // namespace

class TestSourceTexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextTheUserReadsIsTranslatable() {
        const QStringList found = untranslated(QStringLiteral(ZIREL_SOURCE_DIR));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    void everyTextShowsPlainTextUnlessItIsTheClientsOwn() {
        const QStringList found = unstatedTextFormats(QStringLiteral(ZIREL_SOURCE_DIR));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));

        QTemporaryDir dir;
        QVERIFY(Fixtures::writeFile(
            dir.filePath(QStringLiteral("a/View.qml")),
            "Item {\n    Text {\n        text: name\n    }\n"
            "    Text {\n        textFormat: Text.PlainText\n        text: name\n    }\n"
            "    contentItem: Text {\n        textFormat: Text.RichText\n    }\n}\n"));
        QCOMPARE(unstatedTextFormats(dir.path()),
                 QStringList({QStringLiteral("a/View.qml:2"), QStringLiteral("a/View.qml:9")}));
    }

    void everyFontComesFromTheTypeScale() {
        const QStringList found = looseFonts(QStringLiteral(ZIREL_SOURCE_DIR));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));

        QTemporaryDir dir;
        QVERIFY(Fixtures::writeFile(dir.filePath(QStringLiteral("a/View.qml")),
                                    "Text {\n    font: Theme.body\n}\n"
                                    "Text {\n    font.pixelSize: 15\n    font.bold: true\n}\n"));
        QVERIFY(Fixtures::writeFile(dir.filePath(QStringLiteral("a/Label.cpp")),
                                    "QFont f(Theme::fontFamily());\n"
                                    "QFont g(QStringLiteral(\"Inter\"));\n"));
        QStringList loose = looseFonts(dir.path());
        loose.sort();
        QCOMPARE(loose,
                 QStringList({QStringLiteral("a/Label.cpp:2"), QStringLiteral("a/View.qml:5"),
                              QStringLiteral("a/View.qml:6")}));
    }

    // The check sees bare texts in C++ and QML and lets translated ones, log lines and
    // technical strings pass.
    void theCheckFindsBareTexts() {
        QTemporaryDir dir;
        QVERIFY(Fixtures::writeFile(
            dir.filePath(QStringLiteral("a/Screen.cpp")),
            "QString a() { return QStringLiteral(\"Привет\"); }\n"
            "QString b() { return tr(\"Пока\"); }\n"
            "void c() { qCWarning(lcFeed).noquote() << (flag ? QStringLiteral(\"x\")\n"
            "                : QStringLiteral(\"Ошибка: \")) + reason; }\n"
            "const auto key = QStringLiteral(\"screen\");\n"));
        QVERIFY(Fixtures::writeFile(
            dir.filePath(QStringLiteral("a/View.qml")),
            "Item {\n    Text { text: \"Войти\" }\n    Text { text: qsTr(\"Выйти\") }\n"
            "    Accessible.name: \"Назад\"\n    // text: \"Комментарий\"\n}\n"));
        QStringList found = untranslated(dir.path());
        found.sort();
        QCOMPARE(found, QStringList({QStringLiteral("a/Screen.cpp:1: Привет"),
                                     QStringLiteral("a/View.qml:2: Войти"),
                                     QStringLiteral("a/View.qml:4: Назад")}));
    }
};

QTEST_GUILESS_MAIN(TestSourceTexts)
#include "tst_sourcetexts.moc"
