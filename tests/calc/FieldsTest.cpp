// Reading numbers from field texts: NumberValue, IsNumberText and LocaleNumber.
#include "calc/Fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tw {
namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

struct ValueRow {
  const char* name;
  QString text;
  double expected;
};

std::string RowName(const char* name) { return name; }

class NumberValueTest : public testing::TestWithParam<ValueRow> {};

TEST_P(NumberValueTest, ReadsTheLeadingNumber) {
  const ValueRow& row = GetParam();
  const double value = NumberValue(row.text);
  // Exact comparison: a correctly rounded reading gives the literal's double.
  EXPECT_EQ(value, row.expected) << row.text.toStdString();
  EXPECT_FALSE(std::signbit(value) && value == 0) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberValueTest,
    testing::Values(
        ValueRow{"Decimal", "12.75", 12.75},
        ValueRow{"TenthIsExact", "0.1", 0.1},
        ValueRow{"LeadingPoint", ".25", 0.25},
        ValueRow{"SecondPointEndsNumber", "1.2.3", 1.2},
        ValueRow{"CommaEndsNumber", "1,500", 1},
        ValueRow{"LetterSuffix", "12abc", 12},
        ValueRow{"LetterPrefix", "abc12", 0},
        ValueRow{"Empty", "", 0},
        ValueRow{"SingleBlank", " ", 0},
        ValueRow{"LonePoint", ".", 0},
        ValueRow{"MinusZero", "-0", 0},
        ValueRow{"Negative", "-3.5", -3.5},
        ValueRow{"ExplicitPlus", "+7", 7},
        ValueRow{"DoubleSign", "--5", 0},
        ValueRow{"TabAndLineFeedBetweenDigits", "\t1\n2 . 5", 12.5},
        ValueRow{"CarriageReturnEndsNumber", "1\r2", 1},
        ValueRow{"NonBreakingSpaceEndsNumber", QString::fromUtf8("1\u00A02"), 1},
        ValueRow{"ExponentE", "1.5E3", 1500},
        ValueRow{"ExponentD", "1D2", 100},
        ValueRow{"NegativeExponent", "25E-1", 2.5},
        ValueRow{"ExponentWithoutDigits", "3E", 3},
        ValueRow{"ExponentSignWithoutDigits", "3E+x", 3},
        ValueRow{"ExponentWithoutMantissa", "E5", 0},
        ValueRow{"HexadecimalLowerCase", "&hff", 255},
        ValueRow{"HexadecimalStopsAtNonHexDigit", "&H1G", 1},
        ValueRow{"OctalStopsAtEight", "&O178", 15},
        ValueRow{"UnknownPrefix", "&X12", 0},
        ValueRow{"SignBeforePrefix", "-&H10", 0},
        ValueRow{"FourHundredDigits", QStringLiteral("1") + QString(400, QLatin1Char('0')), kLargest},
        ValueRow{"ManyFractionZeros", QStringLiteral("0.") + QString(400, QLatin1Char('0')) + "1", 0},
        ValueRow{"NegativeHugeExponent", "-1e400", -kLargest},
        ValueRow{"EndlessExponentDigits", "1e99999999999999999999999999", kLargest},
        ValueRow{"LargestDoubleStaysFinite", "1.7976931348623157e308", kLargest},
        ValueRow{"LongHexadecimal", QStringLiteral("&H") + QString(300, QLatin1Char('F')), kLargest},
        ValueRow{"ArabicIndicDigits", QString::fromUtf8("١٢"), 0},
        ValueRow{"DigitsThenJapanese", QString::fromUtf8("12日3"), 12}),
    [](const testing::TestParamInfo<ValueRow>& info) { return RowName(info.param.name); });

struct LocaleRow {
  const char* name;
  const char* locale;
  QString text;
  bool isNumber;
  double value;  // the locale's reading, when isNumber
};

class IsNumberTextTest : public testing::TestWithParam<LocaleRow> {};

TEST_P(IsNumberTextTest, JudgesTheWholeTextByTheLocale) {
  const LocaleRow& row = GetParam();
  const QLocale locale(QString::fromLatin1(row.locale));
  EXPECT_EQ(IsNumberText(row.text, locale), row.isNumber) << row.text.toStdString();
  const auto value = LocaleNumber(row.text, locale);
  ASSERT_EQ(value.has_value(), row.isNumber);
  if (value) {
    EXPECT_EQ(*value, row.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IsNumberTextTest,
    testing::Values(
        LocaleRow{"GbGroupedThousands", "en_GB", "1,500", true, 1500},
        LocaleRow{"GbGroupedWithDecimals", "en_GB", "1,500.25", true, 1500.25},
        LocaleRow{"GbShortGroup", "en_GB", "1,5", false, 0},
        LocaleRow{"GbLongGroup", "en_GB", "1,5000", false, 0},
        LocaleRow{"GbLongFirstGroup", "en_GB", "1234,567", false, 0},
        LocaleRow{"GbLeadingSeparator", "en_GB", ",500", false, 0},
        LocaleRow{"GbSeparatorInFraction", "en_GB", "1.500,5", false, 0},
        LocaleRow{"GbIndianGrouping", "en_GB", "1,00,000", true, 100000},
        LocaleRow{"GbLeadingPoint", "en_GB", ".5", true, 0.5},
        LocaleRow{"GbNegative", "en_GB", "-2.5", true, -2.5},
        LocaleRow{"GbSurroundingBlanks", "en_GB", "  42  ", true, 42},
        LocaleRow{"GbInnerBlank", "en_GB", "4 2", false, 0},
        LocaleRow{"GbBlankAfterSign", "en_GB", "- 2", false, 0},
        LocaleRow{"GbEmpty", "en_GB", "", false, 0},
        LocaleRow{"GbBlanksOnly", "en_GB", "   ", false, 0},
        LocaleRow{"GbLonePoint", "en_GB", ".", false, 0},
        LocaleRow{"GbExponentD", "en_GB", "1D3", true, 1000},
        LocaleRow{"GbExponentWithoutDigits", "en_GB", "1e", false, 0},
        LocaleRow{"GbExponentOnly", "en_GB", "e5", false, 0},
        LocaleRow{"GbLetterSuffix", "en_GB", "12abc", false, 0},
        LocaleRow{"GbCurrencySymbol", "en_GB", QString::fromUtf8("£5"), false, 0},
        LocaleRow{"GbArabicIndicDigits", "en_GB", QString::fromUtf8("١٢"), false, 0},
        LocaleRow{"GbHugeNumber", "en_GB", "1e400", true, std::numeric_limits<double>::max()},
        LocaleRow{"UsDecimalComma", "en_US", "1234,5", false, 0},
        LocaleRow{"DeGroupedWithDecimals", "de_DE", "1.500,5", true, 1500.5},
        LocaleRow{"DeDecimalComma", "de_DE", "1,5", true, 1.5},
        LocaleRow{"DeEnglishForm", "de_DE", "1,500.25", false, 0},
        LocaleRow{"DeExponent", "de_DE", "1,5e3", true, 1500},
        LocaleRow{"FrBlankGroupSeparator", "fr_FR", "1 500,5", true, 1500.5},
        LocaleRow{"FrOwnGroupSeparator", "fr_FR", QString::fromUtf8("1\u202F500"), true, 1500}),
    [](const testing::TestParamInfo<LocaleRow>& info) { return RowName(info.param.name); });

// Where the decimal separator is a comma, a period is a decimal point too: the
// first of the two in the text is the point. Period locales keep the plain rule.
struct PointRow {
  const char* name;
  const char* locale;
  QString text;
  bool isNumber;
  double value;  // NumberValue by the locale
};

class DecimalPointTest : public testing::TestWithParam<PointRow> {};

TEST_P(DecimalPointTest, ReadsTheLocaleSeparatorOrAPeriod) {
  const PointRow& row = GetParam();
  const QLocale locale(QString::fromLatin1(row.locale));
  EXPECT_EQ(IsNumberText(row.text, locale), row.isNumber) << row.text.toStdString();
  EXPECT_EQ(NumberValue(row.text, locale), row.value) << row.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecimalPointTest,
    testing::Values(
        PointRow{"DeComma", "de_DE", "95,5", true, 95.5},
        PointRow{"DePeriod", "de_DE", "95.5", true, 95.5},
        PointRow{"DePeriodPrice", "de_DE", "0.65", true, 0.65},
        PointRow{"DeSecondSeparatorEndsNumber", "de_DE", "1,5.3", false, 1.5},
        PointRow{"DeGroupedStillANumber", "de_DE", "1.500,5", true, 1.5},
        PointRow{"DeEnglishGroupingRefused", "de_DE", "1,500.25", false, 1.5},
        PointRow{"DeExponentAfterComma", "de_DE", "2,5E2", true, 250},
        PointRow{"DeLetterSuffix", "de_DE", "60,5cm", false, 60.5},
        PointRow{"FrComma", "fr_FR", "0,65", true, 0.65},
        PointRow{"FrPeriod", "fr_FR", "2.54", true, 2.54},
        PointRow{"NlComma", "nl_NL", "12,75", true, 12.75},
        PointRow{"GbCommaIsAGroupSeparator", "en_GB", "1,500", true, 1},
        PointRow{"GbCommaDecimalRefused", "en_GB", "95,5", false, 95},
        PointRow{"ChPeriodLocaleUnchanged", "de_CH", "95,5", false, 95}),
    [](const testing::TestParamInfo<PointRow>& info) { return RowName(info.param.name); });

}  // namespace
}  // namespace tw
