#pragma once
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tw {

// Display formats the program writes into fields and files.

// General number format: as many digits as the value needs (up to 15 significant),
// "." as the decimal point, no group separators, no trailing zeros ("0" for 0).
QString GeneralNumber(double value);

// A fixed pattern such as "0", "0.0", "0.00" or "0.0000": at least one digit before
// the decimal separator and exactly `decimals` after it, rounded half away from
// zero, with the locale's decimal separator and no grouping.
QString FixedNumber(double value, int decimals, const QLocale& locale);

// Formats the leading number of a text with a fixed pattern; an empty text stays empty.
QString FormatFieldText(const QString& text, int decimals, const QLocale& locale);

// The number in the user's currency format (symbol, grouping, the currency's decimals).
QString CurrencyText(double value, const QLocale& locale);

// The locale's own currency symbol ("£" in en_GB, "$" in en_US, "€" in de_DE);
// empty for the C locale.
QString CurrencySymbolOf(const QLocale& locale);

// "05-Mar-2010": two-digit day, the locale's abbreviated month name, four-digit year.
QString LongDate(const QDate& date, const QLocale& locale);
// The user's short date form with the year in full ("27.05.2025", not "27.05.25"):
// every date the program shows, in fields, tooltips, the History window and the
// logs' time stamps, is written so.
QString ShortDate(const QDate& date, const QLocale& locale);
// Short date, a blank and the time as "hh:mm:ss" (the logs' time stamp).
QString TimeStamp(const QDateTime& when, const QLocale& locale);
// "dd-mmm-yy hh:mm:ss" (the configuration file and the updater log).
QString ShortStamp(const QDateTime& when, const QLocale& locale);

// Right-aligns text in width n with blanks in front. A longer text is kept whole:
// a fixed-column field widens rather than lose its leading digits.
QString RightAlign(const QString& text, int width);

}  // namespace tw
