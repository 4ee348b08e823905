#include <gtest/gtest.h>

#include "CalcSession.h"
#include "app/ProgramEnded.h"

namespace tw {
namespace {

struct Expected {
    Ctl field;
    const char* text;
};

void ExpectFields(const CalcSession& s, std::initializer_list<Expected> expected) {
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

TEST(CalculateResults, RunOutBeforeThePeriodEndsBuysMoreOil) {
    CalcSession s;
    RunOutPeriod(s);
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::TankT, "1000"},          {Ctl::TDays, "40"},
                     {Ctl::VDay, "25.0"},           {Ctl::TCost, "£525.00"},
                     {Ctl::VCost, "£26.25"},        {Ctl::TVCost, "£551.25"},
                     {Ctl::DCost, "£13.78"},        {Ctl::TCO2, "2540"},
                     {Ctl::DCO2, "63.5"},           {Ctl::OLeft, "100"},
                     {Ctl::OLeftM, "Left:"},        {Ctl::FillDate, "14/10/2009"},
                     {Ctl::TDaysP, "181"},          {Ctl::TankTP, "4525"},
                     {Ctl::TCostP, "£2,462.50"},    {Ctl::VCostP, "£123.13"},
                     {Ctl::TVCostP, "£2,585.63"},   {Ctl::TCO2P, "11494"},
                     {Ctl::OCost1, "£0.5000"},      {Ctl::DCharge1, "£25.00"},
                     {Ctl::Status, ""}});
    EXPECT_EQ(s.p.st.PredictedDeliveries, 8);
    EXPECT_EQ(Str(s.p.st.RemainingOilValue), "£50.00");
    EXPECT_EQ(Str(s.p.st.Delivery1Cost), "288.75");  // 250 and 25, each with 5%
    EXPECT_EQ(Str(s.p.st.OilVat), "25");
    EXPECT_EQ(Str(s.p.st.DeliveryVat), "1.25");
    EXPECT_EQ(Str(s.p.st.PredictedOilVat), "113.125");
    EXPECT_EQ(Str(s.p.st.PredictedDeliveryVat), "10");
    EXPECT_TRUE(s.p.main.enabled(Ctl::Save));
}

TEST(CalculateResults, WithoutOilTaxOnlyTheTotalsShow) {
    CalcSession s;
    s.type(Ctl::VRate, "");
    s.type(Ctl::DVRate, "");
    RunOutPeriod(s);
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::TCost, ""},
                     {Ctl::VCost, ""},
                     {Ctl::TVCost, "£525.00"},
                     {Ctl::TCostP, ""},
                     {Ctl::VCostP, ""},
                     {Ctl::TVCostP, "£2,462.50"},
                     {Ctl::THead, ""},
                     {Ctl::TVHead, "Total Cost"}});
    EXPECT_EQ(Str(s.p.st.OilVat), "");
    EXPECT_EQ(Str(s.p.st.Delivery1Cost), "275");
}

TEST(CalculateResults, APricedDeliveryOfNoAmountBuysNoDeliveries) {
    CalcSession s("-InhibitCombCheck");
    RunOutPeriod(s);
    s.type(Ctl::OCost2, "0.6");
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    EXPECT_EQ(s.p.st.PredictedDeliveries, 0);
    ExpectFields(s, {{Ctl::TCostP, "£2,605.00"}, {Ctl::TVCostP, "£2,735.25"}});
}

TEST(CalculateResults, OilWithoutAValueIsNotPriced) {
    CalcSession s;
    RunOutPeriod(s);
    s.p.st.OilValue = "";
    s.click(Ctl::Calc);

    ExpectFields(s, {{Ctl::Status, "Costs Not Calculated"},
                     {Ctl::TCost, ""},
                     {Ctl::TVCost, ""},
                     {Ctl::VCost, ""},
                     {Ctl::DCost, ""},
                     {Ctl::TCostP, ""},
                     {Ctl::TVCostP, ""},
                     {Ctl::TankT, "1000"}});
    EXPECT_TRUE(s.p.timer1.enabled);
    s.p.mainTimerTick();
    EXPECT_EQ(s.text(Ctl::Status), "");
}

TEST(CalculateResults, TheFirstDeliveryIntoAnEmptyTankIsNotUse) {
    CalcSession s;
    s.volumeReadings("0", "500");
    s.type(Ctl::Date1, "31/08/2009");
    s.type(Ctl::Date2, "10/10/2009");
    s.type(Ctl::Date3, "01/09/2009");
    s.type(Ctl::LAdd1, "500");
    s.type(Ctl::OCost1, "0.5");
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::Status, "First Use Calculated"},
                     {Ctl::TankT, ""},
                     {Ctl::TDays, ""},
                     {Ctl::TCost, ""},
                     {Ctl::TDaysP, ""},
                     {Ctl::OLeft, "500"}});
    EXPECT_EQ(Str(s.p.st.RemainingOilValue), "£250.00");
}

TEST(CalculateResults, SixMonthsFrom31AugustEndOn28February) {
    for (const auto& [date2, used] : {std::pair{"10/10/2009", "4525"}, {"11/10/2009", "4415"}}) {
        CalcSession s;
        s.volumeReadings("1100", "100");
        s.type(Ctl::Date1, "31/08/2009");
        s.type(Ctl::Date2, date2);
        s.click(Ctl::Calc);
        ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
        EXPECT_EQ(s.text(Ctl::TDaysP), "181");
        EXPECT_EQ(s.text(Ctl::TankTP), used) << date2;
    }
}

TEST(CalculateResults, NoPredictionPeriodFillsNoPrediction) {
    CalcSession s;
    s.type(Ctl::Predict, "0");
    RunOutPeriod(s);
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::TDaysP, ""}, {Ctl::TankTP, ""}, {Ctl::TCostP, ""}, {Ctl::VCostP, ""},
                     {Ctl::TVCostP, ""}, {Ctl::TCO2P, ""}, {Ctl::FillDate, ""},
                     {Ctl::TankT, "1000"}});
    EXPECT_EQ(Str(s.p.st.PredictedOilVat), "");
}

TEST(CalculateResults, AUseTooSmallToShowHasNoRunOutDate) {
    CalcSession s("-InhibitCombCheck");
    s.volumeReadings("500", "400");
    s.type(Ctl::Date1, "01/01/2001");
    s.type(Ctl::Date2, "01/01/2020");
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::TankT, "100"},    {Ctl::TDays, "6939"}, {Ctl::VDay, "0.0"},
                     {Ctl::FillDate, ""},    {Ctl::TCO2, ""},      {Ctl::DCO2, ""},
                     {Ctl::TDaysP, "181"},   {Ctl::TankTP, "3"},   {Ctl::TCO2P, "8"}});
}

TEST(CalculateResults, APeriodOfNoDaysHasNoRateOrPrediction) {
    CalcSession s("-InhibitCombCheck");
    RunOutPeriod(s, "10/10/2009", "10/10/2009", "10/10/2009");
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::TankT, "1000"}, {Ctl::TDays, ""},    {Ctl::VDay, ""},
                     {Ctl::DCost, ""},     {Ctl::DCO2, ""},     {Ctl::TCO2, ""},
                     {Ctl::TDaysP, ""},    {Ctl::TankTP, ""},   {Ctl::FillDate, ""},
                     {Ctl::TCostP, ""},    {Ctl::OLeft, "100"}, {Ctl::TVCost, "£551.25"}});
}

// A reading 2 without a first date passes only with the cross-field checks off.
TEST(CalculateResults, WithoutAFirstDateOnlyTheOilLeftShows) {
    CalcSession s("-InhibitCombCheck");
    s.volumeReadings("", "900");
    s.type(Ctl::Date2, "10/10/2009");
    s.type(Ctl::Date3, "01/10/2009");
    s.type(Ctl::LAdd1, "1000");
    s.type(Ctl::OCost1, "0.5");
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::TankT, "100"}, {Ctl::OLeft, "900"}, {Ctl::OLeftM, "Left:"},
                     {Ctl::TDays, ""},    {Ctl::VDay, ""},     {Ctl::DCost, ""},
                     {Ctl::TCO2, ""},     {Ctl::TDaysP, ""},   {Ctl::FillDate, ""}});
}

TEST(CalculateResults, DeliveriesAloneShowWhatWasAdded) {
    CalcSession s;
    s.type(Ctl::Date3, "01/10/2009");
    s.type(Ctl::LAdd1, "1000");
    s.type(Ctl::OCost1, "0.5");
    s.type(Ctl::Date4, "05/10/2009");
    s.type(Ctl::LAdd2, "200");
    s.type(Ctl::OCost2, "0.6");
    s.click(Ctl::Calc);

    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    ExpectFields(s, {{Ctl::OLeft, "1200"}, {Ctl::OLeftM, "Added:"}, {Ctl::TDays, ""}});
}

TEST(CalculateResults, AutoSaveSavesAtOnceAndLeavesSaveOff) {
    CalcSession s;
    s.click(Ctl::AutoSave);
    RunOutPeriod(s);
    s.click(Ctl::Calc);
    ASSERT_TRUE(s.desktop.messages.empty()) << s.lastMessage();
    EXPECT_FALSE(s.p.main.enabled(Ctl::Save));
    EXPECT_EQ(s.text(Ctl::Status), "Calculation Saved");
}

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
                    TrapRow{"beforeTheCosts", 105, "Calculation Error"},
                    TrapRow{"beforeThePredictedCosts", 107, "Calculation Error"},
                    TrapRow{"formattingResults", 232, "Tidy Output Error"},
                    TrapRow{"tidyingInput", 261, "Tidy Input Error"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
