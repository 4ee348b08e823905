#pragma once
#include <QDate>
#include <QLocale>
#include <QString>

namespace tw {

// A date as the program writes it back into a date field: the user's short date
// form, but with the year always in full. Short forms such as "M/d/yy" would
// otherwise turn 31 December 2050 into "12/31/50", which reads back as 1950.
QString FieldDateText(const QDate& date, const QLocale& locale);

}  // namespace tw
