#include "calc/MonthNames.h"

#include <QSet>
#include <QStringList>

namespace tw {

namespace {

QString WithoutClosingPeriod(QString word) {
  while (word.endsWith(QLatin1Char('.'))) word.chop(1);
  return word;
}

// English names known in every locale; "Sept" is the British abbreviation.
const QLocale& English() {
  static const QLocale english(QLocale::English, QLocale::UnitedKingdom);
  return english;
}

QStringList ThreeLetterNames(const QLocale& locale) {
  QStringList names;
  QSet<QString> seen;
  for (int month = 1; month <= 12; ++month) {
    QString name = WithoutClosingPeriod(locale.monthName(month, QLocale::ShortFormat)).left(3);
    if (name.isEmpty() || seen.contains(name.toCaseFolded())) return {};
    seen.insert(name.toCaseFolded());
    names << name;
  }
  return names;
}

QStringList WrittenNames(const QLocale& locale) {
  const QStringList names = ThreeLetterNames(locale);
  return names.isEmpty() ? ThreeLetterNames(English()) : names;
}

// The month named by word among the given locale's names; 0 when none or when the
// word fits more than one month.
int UniqueMonth(const QString& word, const QLocale& locale) {
  const QStringList written = WrittenNames(locale);
  int found = 0;
  for (int month = 1; month <= 12; ++month) {
    const QStringList names = {locale.monthName(month, QLocale::ShortFormat),
                               locale.monthName(month, QLocale::LongFormat),
                               locale.standaloneMonthName(month, QLocale::ShortFormat),
                               locale.standaloneMonthName(month, QLocale::LongFormat),
                               written.value(month - 1)};
    for (const QString& name : names) {
      const QString bare = WithoutClosingPeriod(name);
      if (bare.isEmpty() || bare.compare(word, Qt::CaseInsensitive) != 0) continue;
      if (found != 0 && found != month) return 0;
      found = month;
    }
  }
  return found;
}

}  // namespace

QString MonthAbbreviation(int month, const QLocale& locale) {
  if (month < 1 || month > 12) return {};
  return WrittenNames(locale).value(month - 1);
}

int MonthFromName(const QString& word, const QLocale& locale) {
  const QString bare = WithoutClosingPeriod(word.trimmed());
  if (bare.isEmpty()) return 0;
  if (const int month = UniqueMonth(bare, locale)) return month;
  return UniqueMonth(bare, English());
}

}  // namespace tw
