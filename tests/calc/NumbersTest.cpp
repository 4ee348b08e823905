// Numbers as fields hold them and as the program writes them, in several locales.
#include <cmath>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/NumberText.h"

using namespace tw;

static constexpr double kMax = std::numeric_limits<double>::max();

TEST(Numbers, LeadingNumberOfMachineText) {
    struct Row { const char* name; QString text; double value; };
    const Row rows[] = {
        {"decimal", "12.75", 12.75},          {"secondPointEnds", "1.2.3", 1.2}, {"commaEnds", "1,500", 1},            {"letterSuffix", "12abc", 12},
        {"letterPrefix", "abc12", 0},         {"empty", "", 0}, {"negative", "-3.5", -3.5},           {"doubleSign", "--5", 0},
        {"blanksSkipped", "\t1\n2 . 5", 12.5}, {"exponentD", "1D2", 100}, {"negativeExponent", "25E-1", 2.5},   {"exponentWithoutDigits", "3E", 3},
        {"hexadecimal", "&hff", 255},         {"octalStopsAtEight", "&O178", 15},
        {"hugeIsLargest", "-1e400", -kMax},   {"foreignDigits", QString::fromUtf8("١٢"), 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(NumberValue(r.text), r.value);
    }
}

TEST(Numbers, WholeTextJudgedAndReadByTheLocale) {
    // One reader: a text is a number with this value, or not a number (value 0).
    struct Row { const char* name; const char* locale; QString text; std::optional<double> value; };
    const std::optional<double> no;
    const Row rows[] = {
        {"gbGrouped", "en_GB", "1,500.25", 1500.25}, {"gbShortGroup", "en_GB", "1,5", no}, {"gbLongFirstGroup", "en_GB", "1234,567", no},
        {"gbIndianGrouping", "en_GB", "1,00,000", 100000}, {"gbShortInnerGroup", "en_GB", "1,2,345", no}, {"gbInnerBlank", "en_GB", "4 2", no}, {"gbLetterO", "en_GB", " 8O", no},
        {"deGroupedThousand", "de_DE", "1.100", 1100}, {"deGrouped", "de_DE", "12.345,6", 12345.6}, {"dePeriodShortGroup", "de_DE", "1.5", 1.5},
        {"dePeriodLongGroup", "de_DE", "1.2345", 1.2345}, {"deTwoPeriods", "de_DE", "1.2.3", no}, {"deEnglishForm", "de_DE", "1,500.25", no},
        {"frNoBreakGroup", "fr_FR", QString::fromUtf8("3\u00A0000,5"), 3000.5}, {"frPeriodPoint", "fr_FR", "1.500", 1.5},
        {"chApostrophe", "de_CH", "1'250", 1250}, {"chCommaIsNoPoint", "de_CH", "95,5", no}, {"plBlankGroup", "pl_PL", "1 250,3", 1250.3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QLocale locale(QString::fromLatin1(r.locale));
        EXPECT_EQ(IsNumberText(r.text, locale), r.value.has_value());
        EXPECT_EQ(LocaleNumber(r.text, locale), r.value);
        EXPECT_EQ(NumberValue(r.text, locale), r.value.value_or(0));
    }
}

TEST(Numbers, GeneralNumberUpToFifteenDigits) {
    struct Row { double value; const char* text; };
    const Row rows[] = {{0.0, "0"},        {-0.0, "0"},          {1234567, "1234567"},
                        {-1234.5, "-1234.5"}, {0.1 + 0.2, "0.3"},   {2.0 / 3, "0.666666666666667"}, {1e15, "1E+15"},   {999999999999999.0, "999999999999999"},
                        {0.0001, "0.0001"}, {0.000015, "1.5E-05"}, {std::nan(""), "0"}};
    for (const Row& r : rows) EXPECT_EQ(GeneralNumber(r.value), r.text) << r.value;
}

TEST(Numbers, FixedNumberRoundsHalfAwayFromZero) {
    struct Row { const char* name; const char* locale; double value; int decimals; const char* text; };
    const Row rows[] = {
        {"half", "en_GB", 2.5, 0, "3"},           {"negativeHalf", "en_GB", -2.5, 0, "-3"},
        {"binaryBelowHalf", "en_GB", 2.675, 2, "2.68"}, {"padded", "en_GB", 12.5, 2, "12.50"},
        {"carry", "en_GB", 9.995, 2, "10.00"},    {"tinyDown", "en_GB", 0.000049, 4, "0.0000"},
        {"negativeToZero", "en_GB", -0.04, 1, "0.0"}, {"negativeAway", "en_GB", -0.05, 1, "-0.1"}, {"noGrouping", "de_DE", 1e20, 1, "100000000000000000000,0"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(FixedNumber(r.value, r.decimals, QLocale(QString::fromLatin1(r.locale))), r.text);
    }
}

TEST(Numbers, CurrencyWrittenAndStripped) {
    struct Row { const char* locale; double value; const char* text; };
    const Row rows[] = {{"en_GB", 2.675, "£2.68"},     {"en_GB", -0.001, "£0.00"},
                        {"en_GB", -5, "(£5.00)"},      {"en_US", 1234.5, "$1,234.50"}, {"de_DE", -1234.5, "-1.234,50\u00A0€"}, {"fr_FR", 60, "60,00\u00A0€"},
                        {"C", 1, "1.00"}};
    for (const Row& r : rows) {
        const QLocale locale{QString::fromLatin1(r.locale)};
        EXPECT_EQ(CurrencyText(r.value, locale), QString::fromUtf8(r.text)) << r.locale;
    }
    struct Strip { const char* text; const char* symbol; const char* bare; };
    const Strip strips[] = {{"-£3.00", "£", "-3.00"},         {"(£3.00)", "£", "-3.00"},
                            {"(3.00)", "£", "(3.00)"},        {"12,50\u00a0€", "€", "12,50"}, {"€ 12,50", "€", "12,50"},        {"$5.00", "£", "$5.00"},
                            {"£12.50", "", "£12.50"},         {"££1", "£", "£1"},
                            {"1,00\u202F€", "€", "1,00"}};
    for (const Strip& s : strips)
        EXPECT_EQ(StripCurrencySymbol(QString::fromUtf8(s.text), QString::fromUtf8(s.symbol)),
                  QString::fromUtf8(s.bare)) << s.text;
}

// The fast writers must give Qt's own digits for every value, ties included: the
// logs written before them and the program's readers expect exactly those.
TEST(Numbers, FastDigitsMatchQtIncludingExactTies) {
    std::vector<double> values = {0.125, 2.5, -2.5, 0.285, 1.005, 123456789012345.5, 1e15, 1e-5,
                                  0.000015, -0.0, 5e-324, 1.7e308, 99.995, 0.5, 1e22, 4.35};
    std::uint64_t bits = 0x9E3779B97F4A7C15ull;  // a fixed stream of values over every size
    for (int i = 0; i < 20000; ++i) {
        bits ^= bits << 13, bits ^= bits >> 7, bits ^= bits << 17;
        const double scale = std::pow(10.0, double(int(bits % 24)) - 8);
        values.push_back(double(bits >> 11) / double(1ull << 53) * scale * (bits & 1 ? -1 : 1));
        values.push_back(std::round(double(bits % 2000000)) / 8);  // eighths: ties at two places
    }
    for (double v : values) {
        for (int precision : {1, 6, 10, 15, 17})
            ASSERT_EQ(GeneralDigits(v, precision), QString::number(v, 'g', precision)) << v << " g" << precision;
        for (int decimals : {0, 1, 2, 4, 6})
            ASSERT_EQ(FixedDigits(v, decimals), QString::number(v, 'f', decimals)) << v << " f" << decimals;
        // A saved figure of fifteen digits or fewer reads back from its text as itself.
        if (std::isnormal(v) && ShortestDigitCount(v) <= 15) {
            ASSERT_EQ(NumberValue(GeneralNumber(v)), v) << v;
        }
    }
}
