// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/CardModel.h"
#include "ui/KeyActions.h"
#include "ui/ProfileAnswers.h"
#include "ui/RowModel.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <QVariantList>

class ButtonStackView;
class CardButton;
class NetworkService;
class ReportAlertVC;
class UserInfoImageCell;

// Another person's profile in full: the photos, the about text, the main information and,
// depending on who opened it, the pass, note and like buttons and the rows that block or
// report the person. A button press closes the screen first and is then handed to the screen
// that opened it, which acts on its card; a block is handed back as a pass.
class UserInfoVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by ScreenFactory")
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString age READ age CONSTANT)
    Q_PROPERTY(bool hasCheckmark READ hasCheckmark CONSTANT)
    Q_PROPERTY(bool isMain READ isMain CONSTANT)
    Q_PROPERTY(bool isBlocking READ isBlocking NOTIFY isBlockingChanged)
    Q_PROPERTY(RowModel *rows READ rows CONSTANT)
    Q_PROPERTY(QString aboutMe READ aboutMe CONSTANT)
    Q_PROPERTY(QVariantList mainInfo READ mainInfo CONSTANT)
    Q_PROPERTY(UserInfoImageCell *imageCell READ imageCell CONSTANT)
    Q_PROPERTY(ButtonStackView *buttonStackView READ buttonStackView CONSTANT)
    Q_MOC_INCLUDE("cards/ButtonStackView.h")

public:
    /// Presses go to the opener while it lives; without one, `reportRow` offers the report row.
    UserInfoVC(CardModel model, ProfileAnswers answers, bool reportRow, Services services,
               QObject *parent = nullptr);
    ~UserInfoVC() override;

    QUrl viewSource() const override { return qmlView("details/UserInfoView.qml"); }
    bool navigationBarHidden() const override { return true; }

    [[nodiscard]] const CardModel &model() const { return m_model; }
    QString name() const { return m_model.name; }
    QString age() const { return m_model.age; }
    bool hasCheckmark() const { return m_model.hasCheckmark; }
    bool isMain() const { return m_isMain; }
    /// A block is on its way: the block row shows it and takes no second press.
    bool isBlocking() const { return m_blocking; }
    /// The photos, the about text when there is one, the main information and the button rows:
    /// blocking is the plain button, reporting the destructive one.
    RowModel *rows() { return &m_rows; }
    /// The value of the first about line; empty when there is none.
    [[nodiscard]] QString aboutMe() const;
    /// The distance, position, education and city lines in their order, the first of each.
    [[nodiscard]] const QList<InfoItem> &filteredInfoTexts() const { return m_filteredInfoTexts; }
    /// The same lines for the drawing: each with its symbol.
    QVariantList mainInfo() const;
    UserInfoImageCell *imageCell() const { return m_imageCell; }
    ButtonStackView *buttonStackView() const { return m_buttons; }

    /// A click anywhere on the header closes the screen.
    Q_INVOKABLE void headerTapped() { dismiss(false); }
    /// Only the button rows react.
    Q_INVOKABLE void rowSelected(int row);
    bool handleKey(KeyCommand command) override;

    /// The screen's own button row.
    void buttonTapped(CardButton *button);

Q_SIGNALS:
    void isBlockingChanged();

private:
    void report();
    void sendReport(ReportAlertVC *alert, const QString &reason);
    void confirmBlock();
    void block();
    /// Closes the screen, then hands the press to the opener if it is still there.
    void closeAndReport(CardButton *button);
    void setBlocking(bool blocking);
    /// Tells the opener, if it is still there, that the person is blocked or reported.
    void closeForGood();

    CardModel m_model;
    ProfileAnswers m_answers;
    bool m_blocking = false;
    // What the user typed in a report they cancelled, offered again by the next one.
    QString m_reportDraft;
    bool m_isMain;
    RowModel m_rows;
    QList<InfoItem> m_filteredInfoTexts;
    NetworkService &m_network;
    UserInfoImageCell *m_imageCell;
    ButtonStackView *m_buttons;
};
