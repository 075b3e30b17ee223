// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "DrawnWindow.h"
#include "FakeService.h"
#include "Fixtures.h"
#include "TestServices.h"
#include "account/AccountAlertVC.h"
#include "api/NetworkService.h"
#include "cards/ButtonStackView.h"
#include "cards/CardButton.h"
#include "details/ReportAlertVC.h"
#include "details/UserInfoImageCell.h"
#include "details/UserInfoVC.h"
#include "ui/AlertErrorVC.h"
#include "ui/ChoiceAlertVC.h"
#include "ui/Window.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {
using Kind = RowModel::Kind;

// An opener that takes the details' buttons, as the feed and the likes screen do.
class Opener : public QObject {
public:
    QList<int> tags;
    ProfileAnswers answers() {
        return {this, [this](int tag) { tags.append(tag); }, {}};
    }
};

CardModel person(bool withAbout = true) {
    CardModel model;
    model.userID = QStringLiteral("U7");
    model.name = QStringLiteral("Вера");
    model.age = QStringLiteral("27");
    if (withAbout)
        model.info.append({InfoType::About, QStringLiteral("Люблю горы")});
    model.info.append({InfoType::Distance, QStringLiteral("3 км")});
    model.info.append({InfoType::Position, QStringLiteral("Врач")});
    model.info.append({InfoType::Distance, QStringLiteral("9 км")});
    model.info.append({InfoType::City, QStringLiteral("Тверь")});
    return model;
}

QImage picture(QColor color) {
    QImage image(QSize(6, 8), QImage::Format_RGB32);
    image.fill(color);
    return image;
}
} // namespace

class TestUserInfo : public QObject {
    Q_OBJECT

    TestServices m_services;

    std::unique_ptr<FakeService> m_fake;
    std::unique_ptr<NetworkService> m_network;
    std::unique_ptr<Window> m_window;
    ViewController *m_root = nullptr;

    // The details presented over a root screen, as an opener presents them.
    UserInfoVC *present(Opener *opener, bool reportRow = false) {
        auto *info = new UserInfoVC(person(), opener ? opener->answers() : ProfileAnswers(),
                                    reportRow, m_services.services().setNetwork(*m_network));
        m_root->present(info, PresentationStyle::PageSheet, false);
        return info;
    }
    // The details with the report row, drawn in `drawn`, with their report alert open.
    bool openDrawnReport(DrawnWindow &drawn, UserInfoVC **info, ReportAlertVC **alert) {
        auto *root = new ViewController(QStringLiteral("Root"));
        drawn.window().setRoot(root);
        if (!drawn.show())
            return false;
        *info = new UserInfoVC(person(), {}, true, m_services.services().setNetwork(*m_network));
        root->present(*info, PresentationStyle::PageSheet, false);
        QSignalSpy drawnFrame(drawn.quick(), &QQuickWindow::frameSwapped);
        (*info)->rowSelected(rowOf(*info, Kind::DestructiveButton));
        *alert = qobject_cast<ReportAlertVC *>((*info)->presentedViewController());
        // Its buttons have their places once the alert has been drawn, not before.
        return *alert != nullptr && drawnFrame.wait();
    }
    static int rowOf(UserInfoVC *info, RowModel::Kind kind) { return info->rows()->find(kind); }
    static QList<RowModel::Kind> kinds(UserInfoVC &&info) {
        QList<RowModel::Kind> found;
        for (const RowModel::Row &row : info.rows()->rows())
            found.append(row.kind);
        return found;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_fake = std::make_unique<FakeService>();
        QVERIFY(m_fake->start());
        m_network = m_fake->client();
        m_window = std::make_unique<Window>();
        m_root = new ViewController(QStringLiteral("Root"));
        m_window->setRoot(m_root);
    }

    void rowsFollowTheOpenerAndTheProfile() {
        Opener opener;
        const QList<Kind> profile{Kind::Photos, Kind::Spacer, Kind::About, Kind::Spacer,
                                  Kind::MainInfo};
        const QList<Kind> buttons{Kind::Spacer, Kind::Button, Kind::Spacer,
                                  Kind::DestructiveButton};
        const QList<Kind> report{Kind::Spacer, Kind::DestructiveButton};
        // The feed and the likes screen (an opener; its report flag does not matter), the
        // conversation (report row only) and the own-profile preview (neither).
        QCOMPARE(kinds(UserInfoVC(person(), opener.answers(), false, m_services.services())),
                 profile + buttons);
        QCOMPARE(kinds(UserInfoVC(person(), opener.answers(), true, m_services.services())),
                 profile + buttons);
        QCOMPARE(kinds(UserInfoVC(person(), {}, true, m_services.services())), profile + report);
        QCOMPARE(kinds(UserInfoVC(person(), {}, false, m_services.services())), profile);
        QCOMPARE(kinds(UserInfoVC(person(false), opener.answers(), false, m_services.services())),
                 QList<Kind>({Kind::Photos, Kind::Spacer, Kind::MainInfo}) + buttons);

        const UserInfoVC info(person(), {}, false, m_services.services());
        QCOMPARE(info.aboutMe(), QStringLiteral("Люблю горы"));
        // The first line of each kind, in order; the about text has its own row.
        QCOMPARE(info.filteredInfoTexts(),
                 (QList<InfoItem>{{InfoType::Distance, QStringLiteral("3 км")},
                                  {InfoType::Position, QStringLiteral("Врач")},
                                  {InfoType::City, QStringLiteral("Тверь")}}));
    }

    // The keyboard goes back to the reason field after the refusal of an empty reason and after
    // a failed send, so the user types on where they were.
    void theReasonFieldGetsTheKeysBackAfterAnInnerAlert() {
        DrawnWindow drawn{m_services.services()};
        UserInfoVC *info = nullptr;
        ReportAlertVC *alert = nullptr;
        QVERIFY(openDrawnReport(drawn, &info, &alert));
        QQuickWindow *quick = drawn.quick();
        const auto fieldHasKeys = [quick] {
            const QQuickItem *item = quick->activeFocusItem();
            return item && item->property("placeholderText").toString() ==
                               QStringLiteral("Введи причину жалобы");
        };
        QTRY_VERIFY(fieldHasKeys());
        QTest::keyClick(quick, Qt::Key_Return);
        QVERIFY(qobject_cast<ChoiceAlertVC *>(alert->presentedViewController()));
        QTest::keyClick(quick, Qt::Key_Return);
        QVERIFY(!alert->presentedViewController());
        QTRY_VERIFY(fieldHasKeys());

        m_fake->respond("complain", 500, R"({"error":true,"reason":"Сбой"})");
        QTest::sendKeyEvent(QTest::Click, quick, Qt::Key_unknown, QStringLiteral("x"), {});
        QCOMPARE(alert->reason(), QStringLiteral("x"));
        QQuickItem *send = drawn.findWith("text", QStringLiteral("Отправить"));
        QVERIFY(send);
        drawn.click(send);
        QTRY_VERIFY(qobject_cast<ChoiceAlertVC *>(alert->presentedViewController()));
        QTest::keyClick(quick, Qt::Key_Return);
        QTRY_VERIFY(fieldHasKeys());
        QTest::sendKeyEvent(QTest::Click, quick, Qt::Key_unknown, QStringLiteral("y"), {});
        QCOMPARE(alert->reason(), QStringLiteral("xy"));
    }

    void reportRefusesLongAndEmptyReasonsAndKeepsTheTextWhenItFails() {
        UserInfoVC *info = present(nullptr, true);
        info->rowSelected(rowOf(info, Kind::Spacer)); // only button rows react
        QVERIFY(!info->presentedViewController());
        info->rowSelected(rowOf(info, Kind::DestructiveButton));
        auto *alert = qobject_cast<ReportAlertVC *>(info->presentedViewController());
        QVERIFY(alert);

        alert->setReason(QString(501, u'я'));
        QCOMPARE(alert->reason(), QString());
        alert->setReason(QString(500, u'я'));
        QCOMPARE(alert->reason().size(), 500);

        alert->setReason(QString());
        alert->sendTapped();
        auto *refusal = qobject_cast<ChoiceAlertVC *>(alert->presentedViewController());
        QVERIFY(refusal);
        QVERIFY(refusal->handleKey(KeyCommand::Return)); // a notice's one button
        QVERIFY(!alert->presentedViewController());
        QVERIFY(m_fake->requestsTo("complain").isEmpty());

        m_fake->respond("complain", 500, R"({"error":true,"reason":"Сбой"})");
        alert->setReason(QStringLiteral(" спам "));
        alert->sendTapped();
        QTRY_VERIFY(qobject_cast<ChoiceAlertVC *>(alert->presentedViewController()));
        auto *failure = qobject_cast<ChoiceAlertVC *>(alert->presentedViewController());
        QCOMPARE(failure->message(), QStringLiteral("Сбой"));
        failure->actionTapped();
        QCOMPARE(info->presentedViewController(), alert);
        QCOMPARE(alert->reason(), QStringLiteral(" спам "));
        QCOMPARE(m_fake->requestsTo("complain").last().json(),
                 (QJsonObject{{"toUserID", "U7"}, {"message", " спам "}}));

        m_fake->respond("complain", 200, "{}");
        alert->sendTapped();
        // The thanks replace the report screen; a failure would come up over it.
        QTRY_VERIFY(qobject_cast<ChoiceAlertVC *>(info->presentedViewController()));
    }

    // With a slow service the send shows it is under way and "Отмена" still closes the alert;
    // the next report starts with what was typed, and the late answer changes nothing.
    void aReportOnItsWayCanBeCancelledAndItsTextIsKept() {
        DrawnWindow drawn{m_services.services()};
        UserInfoVC *info = nullptr;
        ReportAlertVC *alert = nullptr;
        QVERIFY(openDrawnReport(drawn, &info, &alert));
        m_fake->respondDelayed("complain", std::chrono::milliseconds(400), 200, "{}");
        alert->setReason(QStringLiteral("спам"));
        QTRY_VERIFY(drawn.quick()->activeFocusItem() &&
                    drawn.quick()->activeFocusItem()->property("text") == QStringLiteral("спам"));
        drawn.click(drawn.findWith("text", QStringLiteral("Отправить")));
        QVERIFY(alert->isSending());
        QQuickItem *cancel = drawn.findWith("text", QStringLiteral("Отмена"));
        QVERIFY(cancel && cancel->isEnabled());
        drawn.click(cancel);
        QTRY_VERIFY(!info->presentedViewController());
        QTRY_COMPARE(m_fake->requestsTo("complain").size(), 1);
        QTest::qWait(600);
        QVERIFY(!info->presentedViewController());

        info->rowSelected(rowOf(info, Kind::DestructiveButton));
        alert = qobject_cast<ReportAlertVC *>(info->presentedViewController());
        QVERIFY(alert);
        QCOMPARE(alert->reason(), QStringLiteral("спам"));
    }

    void blockClosesAndPassesOrSaysWhyNot() {
        Opener opener;
        UserInfoVC *info = present(&opener);
        const auto confirm = [info] {
            info->rowSelected(rowOf(info, Kind::Button));
            auto *sheet = qobject_cast<AccountAlertVC *>(info->presentedViewController());
            QVERIFY(sheet);
            sheet->actionTapped(0);
        };
        m_fake->respond("user/block", 500, R"({"error":true,"reason":"Нет связи"})");
        confirm();
        QTRY_VERIFY(qobject_cast<AlertErrorVC *>(info->presentedViewController()));
        QCOMPARE(qobject_cast<AlertErrorVC *>(info->presentedViewController())->message(),
                 QStringLiteral("Нет связи"));
        QCOMPARE(m_root->presentedViewController(), info);
        QVERIFY(opener.tags.isEmpty());
        info->presentedViewController()->dismiss(false);

        m_fake->respond("user/block", 200, "{}");
        confirm();
        QTRY_VERIFY(!m_root->presentedViewController());
        QCOMPARE(opener.tags, QList<int>{ButtonStackView::PassTag});
        QCOMPARE(m_fake->requestsTo("user/block").last().json(), (QJsonObject{{"toUserID", "U7"}}));
    }

    void buttonsCloseTheScreenThenReachTheOpenerWhileItLives() {
        auto opener = std::make_unique<Opener>();
        UserInfoVC *info = present(opener.get());
        QCOMPARE(info->buttonStackView()->placedContainers().size(), 3); // no undo
        info->buttonStackView()->noteButton()->click();
        QVERIFY(!m_root->presentedViewController());
        QCOMPARE(opener->tags, QList<int>{ButtonStackView::NoteTag});

        info = present(opener.get());
        QVERIFY(info->handleKey(KeyCommand::Right));
        QCOMPARE(opener->tags.last(), int(ButtonStackView::LikeTag));

        info = present(opener.get());
        opener.reset();
        info->handleKey(KeyCommand::Left);
        QVERIFY(!m_root->presentedViewController());

        // Opened from a conversation the keys are left to the window.
        QVERIFY(!present(nullptr, true)->handleKey(KeyCommand::Left));
    }

    void photoRowDownloadsAllPagesWithoutWrappingOrShowsThePlaceholder() {
        m_fake->respond("a.png", 200, Fixtures::png({8, 6}, Qt::red));
        m_fake->respond("b.png", 200, Fixtures::png({5, 7}, Qt::green));
        CardModel model = person();
        const QString base = m_fake->baseUrl();
        model.photoURLs = QStringList{base + "a.png", base + "missing.png", base + "b.png"};
        UserInfoImageCell cell(model, m_services.services());
        QVERIFY(cell.isLoading());
        QVERIFY(!cell.showsPlaceholder());
        QTRY_VERIFY(!cell.isLoading());
        QCOMPARE(cell.count(), 2);
        QCOMPARE(cell.image().size(), QSize(8, 6));
        cell.tap(10, 100);
        QCOMPARE(cell.currentIndex(), 0);
        cell.tap(90, 100);
        cell.tap(90, 100);
        QCOMPARE(cell.currentIndex(), 1);
        QCOMPARE(cell.image().size(), QSize(5, 7));
        cell.tap(10, 100);
        QCOMPARE(cell.currentIndex(), 0);

        // Far from the first pages only the first, the shown and the next photo hold pixels; a
        // photo paged back to is decoded again and announced, the one before it staying in
        // view meanwhile.
        m_fake->respond("c.png", 200, Fixtures::png({9, 9}, Qt::blue));
        model.photoURLs =
            QStringList{base + "a.png", base + "b.png", base + "c.png", base + "a.png"};
        UserInfoImageCell many(model, m_services.services());
        QTRY_COMPARE(many.count(), 4);
        many.step(1);
        many.step(1);
        QTRY_COMPARE(many.images()[3].size(), QSize(8, 6));
        QVERIFY(many.images()[1].isNull());
        QSignalSpy paged(&many, &UserInfoImageCell::pageChanged);
        many.step(-1);
        QCOMPARE(many.image().size(), QSize(9, 9));
        QTRY_COMPARE(many.image().size(), QSize(5, 7));
        QCOMPARE(paged.size(), 2);

        CardModel inMemory = person();
        inMemory.images = {picture(Qt::blue), picture(Qt::red)};
        inMemory.photoURLs = QStringList{base + "a.png"};
        const UserInfoImageCell held(inMemory, m_services.services());
        QVERIFY(!held.isLoading());
        QCOMPARE(held.count(), 2);

        QVERIFY(UserInfoImageCell(person(), m_services.services()).showsPlaceholder());
        model.photoURLs = QStringList{base + "missing.png", QStringLiteral("no address")};
        UserInfoImageCell none(model, m_services.services());
        QTRY_VERIFY(!none.isLoading());
        QVERIFY(none.showsPlaceholder());
        QCOMPARE(none.count(), 0);
    }
};

QTEST_MAIN(TestUserInfo)
#include "tst_userinfo.moc"
