// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyActions.h"
#include "ui/ViewController.h"

// A message on a dimmed backdrop that any tap or Return dismisses at once.
class AlertTextVC : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created in C++")
    Q_PROPERTY(QString message READ message CONSTANT)

public:
    explicit AlertTextVC(QString message, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("ui/AlertTextView.qml"); }
    QString message() const { return m_message; }

    Q_INVOKABLE void tapped() { dismiss(false); }
    Q_INVOKABLE void returnPressed() { dismiss(false); }
    Q_INVOKABLE void escapePressed() { dismiss(false); }
    bool handleKey(KeyCommand command) override {
        return runKeyAction(command, {{KeyCommand::Return, [this] { returnPressed(); }},
                                      {KeyCommand::Escape, [this] { escapePressed(); }}});
    }

private:
    QString m_message;
};
