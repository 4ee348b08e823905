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
        OutputRow{"negativeCost", En, Gb, Ctl::TCostP, "-5", "(£5.00)"},
        OutputRow{"alreadyFormattedCost", En, Gb, Ctl::VCost, "£3.00", "£3.00"},
        OutputRow{"zeroCo2Blank", En, Gb, Ctl::TCO2, "0", ""},
        OutputRow{"zeroCostWithSymbolBlank", En, Gb, Ctl::DCost, "£0.00", ""},
        OutputRow{"costInEurosAfterTheNumber", De, QLocale::Germany, Ctl::TCost, "60",
                  "60,00\u00a0€"},
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

// The readings of a tank without capacity, or of both tanks when neither held any
// oil at either reading, are emptied once the calculation is done.
struct ReadingsRow {
    const char* name;
    const char* tankBCapacity;
    float oil1, oil2;
    const char* tankA;
    const char* tankB;
};

class TidiedReadings : public testing::TestWithParam<ReadingsRow> {};

TEST_P(TidiedReadings, KeepOnlyReadingsOfOil) {
    const ReadingsRow& r = GetParam();
    CalcSession s;
    s.p.main.setText(Ctl::TankBCap, r.tankBCapacity);
    for (Ctl c : {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2})
        s.p.main.setText(c, "50.0");
    s.p.st.OilAtReading1 = r.oil1;
    s.p.st.OilAtReading2 = r.oil2;
    TidyInput(s.p);
    for (Ctl c : {Ctl::TARead1, Ctl::TARead2}) EXPECT_EQ(s.text(c), r.tankA);
    for (Ctl c : {Ctl::TBRead1, Ctl::TBRead2}) EXPECT_EQ(s.text(c), r.tankB);
}

INSTANTIATE_TEST_SUITE_P(
    Tidy, TidiedReadings,
    testing::Values(ReadingsRow{"tankWithoutCapacity", "", 600, 0, "50.0", ""},
                    ReadingsRow{"noOilAtEitherReading", "1000", 0, 0, "", ""},
                    ReadingsRow{"oilAtOneReading", "1000", 0, 0.1f, "50.0", "50.0"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
