// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyActions.h"
#include "ui/ViewController.h"

// A titled question over the window with one action and, optionally, a cancel action; both
// close it. Used to confirm removing a match and to report why that failed.
class ChoiceAlertVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(QString heading READ heading CONSTANT)
    Q_PROPERTY(QString message READ message CONSTANT)
    Q_PROPERTY(QString actionTitle READ actionTitle CONSTANT)
    Q_PROPERTY(QString cancelTitle READ cancelTitle CONSTANT)

public:
    /// An empty cancelTitle leaves the alert with its one action.
    ChoiceAlertVC(QString heading, QString message, QString actionTitle, QString cancelTitle = {},
                  QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("ui/ChoiceAlertView.qml"); }

    QString heading() const { return m_heading; }
    QString message() const { return m_message; }
    QString actionTitle() const { return m_actionTitle; }
    QString cancelTitle() const { return m_cancelTitle; }

    Q_INVOKABLE void actionTapped();
    Q_INVOKABLE void cancelTapped();
    Q_INVOKABLE void escapePressed() { cancelTapped(); }
    /// Return presses the action only where it is the alert's one button, a notice's "ОК": a
    /// choice beside a cancel (removing a match) is never made by a key meant for something else.
    bool handleKey(KeyCommand command) override;

Q_SIGNALS:
    /// The action was chosen; emitted after the alert closed.
    void accepted();
    /// The cancel action was chosen, or Escape pressed; emitted after the alert closed.
    void declined();

private:
    QString m_heading;
    QString m_message;
    QString m_actionTitle;
    QString m_cancelTitle;
};
