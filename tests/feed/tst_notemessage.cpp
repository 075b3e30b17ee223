#include "feed/NoteMessageVC.h"

#include <QStandardPaths>
#include <QTest>

class TestNoteMessage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theLimitCountsPerceivedCharacters() {
        NoteMessageVC note{QImage()};
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
        NoteMessageVC emoji{QImage()};
        QVERIFY(emoji.proposeText(QString(139, QLatin1Char('a')) + thumb));
        QCOMPARE(emoji.counterText(), QStringLiteral("140/140"));
        QCOMPARE(NoteMessageVC::perceivedLength(QStringLiteral("e\u0301")), 1);
    }

    void aPasteBeyondTheLimitIsRefusedWhole() {
        NoteMessageVC note{QImage()};
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

    void itAppearsAfterTheDelayAndEveryButtonClosesIt() {
        ViewController feed(QStringLiteral("MainVC"));
        QImage photo(40, 20, QImage::Format_RGB32);
        photo.fill(Qt::red);
        for (const char *action : {"sendButtonTapped", "skipButtonTapped", "returnPressed"}) {
            QPointer<NoteMessageVC> note = new NoteMessageVC(photo);
            QVERIFY(note->avatarSource().startsWith(u"data:image/png;base64,"));
            note->showOver(&feed);
            QTest::qWait(100);
            QVERIFY(!feed.presentedViewController());
            QTRY_COMPARE(feed.presentedViewController(), note.data());
            QMetaObject::invokeMethod(note, action);
            QVERIFY(!feed.presentedViewController());
            QTRY_VERIFY(!note);
        }
    }
};

QTEST_MAIN(TestNoteMessage)
#include "tst_notemessage.moc"
