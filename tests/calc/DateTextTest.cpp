// Reading dates typed into fields: ParseDate, IsDateText and DaysBetween.
#include "calc/Fields.h"
#include "calc/Formats.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

std::string Iso(const std::optional<QDate>& date) {
  return date ? date->toString(Qt::ISODate).toStdString() : "not a date";
}

struct DateRow {
  const char* name;
  const char* locale;
  QString text;
  const char* expected;  // ISO date, or "not a date"
};

class ParseDateTest : public testing::TestWithParam<DateRow> {};

TEST_P(ParseDateTest, ReadsTheDateByTheLocale) {
  const DateRow& row = GetParam();
  const QLocale locale(QString::fromLatin1(row.locale));
  EXPECT_EQ(Iso(ParseDate(row.text, locale)), row.expected) << row.text.toStdString();
  EXPECT_EQ(IsDateText(row.text, locale), std::string(row.expected) != "not a date");
}

constexpr const char* kNone = "not a date";

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseDateTest,
    testing::Values(
        DateRow{"GbDashes", "en_GB", "01-01-2000", "2000-01-01"},
        DateRow{"GbSlashesDayFirst", "en_GB", "05/03/2010", "2010-03-05"},
        DateRow{"GbDots", "en_GB", "5.3.2010", "2010-03-05"},
        DateRow{"GbYear29", "en_GB", "01/01/29", "2029-01-01"},
        DateRow{"GbYear30", "en_GB", "01/01/30", "1930-01-01"},
        DateRow{"GbLeapDayOfYear00", "en_GB", "29-02-00", "2000-02-29"},
        DateRow{"GbOneDigitYear", "en_GB", "01/01/5", kNone},
        DateRow{"GbThreeDigitYear", "en_GB", "01/01/200", kNone},
        DateRow{"GbYearZero", "en_GB", "01/01/0000", kNone},
        DateRow{"GbMixedSeparators", "en_GB", "01-01/2000", kNone},
        DateRow{"GbIso", "en_GB", "2010-03-05", "2010-03-05"},
        DateRow{"GbIsoWithSlashes", "en_GB", "2010/03/05", "2010-03-05"},
        DateRow{"GbLowerCaseMonth", "en_GB", "05-mar-2010", "2010-03-05"},
        DateRow{"GbFullMonthWithBlanks", "en_GB", "5 March 2010", "2010-03-05"},
        DateRow{"GbMonthNameYear45", "en_GB", "05-Mar-45", "1945-03-05"},
        DateRow{"GbSeptInFourLetters", "en_GB", "15-Sept-2010", "2010-09-15"},
        DateRow{"GbMonthFirstName", "en_GB", "March 5, 2010", "2010-03-05"},
        DateRow{"GbLongFormWithWeekday", "en_GB", "Friday, 5 March 2010", "2010-03-05"},
        DateRow{"GbSurroundingBlanks", "en_GB", "  05/03/2010  ", "2010-03-05"},
        DateRow{"GbLeapDay", "en_GB", "29/02/2012", "2012-02-29"},
        DateRow{"GbLeapDayInCommonYear", "en_GB", "29/02/2010", kNone},
        DateRow{"GbMonth13", "en_GB", "01/13/2010", kNone},
        DateRow{"GbMonthFirstIsNotSwapped", "en_GB", "12/31/2010", kNone},
        DateRow{"GbDayZero", "en_GB", "00/03/2010", kNone},
        DateRow{"GbUnknownMonthName", "en_GB", "05-Foo-2010", kNone},
        DateRow{"GbMonthNameInvalidDay", "en_GB", "30-Feb-2010", kNone},
        DateRow{"GbDateAndTime", "en_GB", "05/03/2010 10:30", kNone},
        DateRow{"GbPlainNumber", "en_GB", "20100305", kNone},
        DateRow{"GbDecimalNumber", "en_GB", "12.30", kNone},
        DateRow{"GbWord", "en_GB", "hello", kNone},
        DateRow{"GbEmpty", "en_GB", "", kNone},
        DateRow{"GbBlank", "en_GB", " ", kNone},
        DateRow{"GbArabicIndicDigits", "en_GB", QString::fromUtf8("٠٥/٠٣/٢٠١٠"), kNone},
        DateRow{"GbVeryLongText", "en_GB", QString(5000, QLatin1Char('1')), kNone},
        DateRow{"UsShortDate", "en_US", "3/5/10", "2010-03-05"},
        DateRow{"UsMonthFirstDashes", "en_US", "03-05-2010", "2010-03-05"},
        DateRow{"UsDayFirstIsNotSwapped", "en_US", "31/12/2010", kNone},
        DateRow{"DeShortDate", "de_DE", "05.03.10", "2010-03-05"},
        DateRow{"DeFullMonth", "de_DE", QString::fromUtf8("05-März-2010"), "2010-03-05"},
        DateRow{"DeDayWithPeriod", "de_DE", QString::fromUtf8("5. März 2010"), "2010-03-05"},
        DateRow{"DeAbbreviationWithPeriod", "de_DE", "05-Jan.-2010", "2010-01-05"},
        DateRow{"DeEnglishName", "de_DE", "24-Dec-2010", "2010-12-24"},
        DateRow{"DeInvalidDay", "de_DE", "31.02.2010", kNone},
        DateRow{"FrJulyAbbreviation", "fr_FR", "14-juil.-2010", "2010-07-14"},
        DateRow{"JaShortDate", "ja_JP", "2010/03/05", "2010-03-05"},
        DateRow{"KoShortDateOfYear00", "ko_KR", "00. 2. 29.", "2000-02-29"},
        DateRow{"ArShortDateInOwnDigits", "ar_EG", QString::fromUtf8("٥\u200F/٣\u200F/٢٠١٠"), "2010-03-05"}),
    [](const testing::TestParamInfo<DateRow>& info) { return std::string(info.param.name); });

// Whatever a locale's month names and short date look like, the two forms the
// program writes into fields read back as the same date.
class WrittenDatesReadBackTest : public testing::TestWithParam<const char*> {};

TEST_P(WrittenDatesReadBackTest, LongAndShortDatesReadBack) {
  const QLocale locale(QString::fromLatin1(GetParam()));
  for (int month = 1; month <= 12; ++month) {
    for (const QDate date : {QDate(2010, month, 15), QDate(1930, month, 1), QDate(2029, month, 28)}) {
      EXPECT_EQ(Iso(ParseDate(LongDate(date, locale), locale)), Iso(date))
          << LongDate(date, locale).toStdString();
      EXPECT_EQ(Iso(ParseDate(ShortDate(date, locale), locale)), Iso(date))
          << ShortDate(date, locale).toStdString();
    }
  }
  const QDate leapDay(2000, 2, 29);
  EXPECT_EQ(Iso(ParseDate(ShortDate(leapDay, locale), locale)), Iso(leapDay));
}

INSTANTIATE_TEST_SUITE_P(Locales, WrittenDatesReadBackTest,
                         testing::Values("en_GB", "en_US", "de_DE", "fr_FR", "ru_RU", "ja_JP",
                                         "ko_KR", "ar_EG", "bn_BD", "th_TH", "hu_HU", "C"));

// Both texts are read by the locale's date rules; no count when either is no date.
TEST(DaysBetweenTexts, ReadsBothTextsByTheLocale) {
  const QLocale gb(QStringLiteral("en_GB"));
  const QLocale us(QStringLiteral("en_US"));
  EXPECT_EQ(DaysBetween(QStringLiteral("01-01-2000"), QStringLiteral("05-Jan-2000"), gb), 4);
  EXPECT_EQ(DaysBetween(QStringLiteral("02/01/2000"), QStringLiteral("01/02/2000"), gb), 30);
  EXPECT_EQ(DaysBetween(QStringLiteral("02/01/2000"), QStringLiteral("01/02/2000"), us), -30);
  EXPECT_FALSE(DaysBetween(QStringLiteral("hello"), QStringLiteral("01-01-2000"), gb));
  EXPECT_FALSE(DaysBetween(QStringLiteral("01-01-2000"), QString(), gb));
}

}  // namespace
}  // namespace tw
