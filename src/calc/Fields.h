#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace tw {

// The four field helpers every check and calculation reads fields with. None of
// them throws, whatever the text.

// The number at the start of the text: blanks, tabs and line feeds are skipped
// anywhere; optional sign, digits, at most one "." (whatever the locale), optional
// exponent (E or D); "&H" and "&O" read hexadecimal and octal. No number gives 0.
// "12abc" is 12, "1,500" is 1, "abc" and "" are 0. For machine text (the
// program's own plain numbers, version numbers).
double NumberValue(const QString& text);
// The same for text the user typed or saw: where the locale's decimal separator is
// not a period, the first of that separator and a period is the decimal point
// ("95,5" and "95.5" are both 95.5 in German); in period locales as above.
double NumberValue(const QString& text, const QLocale& locale);

// True when the whole text, apart from surrounding blanks, is a number written in
// the user's locale: sign, digits with optional group separators, the locale's
// decimal separator (or a period where that separator is not one), optional
// exponent. Empty or blank text is not a number.
bool IsNumberText(const QString& text, const QLocale& locale);
// The value of a text that IsNumberText accepts, read by the locale's separators
// ("1.500,5" is 1500.5 in German); nullopt for any other text.
std::optional<double> LocaleNumber(const QString& text, const QLocale& locale);

// The date the text holds by the user's locale rules: day-month-year (or the
// locale's own order) with "-", "/" or "." between numbers, two- or four-digit
// years (00-29 are 2000-2029, 30-99 are 1930-1999), the locale's short date, and
// "dd-mmm-yyyy" with the locale's (or English) abbreviated or full month names.
std::optional<QDate> ParseDate(const QString& text, const QLocale& locale);
bool IsDateText(const QString& text, const QLocale& locale);

// Whole days from a to b, negative when b is earlier.
qint64 DaysBetween(const QDate& a, const QDate& b);
// The same for two date texts; nullopt when either is not a date.
std::optional<qint64> DaysBetween(const QString& a, const QString& b, const QLocale& locale);

}  // namespace tw
