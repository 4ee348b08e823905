// Display formats written into fields and files.
#include "calc/Formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tw {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string Utf8(const QString& text) { return text.toStdString(); }
QLocale Locale(const char* name) { return QLocale(QString::fromLatin1(name)); }

struct GeneralRow {
  const char* name;
  double value;
  const char* expected;
};

class GeneralNumberTest : public testing::TestWithParam<GeneralRow> {};

TEST_P(GeneralNumberTest, WritesUpToFifteenSignificantDigits) {
  EXPECT_EQ(Utf8(GeneralNumber(GetParam().value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GeneralNumberTest,
    testing::Values(GeneralRow{"Zero", 0.0, "0"},
                    GeneralRow{"NegativeZero", -0.0, "0"},
                    GeneralRow{"NoGrouping", 1234567, "1234567"},
                    GeneralRow{"Negative", -1234.5, "-1234.5"},
                    GeneralRow{"BinaryNoiseDropped", 0.1 + 0.2, "0.3"},
                    GeneralRow{"TwoThirdsRounded", 2.0 / 3, "0.666666666666667"},
                    GeneralRow{"FifteenDigitInteger", 999999999999999.0, "999999999999999"},
                    GeneralRow{"OneE15", 1e15, "1E+15"},
                    GeneralRow{"RoundsUpIntoExponent", 999999999999999.9, "1E+15"},
                    GeneralRow{"SmallestPlain", 0.0001, "0.0001"},
                    GeneralRow{"BelowSmallestPlain", 0.000015, "1.5E-05"},
                    GeneralRow{"NaNIsZero", kNaN, "0"},
                    GeneralRow{"InfinityIsLargestDouble", kInfinity, "1.79769313486232E+308"}),
    [](const testing::TestParamInfo<GeneralRow>& info) { return std::string(info.param.name); });

struct FixedRow {
  const char* name;
  const char* locale;
  double value;
  int decimals;
  const char* expected;
};

class FixedNumberTest : public testing::TestWithParam<FixedRow> {};

TEST_P(FixedNumberTest, RoundsHalfAwayFromZero) {
  const FixedRow& row = GetParam();
  EXPECT_EQ(Utf8(FixedNumber(row.value, row.decimals, Locale(row.locale))), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FixedNumberTest,
    testing::Values(
        FixedRow{"WholeNumber", "en_GB", 1234.56, 0, "1235"},
        FixedRow{"HalfUpToWhole", "en_GB", 2.5, 0, "3"},
        FixedRow{"NegativeHalfAwayFromZero", "en_GB", -2.5, 0, "-3"},
        FixedRow{"BinaryBelowHalfStillRoundsUp", "en_GB", 2.675, 2, "2.68"},
        FixedRow{"FifteenHundredths", "en_GB", 0.15, 1, "0.2"},
        FixedRow{"PaddedWithZeros", "en_GB", 12.5, 2, "12.50"},
        FixedRow{"FourDecimals", "en_GB", 1.23456, 4, "1.2346"},
        FixedRow{"CarryIntoNewDigit", "en_GB", 9.995, 2, "10.00"},
        FixedRow{"TinyRoundsUp", "en_GB", 0.00005, 4, "0.0001"},
        FixedRow{"TinyRoundsDown", "en_GB", 0.000049, 4, "0.0000"},
        FixedRow{"NegativeRoundingToZeroHasNoSign", "en_GB", -0.04, 1, "0.0"},
        FixedRow{"NegativeZeroHasNoSign", "en_GB", -0.0, 2, "0.00"},
        FixedRow{"NegativeRoundingAwayFromZero", "en_GB", -0.05, 1, "-0.1"},
        FixedRow{"LargeHasNoGrouping", "en_GB", 1e20, 0, "100000000000000000000"},
        FixedRow{"NegativeDecimalsMeanNone", "en_GB", 2.5, -1, "3"},
        FixedRow{"NaNIsZero", "en_GB", kNaN, 1, "0.0"},
        FixedRow{"DeNoGrouping", "de_DE", 123456.789, 2, "123456,79"},
        FixedRow{"DeWholeNumberHasNoComma", "de_DE", 1234.5, 0, "1235"}),
    [](const testing::TestParamInfo<FixedRow>& info) { return std::string(info.param.name); });

TEST(FixedNumber, InfinityGivesDigitsNotInf) {
  const QString text = FixedNumber(kInfinity, 0, Locale("en_GB"));
  EXPECT_EQ(text.size(), 309);
  EXPECT_TRUE(text.startsWith(QStringLiteral("17976931348623")));
}

struct FieldRow {
  const char* name;
  const char* locale;
  QString text;
  int decimals;
  const char* expected;
};

class FormatFieldTextTest : public testing::TestWithParam<FieldRow> {};

TEST_P(FormatFieldTextTest, FormatsTheLeadingNumber) {
  const FieldRow& row = GetParam();
  EXPECT_EQ(Utf8(FormatFieldText(row.text, row.decimals, Locale(row.locale))), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatFieldTextTest,
    testing::Values(FieldRow{"EmptyStaysEmpty", "en_GB", "", 2, ""},
                    FieldRow{"BlankIsZero", "en_GB", " ", 1, "0.0"},
                    FieldRow{"GroupedReadsFirstGroup", "en_GB", "1,500", 0, "1"},
                    FieldRow{"DeCommaIsThePoint", "de_DE", "1,5", 1, "1,5"},
                    FieldRow{"DePeriodIsThePointToo", "de_DE", "2.54", 2, "2,54"}),
    [](const testing::TestParamInfo<FieldRow>& info) { return std::string(info.param.name); });

struct CurrencyRow {
  const char* name;
  const char* locale;
  double value;
  const char* expected;
};

class CurrencyTextTest : public testing::TestWithParam<CurrencyRow> {};

TEST_P(CurrencyTextTest, WritesTheLocaleCurrency) {
  const CurrencyRow& row = GetParam();
  EXPECT_EQ(Utf8(CurrencyText(row.value, Locale(row.locale))), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CurrencyTextTest,
    testing::Values(CurrencyRow{"GbZero", "en_GB", 0, "£0.00"},
                    CurrencyRow{"GbHalfPennyRoundsUp", "en_GB", 2.675, "£2.68"},
                    CurrencyRow{"GbTinyNegativeHasNoSign", "en_GB", -0.001, "£0.00"},
                    CurrencyRow{"GbNaNIsZero", "en_GB", kNaN, "£0.00"},
                    CurrencyRow{"DeGrouped", "de_DE", 1234.5, "1.234,50\u00A0€"},
                    CurrencyRow{"DeNegative", "de_DE", -1234.5, "-1.234,50\u00A0€"},
                    CurrencyRow{"JaNoDecimals", "ja_JP", 1234.5, "￥1,235"},
                    CurrencyRow{"CLocaleHasNoSymbol", "C", 1, "1.00"}),
    [](const testing::TestParamInfo<CurrencyRow>& info) { return std::string(info.param.name); });

struct DateFormRow {
  const char* name;
  const char* locale;
  QDateTime when;
  const char* longDate;
  const char* shortDate;
  const char* timeStamp;
  const char* shortStamp;
};

class DateFormsTest : public testing::TestWithParam<DateFormRow> {};

TEST_P(DateFormsTest, WritesEachForm) {
  const DateFormRow& row = GetParam();
  const QLocale locale = Locale(row.locale);
  EXPECT_EQ(Utf8(LongDate(row.when.date(), locale)), row.longDate);
  EXPECT_EQ(Utf8(ShortDate(row.when.date(), locale)), row.shortDate);
  EXPECT_EQ(Utf8(TimeStamp(row.when, locale)), row.timeStamp);
  EXPECT_EQ(Utf8(ShortStamp(row.when, locale)), row.shortStamp);
}

QDateTime At(int y, int m, int d, int hh, int mm, int ss) {
  return QDateTime(QDate(y, m, d), QTime(hh, mm, ss));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DateFormsTest,
    testing::Values(
        DateFormRow{"GbMarch", "en_GB", At(2010, 3, 5, 7, 8, 9), "05-Mar-2010", "05/03/2010",
                    "05/03/2010 07:08:09", "05-Mar-10 07:08:09"},
        DateFormRow{"GbSeptemberInThreeLetters", "en_GB", At(2010, 9, 15, 23, 59, 59),
                    "15-Sep-2010", "15/09/2010", "15/09/2010 23:59:59", "15-Sep-10 23:59:59"},
        DateFormRow{"UsMonthFirstShortDate", "en_US", At(2010, 3, 5, 13, 0, 0), "05-Mar-2010",
                    "3/5/10", "3/5/10 13:00:00", "05-Mar-10 13:00:00"},
        DateFormRow{"DeDecember", "de_DE", At(2000, 12, 24, 18, 30, 5), "24-Dez-2000",
                    "24.12.00", "24.12.00 18:30:05", "24-Dez-00 18:30:05"},
        DateFormRow{"FrCollidingNamesFallBackToEnglish", "fr_FR", At(2010, 7, 14, 12, 0, 0),
                    "14-Jul-2010", "14/07/2010", "14/07/2010 12:00:00", "14-Jul-10 12:00:00"}),
    [](const testing::TestParamInfo<DateFormRow>& info) { return std::string(info.param.name); });

// The logs keep dates in 11-character columns; a longer month word would cut the
// day off.
TEST(LongDate, FitsElevenCharactersInEveryMonth) {
  for (const char* name : {"en_GB", "en_US", "de_DE", "fr_FR", "ru_RU", "th_TH", "hu_HU"}) {
    for (int month = 1; month <= 12; ++month) {
      const QString text = LongDate(QDate(2010, month, 25), Locale(name));
      EXPECT_EQ(text.size(), 11) << name << " " << Utf8(text);
    }
  }
}

TEST(DateForms, InvalidDateGivesEmptyText) {
  EXPECT_TRUE(LongDate(QDate(), Locale("en_GB")).isEmpty());
  EXPECT_TRUE(ShortDate(QDate(), Locale("en_GB")).isEmpty());
}

}  // namespace
}  // namespace tw
