#include "onboarding/BirthdayInputVC.h"

#include "api/Birthday.h"
#include "onboarding/GenderInputVC.h"
#include "ui/NavigationContainer.h"

BirthdayInputVC::BirthdayInputVC(QString name, Services services, QObject *parent)
    : KeyboardVC(QStringLiteral("BirthdayInputVC"), services, parent)
    , m_name(std::move(name))
    , m_digits(kFieldCount) {}

bool BirthdayInputVC::proposeDigit(int index, const QString &text) {
    if (index < 0 || index >= kFieldCount || text.size() > 1 ||
        (text.size() == 1 && !(text.at(0) >= u'0' && text.at(0) <= u'9')))
        return false;
    if (text == m_digits.at(index))
        return true;
    m_digits[index] = text;
    Q_EMIT digitsChanged();
    validate();
    if (!text.isEmpty() && index + 1 < kFieldCount)
        Q_EMIT focusRequested(index + 1);
    return true;
}

void BirthdayInputVC::deletePressedInEmptyField(int index) {
    if (index <= 0 || index >= kFieldCount)
        return;
    m_digits[index - 1].clear();
    Q_EMIT digitsChanged();
    validate();
    Q_EMIT focusRequested(index - 1);
}

bool BirthdayInputVC::isAcceptable(const QString &ddMMyyyy, QDate today) {
    if (ddMMyyyy.size() != kFieldCount)
        return false;
    bool dayOk = false, monthOk = false, yearOk = false;
    const int day = ddMMyyyy.left(2).toInt(&dayOk);
    const int month = ddMMyyyy.mid(2, 2).toInt(&monthOk);
    const int year = ddMMyyyy.mid(4).toInt(&yearOk);
    const QDate born(year, month, day);
    if (!dayOk || !monthOk || !yearOk || !born.isValid() || born > today)
        return false;
    const int age = Birthday::wholeYears(born, today);
    return age >= 18 && age <= 99;
}

void BirthdayInputVC::setToday(QDate today) {
    m_today = today;
    validate();
}

QDate BirthdayInputVC::today() const {
    return m_today.isValid() ? m_today : QDate::currentDate();
}

void BirthdayInputVC::validate() {
    setNextEnabled(isAcceptable(birthday(), today()));
}

void BirthdayInputVC::next() {
    if (NavigationContainer *navigation = navigationContainer())
        navigation->push(new GenderInputVC(m_name, birthday(), services()), true);
}
