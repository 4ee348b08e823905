// The Calculate button as the user drives it: the results of a priced period that
// runs out, periods that make no sense without the cross-field checks, refusals,
// the fatal traps of each stage and what counts as changed input.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "CalcSession.h"
#include "platform/ProgramEnded.h"
#include "calc/Fingerprint.h"

namespace tw {
namespace {

struct Expected {
    Ctl field;
    const char* text;
};

void ExpectFields(const CalcSession& s, const std::vector<Expected>& expected) {
    for (const Expected& e : expected)
        EXPECT_EQ(s.text(e.field), e.text) << Str(s.p.main.at(int(e.field)).name);
}

// Tank A read as volumes: 600 litres on 31 August 2009 worth 300 (as Get Last brings
// back), 500 delivered at 0.50 with a charge of 25, 100 left 40 days later.
void RunOutPeriod(CalcSession& s, const char* date1 = "31/08/2009",
                  const char* date2 = "10/10/2009", const char* date3 = "15/09/2009") {
    s.volumeReadings("600", "100");
    s.type(Ctl::Date1, date1);
    s.type(Ctl::Date2, date2);
    s.type(Ctl::Date3, date3);
    s.type(Ctl::LAdd1, "500");
    s.type(Ctl::OCost1, "0.5");
    s.type(Ctl::DCharge1, "25");
    s.p.st.OilValue = "300";
}

// The window shows the results, and the figures the results report and the logs
// take from the calculation are kept as plain numbers (the value of the oil left
// as shown, with its symbol).
TEST(CalculateResults, RunOutBeforeThePeriodEndsBuysMoreOil) {
    CalcSession s;
    RunOutPeriod(s);
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::TankT, "1000"},          {Ctl::TDays, "40"},
                     {Ctl::TCost, "£525.00"},        {Ctl::VCost, "£26.25"},
                     {Ctl::TVCost, "£551.25"},       {Ctl::DCost, "£13.78"},
                     {Ctl::FillDate, "14/10/2009"},  {Ctl::TDaysP, "181"},
                     {Ctl::TankTP, "4525"},          {Ctl::TCostP, "£2,462.50"},
                     {Ctl::VCostP, "£123.13"},       {Ctl::TVCostP, "£2,585.63"},
                     {Ctl::OCost1, "£0.5000"},       {Ctl::DCharge1, "£25.00"}});
    EXPECT_EQ(s.p.st.PredictedDeliveries, 8);
    EXPECT_EQ(Str(s.p.st.RemainingOilValue), "£50.00");
    EXPECT_EQ(Str(s.p.st.Delivery1Cost), "288.75");  // 250 and 25, each with 5%
    EXPECT_EQ(Str(s.p.st.OilVat), "25");
    EXPECT_EQ(Str(s.p.st.DeliveryVat), "1.25");
    EXPECT_EQ(Str(s.p.st.PredictedOilVat), "113.125");
    EXPECT_EQ(Str(s.p.st.PredictedDeliveryVat), "10");
    EXPECT_TRUE(s.p.main.enabled(Ctl::Save));
}

// Periods that only pass with the cross-field checks off, or without a prediction
// period, leave the figures they cannot give empty and never a broken number.
struct PeriodRow {
    const char* name;
    std::function<void(CalcSession&)> type;
    std::vector<Expected> expected;
};

void PrintTo(const PeriodRow& row, std::ostream* os) { *os << row.name; }

class UnusualPeriod : public testing::TestWithParam<PeriodRow> {};

TEST_P(UnusualPeriod, LeavesWhatItCannotGiveEmpty) {
    CalcSession s("-InhibitCombCheck");
    GetParam().type(s);
    s.click(Ctl::Calc);
    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, GetParam().expected);
    for (int i = 0; i < s.p.main.count(); ++i) {
        const QString t = s.p.main.at(i).text.toLower();
        EXPECT_FALSE(t.contains("nan") || t.contains("inf")) << Str(s.p.main.at(i).name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, UnusualPeriod,
    testing::Values(
        // The same day twice: the period is still priced, but nothing is per day.
        PeriodRow{"noDays",
                  [](CalcSession& s) { RunOutPeriod(s, "10/10/2009", "10/10/2009", "10/10/2009"); },
                  {{Ctl::TVCost, "£551.25"}, {Ctl::DCost, ""}, {Ctl::TCostP, ""}}},
        // 100 litres over nineteen years: a use that shows as 0.0 gives no CO2 figures.
        PeriodRow{"useTooSmallToShow",
                  [](CalcSession& s) {
                      s.volumeReadings("500", "400");
                      s.type(Ctl::Date1, "01/01/2001");
                      s.type(Ctl::Date2, "01/01/2020");
                  },
                  {{Ctl::VDay, "0.0"}, {Ctl::TCO2, ""}, {Ctl::DCO2, ""}, {Ctl::TCO2P, "8"}}},
        PeriodRow{"noFirstDate",
                  [](CalcSession& s) {
                      s.volumeReadings("", "900");
                      s.type(Ctl::Date2, "10/10/2009");
                      s.type(Ctl::Date3, "01/10/2009");
                      s.type(Ctl::LAdd1, "1000");
                      s.type(Ctl::OCost1, "0.5");
                  },
                  {{Ctl::TankT, "100"},
                   {Ctl::OLeft, "900"},
                   {Ctl::OLeftM, "Left:"},
                   {Ctl::TDays, ""},
                   {Ctl::VDay, ""},
                   {Ctl::DCost, ""},
                   {Ctl::TCO2, ""},
                   {Ctl::TDaysP, ""},
                   {Ctl::FillDate, ""}}},
        PeriodRow{"noPredictionPeriod",
                  [](CalcSession& s) {
                      s.type(Ctl::Predict, "0");
                      RunOutPeriod(s);
                  },
                  {{Ctl::TankT, "1000"},
                   {Ctl::TDaysP, ""},
                   {Ctl::TankTP, ""},
                   {Ctl::TCostP, ""},
                   {Ctl::VCostP, ""},
                   {Ctl::TVCostP, ""},
                   {Ctl::TCO2P, ""},
                   {Ctl::FillDate, ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculateResults, AutoSaveSavesAtOnceAndLeavesSaveOff) {
    CalcSession s;
    s.click(Ctl::AutoSave);
    RunOutPeriod(s);
    s.click(Ctl::Calc);
    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    EXPECT_FALSE(s.p.main.enabled(Ctl::Save));
    EXPECT_EQ(s.text(Ctl::Status), "Calculation Saved");
}

TEST(CalculateUnchanged, PriceFieldsGetTheirSymbolBackWhenRefused) {
    CalcSession s;
    RunOutPeriod(s);
    s.click(Ctl::Calc);
    ASSERT_EQ(s.text(Ctl::OCost1), "£0.5000");
    s.click(Ctl::Calc);
    ASSERT_EQ(s.desktop.messages.size(), 1u);
    EXPECT_EQ(s.text(Ctl::OCost1), "£0.5000");
    EXPECT_EQ(s.text(Ctl::DCharge1), "£25.00");
}

// A failure at any stage ends the program through the fatal dump, which names the
// operation whose trap caught it; the cross-field checks have no trap of their own.
struct TrapRow {
    const char* name;
    int step;
    const char* error;
};

class CalculationTrap : public testing::TestWithParam<TrapRow> {};

TEST_P(CalculationTrap, EndsTheProgramWithTheDumpOfItsOperation) {
    CalcSession s;
    RunOutPeriod(s);
    s.p.failAtStep(GetParam().step);
    EXPECT_THROW(s.click(Ctl::Calc), ProgramEnded);
    ASSERT_FALSE(s.desktop.messages.empty());
    EXPECT_EQ(Str(s.desktop.messages.back().title), "Tankwise Fatal Error");
    EXPECT_EQ(s.lastMessage(), "Error Number " + std::to_string(GetParam().step) +
                                   "\r\nA Fatal " + GetParam().error +
                                   " Has Occurred\r\nThe Program Will Now Terminate");
    EXPECT_TRUE(s.p.ended());
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, CalculationTrap,
    testing::Values(TrapRow{"strippingSymbols", 221, "Currency Format Error"},
                    TrapRow{"checkingFields", 121, "Check Data Error"},
                    TrapRow{"normalisingFields", 127, "Check Data Error"},
                    TrapRow{"firstCrossCheck", 111, "Calculation Error"},
                    TrapRow{"lastCrossCheck", 118, "Calculation Error"},
                    TrapRow{"beforeTheCosts", 105, "Calculation Error"},
                    TrapRow{"formattingResults", 232, "Tidy Output Error"},
                    TrapRow{"tidyingInput", 261, "Tidy Input Error"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FingerprintRow {
    const char* name;
    Ctl control;
    bool counts;
};

class FingerprintOf : public testing::TestWithParam<FingerprintRow> {};

TEST_P(FingerprintOf, ChangesWithWhatTheResultDependsOn) {
    CalcSession s;
    const FingerprintRow& r = GetParam();
    const QString before = BuildInputFingerprint(s.p);
    EXPECT_TRUE(before.endsWith("."));
    if (s.p.main.at(int(r.control)).kind == Kind::CheckBox) {
        s.p.main.setChecked(r.control, !s.p.main.checked(r.control));
    } else if (s.p.main.at(int(r.control)).kind == Kind::ComboBox) {
        s.p.main.setIndex(r.control, (s.p.main.index(r.control) + 1) % 3);
    } else {
        s.p.main.setText(r.control, s.p.main.text(r.control) + "7");
    }
    EXPECT_EQ(BuildInputFingerprint(s.p) != before, r.counts);
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, FingerprintOf,
    testing::Values(FingerprintRow{"date4", Ctl::Date4, true},
                    FingerprintRow{"notes", Ctl::Notes, true},
                    FingerprintRow{"tankAShape", Ctl::TankAS, true},
                    FingerprintRow{"tankBOffset", Ctl::TankOffB, true},
                    FingerprintRow{"readingMode", Ctl::TankBU, true},
                    FingerprintRow{"pounds", Ctl::TUnitsCT, true},
                    FingerprintRow{"noHistory", Ctl::NoHistory, true},
                    FingerprintRow{"waterHeating2", Ctl::WHeat2, true},
                    FingerprintRow{"autoSave", Ctl::AutoSave, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FingerprintOf, KeepsTheOffsetsApart) {
    CalcSession s;
    s.p.main.setText(Ctl::TankOffA, "1");
    s.p.main.setText(Ctl::TankOffB, "");
    const QString first = BuildInputFingerprint(s.p);
    s.p.main.setText(Ctl::TankOffA, "");
    s.p.main.setText(Ctl::TankOffB, "1");
    EXPECT_NE(BuildInputFingerprint(s.p), first);
}

}  // namespace
}  // namespace tw
