// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "details/UserInfoVC.h"

#include "account/AccountAlertVC.h"
#include "api/Endpoints.h"
#include "cards/ButtonStackView.h"
#include "cards/CardButton.h"
#include "details/ReportAlertVC.h"
#include "details/UserInfoImageCell.h"
#include "platform/DiagnosticLog.h"
#include "ui/AlertErrorVC.h"
#include "ui/ChoiceAlertVC.h"
#include "ui/MainThreadReceiver.h"

UserInfoVC::UserInfoVC(CardModel model, ProfileAnswers answers, bool reportRow, Services services,
                       QObject *parent)
    : ViewController(QStringLiteral("UserInfoVC"), services, parent)
    , m_model(std::move(model))
    , m_answers(std::move(answers))
    , m_isMain(m_answers.opener != nullptr)
    , m_network(services.network())
    , m_imageCell(new UserInfoImageCell(m_model, services, this))
    , m_buttons(new ButtonStackView(this, ButtonStackView::Row::Details)) {
    using Kind = RowModel::Kind;
    using Row = RowModel::Row;
    // The gap between two rows.
    const Row gap = Row::spacer(9);
    QList<Row> rows{Row::of(Kind::Photos)};
    if (const QString about = aboutMe(); !about.isEmpty())
        rows << gap << Row::of(Kind::About, about);
    rows << gap << Row::of(Kind::MainInfo);
    if (m_isMain)
        rows << gap << Row::of(Kind::Button);
    if (m_isMain || reportRow)
        rows << gap << Row::of(Kind::DestructiveButton);
    m_rows.setRows(rows);
    QList<InfoType> seen;
    for (const InfoItem &item : std::as_const(m_model.info)) {
        if (item.type != InfoType::About && !seen.contains(item.type)) {
            seen.append(item.type);
            m_filteredInfoTexts.append(item);
        }
    }
    connect(m_buttons, &ButtonStackView::buttonTapped, this, &UserInfoVC::buttonTapped);
}

UserInfoVC::~UserInfoVC() = default;

QString UserInfoVC::aboutMe() const {
    for (const InfoItem &item : m_model.info)
        if (item.type == InfoType::About)
            return item.value;
    return {};
}

QVariantList UserInfoVC::mainInfo() const {
    QVariantList lines;
    for (const InfoItem &item : m_filteredInfoTexts)
        lines.append(QVariantMap{{QStringLiteral("icon"), InfoItem::iconName(item.type)},
                                 {QStringLiteral("value"), item.value}});
    return lines;
}

void UserInfoVC::rowSelected(int row) {
    if (row < 0 || row >= m_rows.rowCount())
        return;
    if (m_rows.rows().at(row).kind == RowModel::Kind::DestructiveButton)
        report();
    else if (m_rows.rows().at(row).kind == RowModel::Kind::Button && !m_blocking)
        confirmBlock();
}

bool UserInfoVC::handleKey(KeyCommand command) {
    if (!m_isMain)
        return false;
    return runKeyAction(command,
                        {{KeyCommand::Left, [this] { buttonTapped(m_buttons->passButton()); }},
                         {KeyCommand::Right, [this] { buttonTapped(m_buttons->likeButton()); }}});
}

void UserInfoVC::buttonTapped(CardButton *button) {
    closeAndReport(button);
}

void UserInfoVC::closeAndReport(CardButton *button) {
    // Closing only schedules this screen's deletion, so the button is still there to hand on. The
    // profile beside the feed's cards is not presented and has nothing to close.
    if (isPresented())
        dismiss(false);
    if (m_answers.opener && m_answers.chosen)
        m_answers.chosen(button->tag());
}

void UserInfoVC::setBlocking(bool blocking) {
    if (blocking == m_blocking)
        return;
    m_blocking = blocking;
    Q_EMIT isBlockingChanged();
}

void UserInfoVC::closeForGood() {
    if (m_answers.opener && m_answers.closedForGood)
        m_answers.closedForGood(m_model.userID);
}

void UserInfoVC::report() {
    auto *alert = new ReportAlertVC();
    alert->setReason(m_reportDraft);
    connect(alert, &ReportAlertVC::sendRequested, this,
            [this, alert](const QString &reason) { sendReport(alert, reason); });
    // Cancelled, also while the report is on its way (its answer then goes unheard), the text
    // waits for the next report.
    connect(alert, &ReportAlertVC::cancelled, this,
            [this, alert] { m_reportDraft = alert->reason(); });
    present(alert, PresentationStyle::CrossDissolve, true);
}

void UserInfoVC::sendReport(ReportAlertVC *alert, const QString &reason) {
    if (reason.isEmpty()) {
        alert->present(
            new ChoiceAlertVC(tr("Ошибка"), tr("Причина жалобы не может быть пустой."), tr("ОК")),
            PresentationStyle::CrossDissolve, true);
        return;
    }
    alert->setSending(true);
    Endpoints::complain(
        m_model.userID, reason,
        [to = MainThreadReceiver(this),
         from = QPointer<ReportAlertVC>(alert)](const Result<EmptyResponse> &result) {
            to.post([from, result](UserInfoVC &self) {
                if (!from)
                    return;
                from->setSending(false);
                if (result.ok()) {
                    self.m_reportDraft.clear();
                    self.closeForGood();
                    from->dismiss(false);
                    self.present(new ChoiceAlertVC(tr("Жалоба отправлена"),
                                                   tr("Спасибо, мы рассмотрим твою жалобу."),
                                                   tr("ОК")),
                                 PresentationStyle::CrossDissolve, true);
                } else {
                    // The reason stays in the field underneath, ready to be sent again.
                    from->present(new ChoiceAlertVC(tr("Ошибка"), result.error().reason, tr("ОК")),
                                  PresentationStyle::CrossDissolve, true);
                }
            });
        },
        m_network);
}

void UserInfoVC::confirmBlock() {
    auto *sheet = new AccountAlertVC(tr("Заблокировать пользователя?"), QString(),
                                     {{tr("Да, заблокировать"), AccountAlertVC::Destructive,
                                       [self = QPointer<UserInfoVC>(this)](const QString &) {
                                           if (self && !self->m_blocking)
                                               self->block();
                                       }},
                                      {tr("Отмена"), AccountAlertVC::Cancel, {}}});
    present(sheet, PresentationStyle::CrossDissolve, true);
}

void UserInfoVC::block() {
    setBlocking(true);
    Endpoints::blockUser(
        m_model.userID,
        [to = MainThreadReceiver(this),
         userID = m_model.userID](const Result<EmptyResponse> &result) {
            qCInfo(lcDetails).noquote() << QStringLiteral("blockUserID: ") + userID;
            to.post([result](UserInfoVC &self) {
                self.setBlocking(false);
                if (result.ok()) {
                    self.closeForGood();
                    self.closeAndReport(self.m_buttons->passButton());
                } else {
                    AlertErrorVC::show(&self, result.error().reason);
                }
            });
        },
        m_network);
}
