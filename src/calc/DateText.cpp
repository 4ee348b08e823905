// Reading dates typed into fields: ParseDate and IsDateText of Fields.h.
#include "calc/Fields.h"
#include "calc/MonthNames.h"

#include <QRegularExpression>

namespace tw {

namespace {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The order of day, month and year in the locale's short date ("M/d/yy" is
// month first, "yyyy/MM/dd" year first).
DateOrder OrderOf(const QLocale& locale) {
  const QString format = locale.dateFormat(QLocale::ShortFormat);
  const qsizetype day = format.indexOf(QLatin1Char('d'));
  const qsizetype month = format.indexOf(QLatin1Char('M'));
  const qsizetype year = format.indexOf(QLatin1Char('y'));
  if (day < 0 || month < 0 || year < 0) return DateOrder::DayMonthYear;
  if (year < month && year < day) return DateOrder::YearMonthDay;
  return month < day ? DateOrder::MonthDayYear : DateOrder::DayMonthYear;
}

// Two-digit years are 2000-2099, the only years a reading can have; four-digit
// years stand as written from 100 on. 0 for any other length.
int FullYear(const QString& digits) {
  const int year = digits.toInt();
  if (digits.size() == 2) return 2000 + year;
  if (digits.size() == 4 && year >= 100) return year;
  return 0;
}

std::optional<QDate> ValidDate(int year, int month, int day) {
  if (year == 0 || !QDate::isValid(year, month, day)) return std::nullopt;
  return QDate(year, month, day);
}

// "05-03-2010", "5/3/10", "05.03.2010" in the locale's order, and "2010-03-05".
std::optional<QDate> NumericDate(const QString& text, const QLocale& locale) {
  static const QRegularExpression pattern(
      QStringLiteral("^([0-9]{1,4})([-/.])([0-9]{1,2})\\2([0-9]{1,4})$"));
  const auto match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QString first = match.captured(1);
  const int middle = match.captured(3).toInt();
  const QString last = match.captured(4);
  if (first.size() == 4 && last.size() <= 2)
    return ValidDate(FullYear(first), middle, last.toInt());
  if (first.size() > 2) return std::nullopt;
  switch (OrderOf(locale)) {
    case DateOrder::DayMonthYear:
      return ValidDate(FullYear(last), middle, first.toInt());
    case DateOrder::MonthDayYear:
      return ValidDate(FullYear(last), first.toInt(), middle);
    case DateOrder::YearMonthDay:
      if (last.size() > 2) return std::nullopt;
      return ValidDate(FullYear(first), middle, last.toInt());
  }
  return std::nullopt;
}

// "05-Mar-2010", "5 March 2010", "5. März 10", and month first: "March 5, 2010".
std::optional<QDate> NamedMonthDate(const QString& text, const QLocale& locale) {
  static const QString gap = QStringLiteral("[-\\s/.,]+");
  // A name may hold inner periods (Thai "ธ.ค"); a closing one belongs to the gap.
  static const QString name = QStringLiteral("([^-\\s/.,]+(?:\\.[^-\\s/.,]+)*)");
  static const QString day = QStringLiteral("([0-9]{1,2})");
  static const QString year = QStringLiteral("([0-9]{2}|[0-9]{4})");
  static const QRegularExpression dayFirst(
      QLatin1Char('^') + day + gap + name + gap + year + QLatin1Char('$'));
  static const QRegularExpression monthFirst(
      QLatin1Char('^') + name + gap + day + gap + year + QLatin1Char('$'));
  if (const auto match = dayFirst.match(text); match.hasMatch()) {
    if (const int month = MonthFromName(match.captured(2), locale))
      return ValidDate(FullYear(match.captured(3)), month, match.captured(1).toInt());
  }
  if (const auto match = monthFirst.match(text); match.hasMatch()) {
    if (const int month = MonthFromName(match.captured(1), locale))
      return ValidDate(FullYear(match.captured(3)), month, match.captured(2).toInt());
  }
  return std::nullopt;
}

// The locale's short date form as a pattern: its day, month and year fields
// become numbers ("yy. M. d." reads "10. 3. 5."), its other characters stay as
// they are. nullopt when the form holds a month or day name.
std::optional<QDate> ShortFormatDate(const QString& text, const QLocale& locale) {
  const QString format = locale.dateFormat(QLocale::ShortFormat);
  QString pattern = QStringLiteral("^");
  QList<QChar> fields;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    qsizetype run = 1;
    while (i + run < format.size() && format[i + run] == c) ++run;
    if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
      if (c != QLatin1Char('y') && run > 2) return std::nullopt;
      pattern += c == QLatin1Char('y') ? QStringLiteral("([0-9]{2}|[0-9]{4})")
                                        : QStringLiteral("([0-9]{1,2})");
      fields << c;
    } else if (c.isSpace()) {
      pattern += QStringLiteral("\\s*");
    } else if (c != QLatin1Char('\'') && c.category() != QChar::Other_Format) {
      pattern += QRegularExpression::escape(QString(run, c));
    }
    i += run;
  }
  if (fields.size() != 3) return std::nullopt;
  const auto match = QRegularExpression(pattern + QLatin1Char('$')).match(text);
  if (!match.hasMatch()) return std::nullopt;
  int year = 0, month = 0, day = 0;
  for (int f = 0; f < 3; ++f) {
    const QString digits = match.captured(f + 1);
    if (fields[f] == QLatin1Char('y')) year = FullYear(digits);
    else if (fields[f] == QLatin1Char('M')) month = digits.toInt();
    else day = digits.toInt();
  }
  return ValidDate(year, month, day);
}

// The locale's long date form ("Friday, 5 March 2010"), read by Qt; it always
// has a four-digit year.
std::optional<QDate> LongFormatDate(const QString& text, const QLocale& locale) {
  const QDate date = locale.toDate(text, locale.dateFormat(QLocale::LongFormat));
  if (!date.isValid() || date.year() < 100 || date.year() > 9999) return std::nullopt;
  return date;
}

// The text with invisible direction marks dropped and the locale's own digits
// (Arabic-Indic, Bengali ...) written as ASCII digits, so the patterns above read
// the locale's short date whatever digits it uses.
QString PlainDigits(const QString& text, const QLocale& locale) {
  const QString zeroText = locale.zeroDigit();
  const char16_t zero = zeroText.size() == 1 ? zeroText[0].unicode() : u'0';
  QString plain;
  for (const QChar c : text) {
    if (c.category() == QChar::Other_Format) continue;
    const char16_t u = c.unicode();
    plain += (zero != u'0' && u >= zero && u <= zero + 9) ? QChar(u'0' + (u - zero)) : c;
  }
  return plain;
}

}  // namespace

std::optional<QDate> ParseDate(const QString& text, const QLocale& locale) {
  const QString t = text.trimmed();
  // Nothing longer can be a date; the limit keeps pattern matching cheap.
  if (t.isEmpty() || t.size() > 64) return std::nullopt;
  const QString plain = PlainDigits(t, locale);
  if (auto date = NumericDate(plain, locale)) return date;
  if (auto date = NamedMonthDate(plain, locale)) return date;
  if (auto date = ShortFormatDate(plain, locale)) return date;
  return LongFormatDate(t, locale);
}

bool IsDateText(const QString& text, const QLocale& locale) {
  return ParseDate(text, locale).has_value();
}

}  // namespace tw
