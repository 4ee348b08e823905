#pragma once
#include <QLocale>
#include <QString>

namespace tw {

// The three-letter month word of the "dd-mmm-yyyy" and "dd-mmm-yy" forms. It is the
// locale's abbreviated month name without its closing period, cut to three
// characters, so that a written date always fits the logs' 11-character date
// columns. A locale whose cut names would collide (two months both "jui") uses the
// English names instead.
QString MonthAbbreviation(int month, const QLocale& locale);

// The month (1-12) a word names, compared without case and without a closing
// period: the locale's abbreviated and full names (format and stand-alone forms),
// the three-letter words of MonthAbbreviation, and the English names in any
// locale. 0 when the word names no month.
int MonthFromName(const QString& word, const QLocale& locale);

}  // namespace tw
