#include <gtest/gtest.h>

#include "CalcSession.h"
#include "calc/Currency.h"
#include "calc/Tidy.h"

namespace tw {
namespace {

// A started program whose locale is then switched, as the currency refresh sees it.
struct TidySession : CalcSession {
    explicit TidySession(const QLocale& locale, bool bareC = false) {
        desktop.userLocale = locale;
        desktop.bareC = bareC;
        RefreshCurrency(p, false, false);
    }
};

struct OutputRow {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
    Ctl field;
    const char* before;
    const char* after;
};

class TidiedResult : public testing::TestWithParam<OutputRow> {};

TEST_P(TidiedResult, TakesItsDisplayFormAndKeepsItTheSecondTime) {
    const OutputRow& r = GetParam();
    TidySession s(QLocale(r.language, r.territory));
    s.p.main.setText(r.field, QString::fromUtf8(r.before));
    TidyOutput(s.p);
    EXPECT_EQ(s.text(r.field), r.after);
    TidyOutput(s.p);
    EXPECT_EQ(s.text(r.field), r.after);
}

constexpr auto En = QLocale::English;
constexpr auto De = QLocale::German;
constexpr auto Gb = QLocale::UnitedKingdom;

INSTANTIATE_TEST_SUITE_P(
    TidyOutput, TidiedResult,
    testing::Values(
        OutputRow{"costInPounds", En, Gb, Ctl::TCost, "12.5", "£12.50"},
        OutputRow{"costWithGrouping", En, Gb, Ctl::TVCost, "1234.5", "£1,234.50"},
        OutputRow{"negativeCost", En, Gb, Ctl::TCostP, "-5", "(£5.00)"},
        OutputRow{"negativeCostInDollars", En, QLocale::UnitedStates, Ctl::TCostP, "-5",
                  "($5.00)"},
        OutputRow{"alreadyFormattedCost", En, Gb, Ctl::VCost, "£3.00", "£3.00"},
        OutputRow{"costPerDayRounded", En, Gb, Ctl::DCost, "13.78125", "£13.78"},
        OutputRow{"litresWhole", En, Gb, Ctl::TankT, "1234.56", "1235"},
        OutputRow{"co2PerDayOneDecimal", En, Gb, Ctl::DCO2, "3.14159", "3.1"},
        OutputRow{"zeroCo2Blank", En, Gb, Ctl::TCO2, "0", ""},
        OutputRow{"zeroCostBlank", En, Gb, Ctl::TVCostP, "0", ""},
        OutputRow{"zeroCostWithSymbolBlank", En, Gb, Ctl::DCost, "£0.00", ""},
        OutputRow{"nothingLeftStillShows", En, Gb, Ctl::OLeft, "0", "0"},
        OutputRow{"useInADayUntouched", En, Gb, Ctl::VDay, "25.04", "25.04"},
        OutputRow{"daysUntouched", En, Gb, Ctl::TDays, "40", "40"},
        OutputRow{"costInDollars", En, QLocale::UnitedStates, Ctl::TCost, "12.5", "$12.50"},
        OutputRow{"costInEurosAfterTheNumber", De, QLocale::Germany, Ctl::TCost, "60",
                  "60,00\u00a0€"},
        OutputRow{"euroCostWithGrouping", De, QLocale::Germany, Ctl::TVCost, "1234.5",
                  "1.234,50\u00a0€"},
        OutputRow{"germanDecimalCommaReadBack", De, QLocale::Germany, Ctl::DCO2, "3.14159",
                  "3,1"},
        OutputRow{"germanThousandthsAreNotThousands", De, QLocale::Germany, Ctl::TCost,
                  "1.234", "1,23\u00a0€"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TidyOutput, CurrencyWithoutASymbolInTheCLocale) {
    TidySession s(QLocale::c(), true);
    s.p.main.setText(Ctl::TCost, "12.5");
    TidyOutput(s.p);
    EXPECT_EQ(s.text(Ctl::TCost), "12.50");
    TidyOutput(s.p);
    EXPECT_EQ(s.text(Ctl::TCost), "12.50");
}

TEST(TidyOutput, WithoutOilTaxOnlyTheCostsWithTaxShow) {
    TidySession s(QLocale(En, Gb));
    s.type(Ctl::VRate, "");
    for (Ctl c : {Ctl::TCost, Ctl::TCostP, Ctl::TVCost, Ctl::TVCostP}) s.p.main.setText(c, "10");
    TidyOutput(s.p);
    EXPECT_EQ(s.text(Ctl::TCost), "");
    EXPECT_EQ(s.text(Ctl::TCostP), "");
    EXPECT_EQ(s.text(Ctl::TVCost), "£10.00");
    EXPECT_EQ(s.text(Ctl::TVCostP), "£10.00");
}

struct DateRow {
    const char* name;
    const char* before;
    const char* after;
};

class TidiedDate : public testing::TestWithParam<DateRow> {};

TEST_P(TidiedDate, OnlyOverLongDatesAreShortened) {
    TidySession s(QLocale(En, Gb));
    s.p.main.setText(Ctl::FillDate, GetParam().before);
    s.p.main.setText(Ctl::Date3, GetParam().before);
    TidyOutput(s.p);
    EXPECT_EQ(s.text(Ctl::FillDate), GetParam().after);
    TidyInput(s.p);
    EXPECT_EQ(s.text(Ctl::Date3), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Tidy, TidiedDate,
    testing::Values(DateRow{"shortDateKept", "14/10/2009", "14/10/2009"},
                    DateRow{"elevenCharactersKept", "05-Mar-2011", "05-Mar-2011"},
                    DateRow{"fullMonthNameShortened", "05-March-2011", "05-Mar-2011"},
                    DateRow{"longTextThatIsNoDateKept", "not a date!!", "not a date!!"}),
    [](const auto& info) { return std::string(info.param.name); });

void FillReadings(CalcSession& s) {
    for (Ctl c : {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2})
        s.p.main.setText(c, "50.0");
}

TEST(TidyInput, ATankWithoutCapacityLosesItsReadings) {
    CalcSession s;
    s.p.main.setText(Ctl::TankBCap, "");
    FillReadings(s);
    s.p.st.OilAtReading1 = 600;
    s.p.st.OilAtReading2 = 0;
    TidyInput(s.p);
    EXPECT_EQ(s.text(Ctl::TARead1), "50.0");
    EXPECT_EQ(s.text(Ctl::TARead2), "50.0");
    EXPECT_EQ(s.text(Ctl::TBRead1), "");
    EXPECT_EQ(s.text(Ctl::TBRead2), "");
}

TEST(TidyInput, NoOilAtEitherReadingEmptiesEveryReading) {
    CalcSession s;
    s.p.main.setText(Ctl::TankBCap, "1000");
    FillReadings(s);
    s.p.st.OilAtReading1 = 0;
    s.p.st.OilAtReading2 = 0;
    TidyInput(s.p);
    for (Ctl c : {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2}) EXPECT_EQ(s.text(c), "");
}

TEST(TidyInput, BothTanksWithOilKeepTheirReadings) {
    CalcSession s;
    s.p.main.setText(Ctl::TankBCap, "1000");
    FillReadings(s);
    s.p.st.OilAtReading1 = 0;
    s.p.st.OilAtReading2 = 0.1f;
    TidyInput(s.p);
    for (Ctl c : {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2})
        EXPECT_EQ(s.text(c), "50.0");
}

}  // namespace
}  // namespace tw
