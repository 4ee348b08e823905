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
// The number a field holds, read the one way every check, normalisation and
// calculation reads it: LocaleNumber, and 0 for text that is not a number.
double NumberValue(const QString& text, const QLocale& locale);
// The number at the start of a text, with the locale's decimal separator or a
// period as the decimal point ("95,5" and "95.5" are both 95.5 in German) and the
// rest ignored. For the settings file and shown amounts, never to judge a field.
double SettingNumber(const QString& text, const QLocale& locale);

// The one reader of numbers typed or shown in the user's locale. The whole text,
// apart from surrounding blanks, must be: an optional sign; digits, grouped by the
// locale's group separator only where the groups are well formed ("1.100" and
// "12.345,6" in German; "3 000" with a blank, no-break or narrow no-break space in
// French; "1'250" in Swiss German); the locale's decimal separator and digits, or a
// period as the decimal point where it cannot be a group separator ("0.65" and
// "1.5" in German); an optional exponent. Anything else ("8O", "1,5" in English)
// is not a number: nullopt.
std::optional<double> LocaleNumber(const QString& text, const QLocale& locale);
bool IsNumberText(const QString& text, const QLocale& locale);

// The date the text holds by the user's locale rules: day-month-year (or the
// locale's own order) with "-", "/" or "." between numbers, two- or four-digit
// years (00-99 are 2000-2099), the locale's short date, and
// "dd-mmm-yyyy" with the locale's (or English) abbreviated or full month names.
std::optional<QDate> ParseDate(const QString& text, const QLocale& locale);
bool IsDateText(const QString& text, const QLocale& locale);

// Whole days from a to b, negative when b is earlier.
qint64 DaysBetween(const QDate& a, const QDate& b);
// The same for two date texts; nullopt when either is not a date.
std::optional<qint64> DaysBetween(const QString& a, const QString& b, const QLocale& locale);

}  // namespace tw
