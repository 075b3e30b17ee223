#include "store/Age.h"

namespace {
constexpr int kUnknownAge = 25;
}

int Age::years(QDate born, QDate today) {
    int age = today.year() - born.year();
    if (today.month() < born.month() || (today.month() == born.month() && today.day() < born.day()))
        --age;
    return age;
}

int Age::fromBirthday(const QString &ddMMyyyy, QDate today) {
    const QDate born = QDate::fromString(ddMMyyyy, QStringLiteral("ddMMyyyy"));
    return born.isValid() ? years(born, today) : kUnknownAge;
}
