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
                    GeneralRow{"Integer", 42, "42"},
                    GeneralRow{"NoGrouping", 1234567, "1234567"},
                    GeneralRow{"NoTrailingZeros", 2.5, "2.5"},
                    GeneralRow{"Negative", -1234.5, "-1234.5"},
                    GeneralRow{"BinaryNoiseDropped", 0.1 + 0.2, "0.3"},
                    GeneralRow{"OneThird", 1.0 / 3, "0.333333333333333"},
                    GeneralRow{"TwoThirdsRounded", 2.0 / 3, "0.666666666666667"},
                    GeneralRow{"FifteenDigitInteger", 999999999999999.0, "999999999999999"},
                    GeneralRow{"OneE15", 1e15, "1E+15"},
                    GeneralRow{"RoundsUpIntoExponent", 999999999999999.9, "1E+15"},
                    GeneralRow{"LargeWithFraction", 1.5e15, "1.5E+15"},
                    GeneralRow{"Hundred", 1e100, "1E+100"},
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
        FixedRow{"ZeroWithOneDecimal", "en_GB", 0, 1, "0.0"},
        FixedRow{"WholeNumber", "en_GB", 1234.56, 0, "1235"},
        FixedRow{"HalfUpToWhole", "en_GB", 2.5, 0, "3"},
        FixedRow{"NegativeHalfAwayFromZero", "en_GB", -2.5, 0, "-3"},
        FixedRow{"OneAndHalf", "en_GB", 1.5, 0, "2"},
        FixedRow{"HalfToOne", "en_GB", 0.5, 0, "1"},
        FixedRow{"BinaryBelowHalfStillRoundsUp", "en_GB", 2.675, 2, "2.68"},
        FixedRow{"OnePointZeroZeroFive", "en_GB", 1.005, 2, "1.01"},
        FixedRow{"FiveHundredths", "en_GB", 0.05, 1, "0.1"},
        FixedRow{"FifteenHundredths", "en_GB", 0.15, 1, "0.2"},
        FixedRow{"ThirtyFiveHundredths", "en_GB", 0.35, 1, "0.4"},
        FixedRow{"OneDecimal", "en_GB", 3.14159, 1, "3.1"},
        FixedRow{"DepthReading", "en_GB", 45.678, 1, "45.7"},
        FixedRow{"PaddedWithZeros", "en_GB", 12.5, 2, "12.50"},
        FixedRow{"FourDecimals", "en_GB", 1.23456, 4, "1.2346"},
        FixedRow{"CarryIntoNewDigit", "en_GB", 9.995, 2, "10.00"},
        FixedRow{"CarryThroughNines", "en_GB", 99.95, 1, "100.0"},
        FixedRow{"TinyRoundsUp", "en_GB", 0.00005, 4, "0.0001"},
        FixedRow{"TinyRoundsDown", "en_GB", 0.000049, 4, "0.0000"},
        FixedRow{"VeryTinyIsZero", "en_GB", 1e-20, 2, "0.00"},
        FixedRow{"NegativeRoundingToZeroHasNoSign", "en_GB", -0.04, 1, "0.0"},
        FixedRow{"NegativeZeroHasNoSign", "en_GB", -0.0, 2, "0.00"},
        FixedRow{"NegativeRoundingAwayFromZero", "en_GB", -0.05, 1, "-0.1"},
        FixedRow{"NegativeWithDecimals", "en_GB", -1234.567, 2, "-1234.57"},
        FixedRow{"LargeHasNoGrouping", "en_GB", 1e20, 0, "100000000000000000000"},
        FixedRow{"NegativeDecimalsMeanNone", "en_GB", 2.5, -1, "3"},
        FixedRow{"NaNIsZero", "en_GB", kNaN, 1, "0.0"},
        FixedRow{"UsDecimalPoint", "en_US", 12.5, 2, "12.50"},
        FixedRow{"DeDecimalComma", "de_DE", 3.14159, 1, "3,1"},
        FixedRow{"DeNoGrouping", "de_DE", 123456.789, 2, "123456,79"},
        FixedRow{"DeNegativeRoundingToZero", "de_DE", -0.04, 1, "0,0"},
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
                    FieldRow{"WordIsZero", "en_GB", "abc", 1, "0.0"},
                    FieldRow{"Charge", "en_GB", "12.5", 2, "12.50"},
                    FieldRow{"Price", "en_GB", "1.23456", 4, "1.2346"},
                    FieldRow{"LetterSuffix", "en_GB", "12abc", 1, "12.0"},
                    FieldRow{"GroupedReadsFirstGroup", "en_GB", "1,500", 0, "1"},
                    FieldRow{"DePointIsDecimal", "de_DE", "1.5", 1, "1,5"},
                    FieldRow{"DeCommaEndsNumber", "de_DE", "1,5", 1, "1,0"}),
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
    testing::Values(CurrencyRow{"GbGrouped", "en_GB", 1234.5, "£1,234.50"},
                    CurrencyRow{"GbPadded", "en_GB", 12.5, "£12.50"},
                    CurrencyRow{"GbZero", "en_GB", 0, "£0.00"},
                    CurrencyRow{"GbHalfPennyRoundsUp", "en_GB", 2.675, "£2.68"},
                    CurrencyRow{"GbTinyNegativeHasNoSign", "en_GB", -0.001, "£0.00"},
                    CurrencyRow{"GbNaNIsZero", "en_GB", kNaN, "£0.00"},
                    CurrencyRow{"UsGrouped", "en_US", 1234.5, "$1,234.50"},
                    CurrencyRow{"UsHalfCentRoundsUp", "en_US", 0.125, "$0.13"},
                    CurrencyRow{"DeGrouped", "de_DE", 1234.5, "1.234,50\u00A0€"},
                    CurrencyRow{"DeNegative", "de_DE", -1234.5, "-1.234,50\u00A0€"},
                    CurrencyRow{"JaNoDecimals", "ja_JP", 1234.5, "￥1,235"},
                    CurrencyRow{"CLocaleHasNoSymbol", "C", 1, "1.00"}),
    [](const testing::TestParamInfo<CurrencyRow>& info) { return std::string(info.param.name); });

TEST(CurrencySymbolOf, IsTheLocaleSymbolOrNothing) {
  EXPECT_EQ(Utf8(CurrencySymbolOf(Locale("en_GB"))), "£");
  EXPECT_EQ(Utf8(CurrencySymbolOf(Locale("en_US"))), "$");
  EXPECT_EQ(Utf8(CurrencySymbolOf(Locale("de_DE"))), "€");
  EXPECT_EQ(Utf8(CurrencySymbolOf(QLocale::c())), "");
}

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
        DateFormRow{"DeGermanMonth", "de_DE", At(2010, 3, 5, 0, 0, 0), "05-Mär-2010", "05.03.10",
                    "05.03.10 00:00:00", "05-Mär-10 00:00:00"},
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

struct AlignRow {
  const char* name;
  const char* text;
  int width;
  const char* expected;
};

class RightAlignTest : public testing::TestWithParam<AlignRow> {};

TEST_P(RightAlignTest, PadsOrKeepsTheLastCharacters) {
  const AlignRow& row = GetParam();
  EXPECT_EQ(Utf8(RightAlign(QString::fromUtf8(row.text), row.width)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RightAlignTest,
    testing::Values(AlignRow{"Padded", "abc", 5, "  abc"},
                    AlignRow{"ExactFit", "abc", 3, "abc"},
                    AlignRow{"KeepsLastCharacters", "abcdef", 3, "def"},
                    AlignRow{"EmptyTextIsAllBlanks", "", 2, "  "},
                    AlignRow{"ZeroWidth", "abc", 0, ""},
                    AlignRow{"NegativeWidth", "abc", -4, ""}),
    [](const testing::TestParamInfo<AlignRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
