// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "feed/NoteMessageVC.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestNoteMessage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theLimitCountsPerceivedCharacters() {
        NoteMessageVC note{QString(), QImage()};
        QCOMPARE(note.counterText(), QStringLiteral("0/140"));
        QVERIFY(note.proposeText(QString(139, QLatin1Char('a'))));
        QVERIFY(note.shouldChangeCharacters(139, 0, QStringLiteral("b")));
        QCOMPARE(note.counterText(), QStringLiteral("140/140"));
        QVERIFY(!note.shouldChangeCharacters(140, 0, QStringLiteral("c")));
        QCOMPARE(note.text().size(), 140);
        // Replacing within the limit is fine; a range outside the text is refused.
        QVERIFY(note.shouldChangeCharacters(0, 1, QStringLiteral("z")));
        QVERIFY(!note.shouldChangeCharacters(139, 5, QString()));
        QVERIFY(note.text().startsWith(u'z'));

        // A thumbs-up with a skin tone is four UTF-16 units and one character.
        const QString thumb = QStringLiteral("\U0001F44D\U0001F3FD");
        NoteMessageVC emoji{QString(), QImage()};
        QVERIFY(emoji.proposeText(QString(139, QLatin1Char('a')) + thumb));
        QCOMPARE(emoji.counterText(), QStringLiteral("140/140"));
        QCOMPARE(NoteMessageVC::perceivedLength(QStringLiteral("e\u0301")), 1);
    }

    void aPasteBeyondTheLimitIsRefusedWhole() {
        NoteMessageVC note{QString(), QImage()};
        QVERIFY(note.proposeText(QStringLiteral("Привет, ")));
        const QString before = note.text();
        QVERIFY(!note.proposeText(before + QString(150 - before.size(), QLatin1Char('x'))));
        QCOMPARE(note.text(), before);
        QCOMPARE(note.counterText(), QStringLiteral("8/140"));
        // The field's whole text is diffed against the kept one, so an edit in the middle works.
        QVERIFY(note.proposeText(QStringLiteral("Привет, мир")));
        QVERIFY(note.proposeText(QStringLiteral("Приве, мир")));
        QCOMPARE(note.text(), QStringLiteral("Приве, мир"));
    }

    // It comes after the delay; each button hands the super-like over with the note it means,
    // and the screen goes once the service has it or it is kept to be sent again.
    void itAppearsAfterTheDelayAndHandsTheNoteOver() {
        ViewController feed(QStringLiteral("MainVC"));
        QImage photo(40, 20, QImage::Format_RGB32);
        photo.fill(Qt::red);
        const QList<std::pair<const char *, QString>> actions{
            {"sendButtonTapped", QStringLiteral("Привет")},
            {"skipButtonTapped", QString()},
            {"returnPressed", QStringLiteral("Привет")},
            {"escapePressed", QString()}};
        for (const auto &[action, sent] : actions) {
            QPointer<NoteMessageVC> note = new NoteMessageVC(QStringLiteral("U1"), photo);
            QVERIFY(note->avatarSource().startsWith(u"data:image/png;base64,"));
            QVERIFY(note->proposeText(QStringLiteral("Привет")));
            QSignalSpy chosen(note.data(), &NoteMessageVC::noteChosen);
            note->showOver(&feed);
            QTest::qWait(100);
            QVERIFY(!feed.presentedViewController());
            QTRY_COMPARE(feed.presentedViewController(), note.data());
            QMetaObject::invokeMethod(note, action);
            QCOMPARE(chosen.size(), 1);
            QCOMPARE(chosen.first().first().toString(), sent);
            QCOMPARE(feed.presentedViewController(), note.data());
            note->answered(
                Result<SwipeResponse>::failure(APIError::noAnswer(QStringLiteral("Нет связи"))));
            QVERIFY(!feed.presentedViewController());
            QTRY_VERIFY(!note);
        }
    }
};

QTEST_MAIN(TestNoteMessage)
#include "tst_notemessage.moc"
