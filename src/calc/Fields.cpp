#include "calc/Fields.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

namespace tw {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
// More digits than a double can tell apart; the rest cannot change the value.
constexpr std::size_t kMaxDigits = 800;
// Far beyond any double's exponent, small enough never to overflow while read.
constexpr long long kExponentCap = 1'000'000;

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// A decimal number read from plain ASCII: optional sign, digits, at most one
// ".", optional exponent (E or D). `end` is one past its last character, 0 when
// the text does not begin with a number.
struct ScannedNumber {
  double value = 0;
  std::size_t end = 0;
};

// The value of 0.<digits> x 10^order, held in a double without overflow: too large
// a value gives the largest double, too small a value gives 0.
double DigitsValue(std::string digits, long long order) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) return 0;
  if (order > 400) return kLargest;
  if (order < -400) return 0;
  const std::string text =
      digits + "e" + std::to_string(order - static_cast<long long>(digits.size()));
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) return order > 0 ? kLargest : 0;
  if (result.ec != std::errc()) return 0;
  return value;
}

ScannedNumber ScanDecimal(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  std::string digits;      // significant digits, leading zeros dropped
  long long order = 0;     // where the decimal point stands relative to digits
  bool anyDigit = false;
  bool inFraction = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '.' && !inFraction) {
      inFraction = true;
      continue;
    }
    if (!IsAsciiDigit(c)) break;
    anyDigit = true;
    if (digits.empty() && c == '0') {
      if (inFraction) --order;
      continue;
    }
    if (digits.size() < kMaxDigits) digits.push_back(c);
    if (!inFraction) ++order;
  }
  if (!anyDigit) return {};

  ScannedNumber number;
  number.end = i;
  // An exponent counts only when at least one digit follows its letter and sign.
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    long long exponent = 0;
    const std::size_t firstDigit = j;
    for (; j < s.size() && IsAsciiDigit(s[j]); ++j)
      exponent = std::min(exponent * 10 + (s[j] - '0'), kExponentCap);
    if (j > firstDigit) {
      number.end = j;
      order += negativeExponent ? -exponent : exponent;
    }
  }
  const double magnitude = DigitsValue(std::move(digits), order);
  number.value = (negative && magnitude != 0) ? -magnitude : magnitude;
  return number;
}

// "&H1F" and "&O17": the digits of the base after the prefix, as far as they go.
double ScanPrefixedInteger(std::string_view s) {
  const char kind = s.size() > 1 ? s[1] : '\0';
  const int base = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
  if (base == 0) return 0;
  double value = 0;
  for (std::size_t i = 2; i < s.size(); ++i) {
    const char c = s[i];
    int digit = -1;
    if (IsAsciiDigit(c)) digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0 || digit >= base) break;
    value = value * base + digit;
  }
  return std::isfinite(value) ? value : kLargest;
}

bool IsBlankLike(QChar c) {
  return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool IsApostropheLike(QChar c) { return c == QLatin1Char('\'') || c == QChar(0x2019); }

// Reads one of the texts at position pos, advancing past it.
bool Accept(QStringView text, qsizetype& pos, std::initializer_list<QStringView> choices) {
  for (const QStringView choice : choices) {
    if (!choice.isEmpty() && text.mid(pos).startsWith(choice)) {
      pos += choice.size();
      return true;
    }
  }
  return false;
}

QString AsciiDigitsAt(QStringView text, qsizetype& pos) {
  QString digits;
  while (pos < text.size() && IsAsciiDigit(text[pos]))
    digits += text[pos++];
  return digits;
}

// Group separators in the integer part: the first group 1-3 digits, the last
// exactly 3, those between 2 or 3 (Western and Indian grouping).
bool IsSoundGrouping(const QStringList& groups) {
  if (groups.size() == 1) return true;
  if (groups.front().isEmpty() || groups.front().size() > 3) return false;
  if (groups.back().size() != 3) return false;
  for (qsizetype i = 1; i + 1 < groups.size(); ++i)
    if (groups[i].size() < 2 || groups[i].size() > 3) return false;
  return true;
}

// The separators one reading of a number allows.
struct Separators {
  QString group;    // empty: no grouping
  QString decimal;
};

// True when the character at pos separates digit groups: the group separator itself
// or, where that is a blank or an apostrophe, any of its look-alikes (users type a
// plain blank where the locale writes a narrow no-break space, and "'" for "’").
bool IsGroupSeparatorAt(QStringView t, qsizetype& pos, const QString& group) {
  if (group.isEmpty() || pos >= t.size()) return false;
  if (group.size() == 1 && IsBlankLike(group[0]) && IsBlankLike(t[pos])) return ++pos, true;
  if (group.size() == 1 && IsApostropheLike(group[0]) && IsApostropheLike(t[pos])) return ++pos, true;
  return Accept(t, pos, {QStringView(group)});
}

// The value of the whole text read with one set of separators; nullopt when the
// text is anything else.
std::optional<double> ReadWith(QStringView t, const Separators& sep, const QLocale& locale) {
  qsizetype pos = 0;
  std::string ascii;
  const QString minus = locale.negativeSign(), plus = locale.positiveSign();
  if (Accept(t, pos, {minus, u"-"})) ascii += '-';
  else Accept(t, pos, {plus, u"+"});

  QStringList groups{AsciiDigitsAt(t, pos)};
  while (!groups.back().isEmpty()) {
    qsizetype next = pos;
    if (!IsGroupSeparatorAt(t, next, sep.group)) break;
    if (next >= t.size() || !IsAsciiDigit(t[next])) break;
    pos = next;
    groups << AsciiDigitsAt(t, pos);
  }
  if (!IsSoundGrouping(groups)) return std::nullopt;
  const QString whole = groups.join(QString());

  QString fraction;
  if (Accept(t, pos, {QStringView(sep.decimal)})) fraction = AsciiDigitsAt(t, pos);
  if (whole.isEmpty() && fraction.isEmpty()) return std::nullopt;
  ascii += (whole + QLatin1Char('.') + fraction).toStdString();

  if (Accept(t, pos, {u"E", u"e", u"D", u"d"})) {
    ascii += 'E';
    if (Accept(t, pos, {minus, u"-"})) ascii += '-';
    else Accept(t, pos, {plus, u"+"});
    const QString exponent = AsciiDigitsAt(t, pos);
    if (exponent.isEmpty()) return std::nullopt;
    ascii += exponent.toStdString();
  }
  if (pos != t.size()) return std::nullopt;
  return ScanDecimal(ascii).value;
}

// The number at the start of the text, reading both the locale's decimal
// separator and a period as the decimal point. Kept for files the program read
// before they were written in one form (the configuration file).
double LeadingScan(const QString& text, const QLocale& locale) {
  const QString separator = locale.decimalPoint();
  const QChar comma = separator.size() == 1 && separator != QLatin1String(".") ? separator[0] : QChar();
  bool pointSeen = false;
  std::string compact;
  compact.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar c : text) {
    if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) continue;
    if (!comma.isNull() && (c == comma || c == QLatin1Char('.'))) {
      if (pointSeen) break;
      pointSeen = true;
      compact.push_back('.');
      continue;
    }
    if (c.unicode() > 127) break;  // no number continues with such a character
    compact.push_back(static_cast<char>(c.unicode()));
  }
  if (compact.size() > 1 && compact[0] == '&') return ScanPrefixedInteger(compact);
  return ScanDecimal(compact).value;
}

}  // namespace

double NumberValue(const QString& text) { return LeadingScan(text, QLocale::c()); }

double SettingNumber(const QString& text, const QLocale& locale) { return LeadingScan(text, locale); }

double NumberValue(const QString& text, const QLocale& locale) {
  return LocaleNumber(text, locale).value_or(0);
}

std::optional<double> LocaleNumber(const QString& text, const QLocale& locale) {
  const QString trimmed = text.trimmed();
  const QStringView t(trimmed);
  const Separators own{locale.groupSeparator(), locale.decimalPoint()};
  if (auto value = ReadWith(t, own, locale)) return value;
  // A period is a decimal point wherever it cannot be a group separator ("0.65" and
  // "1.5" in German, where "1.500" stays fifteen hundred).
  if (own.decimal == QLatin1String(".") || !t.contains(QLatin1Char('.'))) return std::nullopt;
  const Separators period{own.group == QLatin1String(".") ? QString() : own.group,
                          QStringLiteral(".")};
  return ReadWith(t, period, locale);
}

bool IsNumberText(const QString& text, const QLocale& locale) {
  return LocaleNumber(text, locale).has_value();
}

qint64 DaysBetween(const QDate& a, const QDate& b) { return a.daysTo(b); }

std::optional<qint64> DaysBetween(const QString& a, const QString& b, const QLocale& locale) {
  const auto from = ParseDate(a, locale);
  const auto to = ParseDate(b, locale);
  if (!from || !to) return std::nullopt;
  return from->daysTo(*to);
}

}  // namespace tw
