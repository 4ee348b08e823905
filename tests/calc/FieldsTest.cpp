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
        ValueRow{"PlainInteger", "42", 42},
        ValueRow{"LeadingZeros", "007", 7},
        ValueRow{"Decimal", "12.75", 12.75},
        ValueRow{"TenthIsExact", "0.1", 0.1},
        ValueRow{"SmallFraction", "0.000123", 0.000123},
        ValueRow{"LeadingPoint", ".25", 0.25},
        ValueRow{"TrailingPoint", "5.", 5},
        ValueRow{"SecondPointEndsNumber", "1.2.3", 1.2},
        ValueRow{"CommaEndsNumber", "1,500", 1},
        ValueRow{"LetterSuffix", "12abc", 12},
        ValueRow{"LetterPrefix", "abc12", 0},
        ValueRow{"Empty", "", 0},
        ValueRow{"SingleBlank", " ", 0},
        ValueRow{"LonePoint", ".", 0},
        ValueRow{"LoneMinus", "-", 0},
        ValueRow{"MinusZero", "-0", 0},
        ValueRow{"MinusZeroPointZero", "-0.0", 0},
        ValueRow{"Negative", "-3.5", -3.5},
        ValueRow{"ExplicitPlus", "+7", 7},
        ValueRow{"DoubleSign", "--5", 0},
        ValueRow{"LeadingBlanks", "   42", 42},
        ValueRow{"BlankBetweenDigits", "1 2", 12},
        ValueRow{"TabAndLineFeedBetweenDigits", "\t1\n2 . 5", 12.5},
        ValueRow{"BlankAfterSign", "- 4", -4},
        ValueRow{"CarriageReturnEndsNumber", "1\r2", 1},
        ValueRow{"NonBreakingSpaceEndsNumber", QString::fromUtf8("1\u00A02"), 1},
        ValueRow{"ExponentE", "1.5E3", 1500},
        ValueRow{"ExponentLowerCase", "2e2", 200},
        ValueRow{"ExponentD", "1D2", 100},
        ValueRow{"ExponentLowerCaseD", "3d1", 30},
        ValueRow{"NegativeExponent", "25E-1", 2.5},
        ValueRow{"PlusExponent", "4E+2", 400},
        ValueRow{"ExponentWithBlanks", "1 E 2", 100},
        ValueRow{"ExponentWithoutDigits", "3E", 3},
        ValueRow{"ExponentSignWithoutDigits", "3E+x", 3},
        ValueRow{"ExponentWithoutMantissa", "E5", 0},
        ValueRow{"PointBeforeExponent", ".5e1", 5},
        ValueRow{"Hexadecimal", "&H1F", 31},
        ValueRow{"HexadecimalLowerCase", "&hff", 255},
        ValueRow{"HexadecimalStopsAtNonHexDigit", "&H1G", 1},
        ValueRow{"HexadecimalAfterBlanks", "  &H 10", 16},
        ValueRow{"Octal", "&O17", 15},
        ValueRow{"OctalStopsAtEight", "&O178", 15},
        ValueRow{"PrefixWithoutDigits", "&H", 0},
        ValueRow{"UnknownPrefix", "&X12", 0},
        ValueRow{"SignBeforePrefix", "-&H10", 0},
        ValueRow{"ThirtyDigits", "123456789012345678901234567890", 123456789012345678901234567890.0},
        ValueRow{"ThreeHundredDigits", QStringLiteral("1") + QString(299, QLatin1Char('0')), 1e299},
        ValueRow{"FourHundredDigits", QStringLiteral("1") + QString(400, QLatin1Char('0')), kLargest},
        ValueRow{"ManyFractionZeros", QStringLiteral("0.") + QString(400, QLatin1Char('0')) + "1", 0},
        ValueRow{"HugeExponent", "1E400", kLargest},
        ValueRow{"NegativeHugeExponent", "-1e400", -kLargest},
        ValueRow{"TinyExponent", "1e-400", 0},
        ValueRow{"EndlessExponentDigits", "1e99999999999999999999999999", kLargest},
        ValueRow{"LargestDoubleStaysFinite", "1.7976931348623157e308", kLargest},
        ValueRow{"JustAboveLargestDouble", "1.8e308", kLargest},
        ValueRow{"LongHexadecimal", QStringLiteral("&H") + QString(300, QLatin1Char('F')), kLargest},
        ValueRow{"ArabicIndicDigits", QString::fromUtf8("١٢"), 0},
        ValueRow{"FullWidthDigits", QString::fromUtf8("１２"), 0},
        ValueRow{"JapaneseWord", QString::fromUtf8("日本"), 0},
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
        LocaleRow{"GbInteger", "en_GB", "1500", true, 1500},
        LocaleRow{"GbGroupedThousands", "en_GB", "1,500", true, 1500},
        LocaleRow{"GbGroupedWithDecimals", "en_GB", "1,500.25", true, 1500.25},
        LocaleRow{"GbTwoGroups", "en_GB", "12,345,678", true, 12345678},
        LocaleRow{"GbShortGroup", "en_GB", "1,5", false, 0},
        LocaleRow{"GbLongGroup", "en_GB", "1,5000", false, 0},
        LocaleRow{"GbLongFirstGroup", "en_GB", "1234,567", false, 0},
        LocaleRow{"GbLeadingSeparator", "en_GB", ",500", false, 0},
        LocaleRow{"GbTrailingSeparator", "en_GB", "1,", false, 0},
        LocaleRow{"GbSeparatorInFraction", "en_GB", "1.500,5", false, 0},
        LocaleRow{"GbIndianGrouping", "en_GB", "1,00,000", true, 100000},
        LocaleRow{"GbTrailingPoint", "en_GB", "1500.", true, 1500},
        LocaleRow{"GbLeadingPoint", "en_GB", ".5", true, 0.5},
        LocaleRow{"GbNegative", "en_GB", "-2.5", true, -2.5},
        LocaleRow{"GbPlus", "en_GB", "+2.5", true, 2.5},
        LocaleRow{"GbSurroundingBlanks", "en_GB", "  42  ", true, 42},
        LocaleRow{"GbSurroundingTab", "en_GB", "\t42", true, 42},
        LocaleRow{"GbInnerBlank", "en_GB", "4 2", false, 0},
        LocaleRow{"GbBlankAfterSign", "en_GB", "- 2", false, 0},
        LocaleRow{"GbEmpty", "en_GB", "", false, 0},
        LocaleRow{"GbBlanksOnly", "en_GB", "   ", false, 0},
        LocaleRow{"GbLonePoint", "en_GB", ".", false, 0},
        LocaleRow{"GbLoneMinus", "en_GB", "-", false, 0},
        LocaleRow{"GbExponent", "en_GB", "1e5", true, 100000},
        LocaleRow{"GbNegativeExponent", "en_GB", "1E-2", true, 0.01},
        LocaleRow{"GbExponentD", "en_GB", "1D3", true, 1000},
        LocaleRow{"GbExponentWithoutDigits", "en_GB", "1e", false, 0},
        LocaleRow{"GbExponentOnly", "en_GB", "e5", false, 0},
        LocaleRow{"GbLetterSuffix", "en_GB", "12abc", false, 0},
        LocaleRow{"GbTwoPoints", "en_GB", "1.2.3", false, 0},
        LocaleRow{"GbHexadecimal", "en_GB", "&H1F", false, 0},
        LocaleRow{"GbCurrencySymbol", "en_GB", QString::fromUtf8("£5"), false, 0},
        LocaleRow{"GbArabicIndicDigits", "en_GB", QString::fromUtf8("١٢"), false, 0},
        LocaleRow{"GbJapaneseWord", "en_GB", QString::fromUtf8("日本"), false, 0},
        LocaleRow{"GbHugeNumber", "en_GB", "1e400", true, std::numeric_limits<double>::max()},
        LocaleRow{"UsGroupedWithDecimals", "en_US", "1,234.5", true, 1234.5},
        LocaleRow{"UsDecimalComma", "en_US", "1234,5", false, 0},
        LocaleRow{"DeGroupedWithDecimals", "de_DE", "1.500,5", true, 1500.5},
        LocaleRow{"DeDecimalComma", "de_DE", "1,5", true, 1.5},
        LocaleRow{"DeGroupedThousands", "de_DE", "1.500", true, 1500},
        LocaleRow{"DeShortGroup", "de_DE", "1.5", false, 0},
        LocaleRow{"DeEnglishForm", "de_DE", "1,500.25", false, 0},
        LocaleRow{"DeNegativeFraction", "de_DE", "-0,5", true, -0.5},
        LocaleRow{"DeLeadingComma", "de_DE", ",5", true, 0.5},
        LocaleRow{"DeExponent", "de_DE", "1,5e3", true, 1500},
        LocaleRow{"FrBlankGroupSeparator", "fr_FR", "1 500,5", true, 1500.5},
        LocaleRow{"FrOwnGroupSeparator", "fr_FR", QString::fromUtf8("1\u202F500"), true, 1500}),
    [](const testing::TestParamInfo<LocaleRow>& info) { return RowName(info.param.name); });

}  // namespace
}  // namespace tw
