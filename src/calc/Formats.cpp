#include "calc/Formats.h"

#include "calc/FieldDate.h"
#include "calc/Fields.h"
#include "calc/MonthNames.h"
#include "calc/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tw {

namespace {

// Infinity and NaN never reach a field: the largest double stands for an
// infinity, 0 for a NaN.
double Displayable(double value) {
  if (std::isnan(value)) return 0;
  if (std::isinf(value)) return std::copysign(std::numeric_limits<double>::max(), value);
  return value;
}

// A value rounded to a number of decimals, as text: sign, whole digits and
// decimal digits, ASCII only.
struct RoundedText {
  bool negative = false;
  QString whole;
  QString decimals;
};

// Rounds the value's shortest 15-digit decimal form (so 2.675 is rounded as 2.675,
// not as the binary 2.67499999...) half away from zero.
RoundedText RoundHalfAway(double value, int decimals) {
  value = Displayable(value);
  // "d.dddddddddddddde+XX": the first 15 significant digits and the exponent.
  const QString scientific = QString::number(std::fabs(value), 'e', 14);
  const qsizetype e = scientific.indexOf(QLatin1Char('e'));
  QString digits = scientific.left(1) + scientific.mid(2, e - 2);
  const int exponent = scientific.mid(e + 1).toInt();

  // Place the decimal point: `point` digits of `digits` stand before it.
  qsizetype point = exponent + 1;
  if (point < 0) {
    digits.prepend(QString(-point, QLatin1Char('0')));
    point = 0;
  }
  const qsizetype keep = point + decimals;
  if (digits.size() <= keep) {
    digits += QString(keep - digits.size(), QLatin1Char('0'));
  } else {
    const bool roundUp = digits[keep] >= QLatin1Char('5');
    digits.truncate(keep);
    for (qsizetype i = keep - 1; roundUp && i >= 0; --i) {
      if (digits[i] != QLatin1Char('9')) {
        digits[i] = QChar(digits[i].unicode() + 1);
        break;
      }
      digits[i] = QLatin1Char('0');
      if (i == 0) {
        digits.prepend(QLatin1Char('1'));
        ++point;
      }
    }
    if (roundUp && keep == 0) {
      digits = QStringLiteral("1");
      ++point;
    }
  }
  RoundedText rounded;
  rounded.whole = digits.left(point);
  while (rounded.whole.size() > 1 && rounded.whole.front() == QLatin1Char('0'))
    rounded.whole.remove(0, 1);
  if (rounded.whole.isEmpty()) rounded.whole = QStringLiteral("0");
  rounded.decimals = digits.mid(point);
  const auto nonZero = [](QChar c) { return c != QLatin1Char('0'); };
  rounded.negative = value < 0 && (std::any_of(rounded.whole.begin(), rounded.whole.end(), nonZero) ||
                                   std::any_of(rounded.decimals.begin(), rounded.decimals.end(), nonZero));
  return rounded;
}

// The number of decimals the locale's currency uses ("£1.00" has 2, "￥1" none).
int CurrencyDecimals(const QLocale& locale) {
  const QString one = locale.toCurrencyString(1.0);
  const qsizetype point = one.indexOf(locale.decimalPoint());
  if (point < 0) return 0;
  int count = 0;
  for (qsizetype i = point + locale.decimalPoint().size(); i < one.size() && one[i].isDigit(); ++i)
    ++count;
  return count;
}

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

QString GeneralNumber(double value) {
  value = Displayable(value);
  if (value == 0) return QStringLiteral("0");
  // %g with 15 digits: exponent form only from 1E+15 up and below 1E-04.
  return GeneralDigits(value, 15).toUpper();
}

QString FixedNumber(double value, int decimals, const QLocale& locale) {
  decimals = std::clamp(decimals, 0, 30);
  const RoundedText rounded = RoundHalfAway(value, decimals);
  QString text = rounded.negative ? QStringLiteral("-") + rounded.whole : rounded.whole;
  if (decimals > 0) text += locale.decimalPoint() + rounded.decimals;
  return text;
}

QString FormatFieldText(const QString& text, int decimals, const QLocale& locale) {
  if (text.isEmpty()) return text;
  return FixedNumber(NumberValue(text, locale), decimals, locale);
}

QString CurrencyText(double value, const QLocale& locale) {
  const RoundedText rounded = RoundHalfAway(value, CurrencyDecimals(locale));
  // The rounded decimal text read back gives the double nearest to it, which
  // Qt then writes with exactly those digits.
  double amount = (rounded.whole + QLatin1Char('.') + rounded.decimals).toDouble();
  if (rounded.negative) amount = -amount;
  return locale.toCurrencyString(amount);
}

QString CurrencySymbolOf(const QLocale& locale) {
  return locale.currencySymbol(QLocale::CurrencySymbol);
}

QString LongDate(const QDate& date, const QLocale& locale) {
  if (!date.isValid()) return {};
  return TwoDigits(date.day()) + QLatin1Char('-') + MonthAbbreviation(date.month(), locale) +
         QLatin1Char('-') + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString ShortDate(const QDate& date, const QLocale& locale) { return FieldDateText(date, locale); }

QString TimeStamp(const QDateTime& when, const QLocale& locale) {
  return ShortDate(when.date(), locale) + QLatin1Char(' ') +
         when.time().toString(QStringLiteral("hh:mm:ss"));
}

QString ShortStamp(const QDateTime& when, const QLocale& locale) {
  const QDate date = when.date();
  if (!date.isValid()) return {};
  return TwoDigits(date.day()) + QLatin1Char('-') + MonthAbbreviation(date.month(), locale) +
         QLatin1Char('-') + TwoDigits(date.year() % 100) + QLatin1Char(' ') +
         when.time().toString(QStringLiteral("hh:mm:ss"));
}

QString RightAlign(const QString& text, int width) {
  if (text.size() >= width) return text;
  return QString(width - text.size(), QLatin1Char(' ')) + text;
}

}  // namespace tw
