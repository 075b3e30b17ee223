// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/KeyboardVC.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QStringList>

// The second step: the birthday as eight one-digit fields, day, month and year, shown in the
// order the user's locale writes dates (month first in the United States, year first in Sweden
// or Japan). Each typed digit moves on to the next field shown, Backspace in an empty field steps
// back, and "Далее" opens only for a real date on which the user is between 18 and 99 years old
// today.
class BirthdayInputVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the name step")
    Q_PROPERTY(QStringList digits READ digits NOTIFY digitsChanged)
    Q_PROPERTY(QList<int> fieldOrder READ fieldOrder CONSTANT)
    // The field the step opens on, by its place in "ddMMyyyy": the first empty one as shown,
    // or the last shown when all are filled.
    Q_PROPERTY(int openingField READ openingField NOTIFY digitsChanged)

public:
    static constexpr int kFieldCount = 8;

    explicit BirthdayInputVC(QString name, Services services, QObject *parent = nullptr,
                             const QLocale &locale = QLocale());

    QUrl viewSource() const override { return qmlView("onboarding/BirthdayInputView.qml"); }

    QString name() const { return m_name; }
    /// The digits in the order of "ddMMyyyy", whatever order they are shown in.
    QStringList digits() const { return m_digits; }
    /// The fields as shown, left to right, each by its place in "ddMMyyyy".
    QList<int> fieldOrder() const { return m_order; }
    [[nodiscard]] int openingField() const;
    /// Whether a separator follows the field shown at `position`: it ends the day, the month or
    /// the year and another part comes after it.
    Q_INVOKABLE bool separatorAfter(int position) const;
    /// Where each digit of "ddMMyyyy" is shown for dates written as in `locale`.
    [[nodiscard]] static QList<int> fieldOrder(const QLocale &locale);
    /// The eight digits in order: the text form "ddMMyyyy" the service takes.
    QString birthday() const { return m_digits.join(QString()); }

    /// The field at `index` (its place in "ddMMyyyy") proposes its new text: one decimal digit or
    /// nothing. A digit typed moves the focus on to the next field shown.
    Q_INVOKABLE bool proposeDigit(int index, const QString &text);
    /// Backspace in the empty field at `index` clears the field shown before it and focuses that.
    Q_INVOKABLE void deletePressedInEmptyField(int index);

    /// Whether "ddMMyyyy" is a real date on which someone is 18 to 99 years old on `today`.
    [[nodiscard]] static bool isAcceptable(const QString &ddMMyyyy, QDate today);
    /// Tests fix the day the age is counted on.
    void setToday(QDate today);

Q_SIGNALS:
    void digitsChanged();
    /// The view moves the keyboard focus to the field at `index`.
    void focusRequested(int index);

protected:
    void next() override;

private:
    void validate();
    QDate today() const;
    /// The field shown `step` places from the one at `index`; -1 past either end.
    int shownBeside(int index, int step) const;

    QString m_name;
    QStringList m_digits;
    QList<int> m_order;
    QDate m_today;
};
