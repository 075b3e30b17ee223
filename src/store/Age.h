#pragma once

#include <QDate>
#include <QString>

// Ages in whole years, as profiles show them and the age range starts from.
class Age {
public:
    /// Whole years from `born` to `today`: a birthday counts from its day on, and someone born
    /// on 29 February has it on 1 March in a year without one.
    [[nodiscard]] static int years(QDate born, QDate today);
    /// The age for a birthday kept as "ddMMyyyy"; 25 when the text is no such date.
    [[nodiscard]] static int fromBirthday(const QString &ddMMyyyy, QDate today);
};
