// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

#include "onboarding/BirthdayInputVC.h"

#include "api/Birthday.h"
#include "onboarding/GenderInputVC.h"
#include "onboarding/RegistrationDraft.h"
#include "ui/NavigationContainer.h"

#include <algorithm>
#include <array>

namespace {
// Which part of the date the digit at each place of "ddMMyyyy" belongs to.
int partOf(int index) {
    return index < 2 ? 0 : index < 4 ? 1 : 2;
}
} // namespace

BirthdayInputVC::BirthdayInputVC(QString name, Services services, QObject *parent,
                                 const QLocale &locale)
    : KeyboardVC(QStringLiteral("BirthdayInputVC"), services, parent)
    , m_name(std::move(name))
    , m_digits(kFieldCount)
    , m_order(fieldOrder(locale)) {}

QList<int> BirthdayInputVC::fieldOrder(const QLocale &locale) {
    // The short date format names the parts in the locale's order ("dd.MM.yyyy", "M/d/yy",
    // "yyyy-MM-dd"); a part it leaves out keeps its place after those it names.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const auto place = [&format](QChar letter) {
        const qsizetype at = format.indexOf(letter);
        return at < 0 ? format.size() : at;
    };
    struct Part {
        qsizetype at;
        int first, count;
    };
    std::array<Part, 3> parts{{{place(u'd'), 0, 2}, {place(u'M'), 2, 2}, {place(u'y'), 4, 4}}};
    std::stable_sort(parts.begin(), parts.end(),
                     [](const Part &a, const Part &b) { return a.at < b.at; });
    QList<int> order;
    for (const Part &part : parts)
        for (int i = 0; i < part.count; ++i)
            order.append(part.first + i);
    return order;
}

bool BirthdayInputVC::separatorAfter(int position) const {
    return position >= 0 && position + 1 < m_order.size() &&
           partOf(m_order.at(position)) != partOf(m_order.at(position + 1));
}

int BirthdayInputVC::shownBeside(int index, int step) const {
    const qsizetype here = m_order.indexOf(index);
    const qsizetype there = here + step;
    return here >= 0 && there >= 0 && there < m_order.size() ? m_order.at(there) : -1;
}

bool BirthdayInputVC::proposeDigit(int index, const QString &text) {
    if (index < 0 || index >= kFieldCount || text.size() > 1 ||
        (text.size() == 1 && !(text.at(0) >= u'0' && text.at(0) <= u'9')))
        return false;
    // The same digit typed over itself is still typed: the next one goes to the next field.
    if (text != m_digits.at(index)) {
        m_digits[index] = text;
        Q_EMIT digitsChanged();
        validate();
    }
    if (const int next = shownBeside(index, 1); !text.isEmpty() && next >= 0)
        Q_EMIT focusRequested(next);
    return true;
}

void BirthdayInputVC::deletePressedInEmptyField(int index) {
    const int previous = shownBeside(index, -1);
    if (previous < 0)
        return;
    m_digits[previous].clear();
    Q_EMIT digitsChanged();
    validate();
    Q_EMIT focusRequested(previous);
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

int BirthdayInputVC::openingField() const {
    for (int index : m_order)
        if (m_digits.at(index).isEmpty())
            return index;
    return m_order.last();
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
    RegistrationDraft(services().secureStore()).update([this](auto &kept) {
        kept.birthday = birthday();
    });
    if (NavigationContainer *navigation = navigationContainer())
        navigation->push(new GenderInputVC(m_name, birthday(), services()), true);
}
