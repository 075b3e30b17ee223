#pragma once

#include "ui/KeyboardVC.h"

#include <QDate>
#include <QStringList>

// The second step: the birthday as eight one-digit fields, day, month and year. Each typed
// digit moves on to the next field, Backspace in an empty field steps back, and "Далее" opens
// only for a real date on which the user is between 18 and 99 years old today.
class BirthdayInputVC : public KeyboardVC {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("created by the name step")
    Q_PROPERTY(QStringList digits READ digits NOTIFY digitsChanged)

public:
    static constexpr int kFieldCount = 8;

    explicit BirthdayInputVC(QString name, Services services = {}, QObject *parent = nullptr);

    QUrl viewSource() const override { return qmlView("onboarding/BirthdayInputView.qml"); }

    QString name() const { return m_name; }
    QStringList digits() const { return m_digits; }
    /// The eight digits in order: the text form "ddMMyyyy" the service takes.
    QString birthday() const { return m_digits.join(QString()); }

    /// The field at `index` proposes its new text: one decimal digit or nothing. A digit typed
    /// moves the focus on.
    Q_INVOKABLE bool proposeDigit(int index, const QString &text);
    /// Backspace in the empty field at `index` clears the field before it and focuses that.
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

    QString m_name;
    QStringList m_digits;
    QDate m_today;
};
