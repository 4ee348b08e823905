// The checks of fields against each other: dates in order, whole deliveries,
// readings with their dates, readings inside their tanks, the prediction period
// and the delivered total.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

#include "RunningProgram.h"
#include "calc/CrossChecks.h"
#include "calc/InputChecks.h"

namespace tw {
namespace {

// Two dated Tank A readings, as the field checks leave them.
Fields Readings(const QString& date1, const QString& date2) {
    return {
        {Ctl::Date1, date1}, {Ctl::Date2, date2}, {Ctl::TARead1, "60.0"}, {Ctl::TARead2, "30.0"}};
}

Fields Delivery1(const QString& date) {
    return {{Ctl::Date3, date}, {Ctl::LAdd1, "500"}, {Ctl::OCost1, "0.5000"}};
}

Fields Delivery2(const QString& date) {
    return {{Ctl::Date4, date}, {Ctl::LAdd2, "400"}, {Ctl::OCost2, "0.6000"}};
}

// The tanks: Tank A 1200 litres, 120 deep, no offset; no Tank B; no prediction.
const Fields kTanks{{Ctl::TankACap, "1200"}, {Ctl::TankAD, "120.0"}, {Ctl::TankOffA, ""},
                    {Ctl::TankBCap, ""},     {Ctl::TankBD, ""},      {Ctl::TankOffB, ""},
                    {Ctl::Predict, ""}};

struct CombinationRow {
    const char* name;
    Fields typed;  // after the tanks above
    QStringList messages;
    ReadingMode tankA = Depth;
    ReadingMode tankB = Depth;
};

void PrintTo(const CombinationRow& row, std::ostream* os) { *os << row.name; }

void PrepareWithTanks(RunningProgram& run, ReadingMode tankA, ReadingMode tankB,
                      const Fields& typed) {
    Prepare(run, tankA, tankB, kTanks + typed);
}

QStringList AllTexts(const RunningProgram& run) {
    QStringList texts;
    for (int i = 0; i < run.p.main.count(); ++i) texts << run.p.main.at(i).text;
    return texts;
}

class CombinationMessages : public testing::TestWithParam<CombinationRow> {};

TEST_P(CombinationMessages, GathersTheMessagesOfTheFailingRowsAndChangesNoField) {
    const CombinationRow& row = GetParam();
    RunningProgram run;
    PrepareWithTanks(run, row.tankA, row.tankB, row.typed);
    const QStringList before = AllTexts(run);
    CheckCombinations(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered(row.messages));
    EXPECT_EQ(AllTexts(run), before);
}

const char* const kSpacing = "Date 2 must be at least 3 days later than Date 1";
const char* const kDeliveryHalf1 =
    "Delivery 1 Date, Litres Added and Oil Cost must all be either set or empty";
const char* const kDeliveryHalf2 =
    "Delivery 2 Date, Litres Added and Oil Cost must all be either set or empty";
const char* const kPrediction =
    "Tank Reading Date 1 plus number months to predict forward must be greater than or equal "
    "to Tank Reading Date 2";
const char* const kTooMuchAdded =
    "The amount of oil added is greater than the capacity of the tank(s)";

INSTANTIATE_TEST_SUITE_P(
    Dates, CombinationMessages,
    testing::Values(
        CombinationRow{"ReadingsThreeDaysApart", Readings("01/03/2010", "04/03/2010"), {}},
        CombinationRow{"ReadingsTwoDaysApart", Readings("01/03/2010", "03/03/2010"), {kSpacing}},
        CombinationRow{"ReadingsReversed", Readings("04/03/2010", "01/03/2010"), {kSpacing}},
        CombinationRow{"DeliveriesOnTheReadingDays",
                       Readings("01/03/2010", "01/04/2010") + Delivery1("01/03/2010") +
                           Delivery2("01/04/2010"),
                       {}},
        CombinationRow{"BothDeliveriesOnOneDay",
                       Readings("01/03/2010", "01/04/2010") + Delivery1("15/03/2010") +
                           Delivery2("15/03/2010"),
                       {}},
        CombinationRow{"Delivery1BeforeReading1",
                       Readings("01/03/2010", "01/04/2010") + Delivery1("28/02/2010"),
                       {"Delivery Date 1 cannot be earlier than Tank Reading 1 Date"}},
        CombinationRow{"Delivery1AfterReading2",
                       Readings("01/03/2010", "01/04/2010") + Delivery1("02/04/2010"),
                       {"Delivery Date 1 cannot be later than Tank Reading 2 Date"}},
        CombinationRow{"Delivery2BeforeReading1",
                       Readings("01/03/2010", "01/04/2010") + Delivery2("28/02/2010"),
                       {"Delivery Date 2 cannot be earlier than Tank Reading 1 Date"}},
        CombinationRow{"Delivery2AfterReading2",
                       Readings("01/03/2010", "01/04/2010") + Delivery2("02/04/2010"),
                       {"Delivery Date 2 cannot be later than Tank Reading 2 Date"}},
        CombinationRow{"Delivery2BeforeDelivery1",
                       Readings("01/03/2010", "01/04/2010") + Delivery1("20/03/2010") +
                           Delivery2("19/03/2010"),
                       {"Delivery Date 2 cannot be earlier than Delivery Date 1"}},
        // Without reading dates the deliveries have nothing to be compared with.
        CombinationRow{"DeliveriesWithoutReadings",
                       Delivery1("20/03/2010") + Delivery2("19/03/2010"),
                       {"Delivery Date 2 cannot be earlier than Delivery Date 1"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Deliveries, CombinationMessages,
    testing::Values(
        CombinationRow{"ChargeAlone", {{Ctl::DCharge1, "25.00"}}, {kDeliveryHalf1}},
        CombinationRow{"WholeDeliveryWithoutCharge", Delivery1("20/03/2010"), {}},
        CombinationRow{"WholeDeliveryWithCharge",
                       Delivery1("20/03/2010") + Fields{{Ctl::DCharge1, "25.00"}},
                       {}},
        CombinationRow{"AmountMissing",
                       {{Ctl::Date3, "20/03/2010"}, {Ctl::OCost1, "0.5000"}},
                       {kDeliveryHalf1}},
        CombinationRow{
            "DateMissing", {{Ctl::LAdd1, "500"}, {Ctl::OCost1, "0.5000"}}, {kDeliveryHalf1}},
        CombinationRow{"Delivery2PriceMissing",
                       {{Ctl::Date4, "20/03/2010"}, {Ctl::LAdd2, "500"}},
                       {kDeliveryHalf2}},
        CombinationRow{"Delivery2ChargeAlone", {{Ctl::DCharge2, "5.00"}}, {kDeliveryHalf2}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ReadingsAndDates, CombinationMessages,
    testing::Values(
        CombinationRow{"ReadingsWithoutDates",
                       {{Ctl::TARead1, "60.0"}, {Ctl::TARead2, "30.0"}},
                       {"Tank Reading Date 1 must be set", "Tank Reading Date 2 must be set"}},
        CombinationRow{"TankBReadingWithoutDate",
                       {{Ctl::TankBCap, "1000"}, {Ctl::TankBD, "100.0"}, {Ctl::TBRead1, "50.0"}},
                       {"Tank Reading Date 1 must be set"}},
        // A zero reading is still a reading that needs its date.
        CombinationRow{"ZeroReadingWithoutDate",
                       {{Ctl::TARead2, "0.0"}, {Ctl::TARead1, "30.0"}, {Ctl::Date1, "01/03/2010"}},
                       {"Tank Reading Date 2 must be set"}},
        CombinationRow{"NegativeReadingDemandsNoDate", {{Ctl::TARead1, "-5.0"}}, {}},
        CombinationRow{"Date1WithOnlyTankBReading",
                       {{Ctl::TankBCap, "1000"},
                        {Ctl::TankBD, "100.0"},
                        {Ctl::Date1, "01/03/2010"},
                        {Ctl::TBRead1, "50.0"}},
                       {"Tank A Reading 1 must be set if Tank Reading Date 1 is set"}},
        CombinationRow{"Date2WithoutTankAReading",
                       {{Ctl::Date2, "01/03/2010"}},
                       {"Tank A Reading 2 must be set if Tank Reading Date 2 is set"}},
        CombinationRow{"DateTextThatIsNoDate",
                       {{Ctl::Date1, "hello"}, {Ctl::TARead1, "60.0"}},
                       {"Tank Reading Date 1 must be set"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ReadingsInsideTanks, CombinationMessages,
    testing::Values(
        CombinationRow{"DepthEqualToDepthPlusOffset",
                       {{Ctl::TankOffA, "2.5"}, {Ctl::TARead1, "122.5"}},
                       {"Tank Reading Date 1 must be set"}},
        CombinationRow{"DepthAboveDepthPlusOffset",
                       {{Ctl::TankOffA, "2.5"}, {Ctl::TARead1, "122.6"}},
                       {"Tank Reading Date 1 must be set",
                        "Tank A Reading 1 must be less than or equal to Tank A Depth plus Offset"}},
        CombinationRow{"DepthWithoutOffset",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TARead1, "120.1"}},
                       {"Tank A Reading 1 must be less than or equal to Tank A Depth plus Offset"}},
        CombinationRow{"DepthAtTankDepthWithoutOffset",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TARead2, "120.0"}},
                       {}},
        CombinationRow{"DepthReading2",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TARead2, "130.0"}},
                       {"Tank A Reading 2 must be less than or equal to Tank A Depth plus Offset"}},
        CombinationRow{"TankBDepths",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TankBCap, "1000"},
                                                                     {Ctl::TankBD, "100.0"},
                                                                     {Ctl::TankOffB, "1.0"},
                                                                     {Ctl::TBRead1, "101.1"},
                                                                     {Ctl::TBRead2, "101.1"}},
                       {"Tank B Reading 1 must be less than or equal to Tank B Depth plus Offset",
                        "Tank B Reading 2 must be less than or equal to Tank B Depth plus Offset"}},
        CombinationRow{"TankBAtItsBound",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TankBCap, "1000"},
                                                                     {Ctl::TankBD, "100.0"},
                                                                     {Ctl::TankOffB, "1.0"},
                                                                     {Ctl::TBRead1, "101.0"}},
                       {}},
        // Each reading meets its own tank's capacity.
        CombinationRow{"VolumeTankBInsideItsCapacity",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TankACap, "1000"},
                                                                     {Ctl::TankBCap, "1200"},
                                                                     {Ctl::TBRead1, "1100"},
                                                                     {Ctl::TBRead2, "1200"}},
                       {},
                       Volume,
                       Volume},
        CombinationRow{"VolumeTankAAboveItsCapacity",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TankACap, "1000"},
                                                                     {Ctl::TankBCap, "1200"},
                                                                     {Ctl::TARead1, "1100"},
                                                                     {Ctl::TARead2, "1001"}},
                       {"Tank A Reading 1 must be less than or equal to Tank A Capacity",
                        "Tank A Reading 2 must be less than or equal to Tank A Capacity"},
                       Volume,
                       Volume},
        CombinationRow{"VolumeTankBAboveItsCapacity",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TankACap, "1000"},
                                                                     {Ctl::TankBCap, "1200"},
                                                                     {Ctl::TBRead1, "1201"},
                                                                     {Ctl::TBRead2, "1201"}},
                       {"Tank B Reading 1 must be less than or equal to Tank B Capacity",
                        "Tank B Reading 2 must be less than or equal to Tank B Capacity"},
                       Volume,
                       Volume},
        // A volume is never measured against the tank's depth.
        CombinationRow{"VolumeAboveDepth",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TARead1, "500"}},
                       {},
                       Volume},
        CombinationRow{"TankAReadingWithoutCapacity",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TankACap, ""}},
                       {"Tank A Readings cannot be set if Tank A Capacity is not set"}},
        CombinationRow{"TankBReadingWithoutCapacity",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TBRead2, "50.0"}},
                       {"Tank B Reading 2 must be less than or equal to Tank B Depth plus Offset",
                        "Tank B Readings cannot be set if Tank B Capacity is not set"}},
        CombinationRow{"TankBZeroReadingsWithoutCapacity",
                       Readings("01/03/2010", "01/04/2010") +
                           Fields{{Ctl::TBRead1, "0.0"}, {Ctl::TBRead2, "0.0"}},
                       {}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    PredictionAndTotals, CombinationMessages,
    testing::Values(
        // 31 January plus a month is the last day of February, before 1 March.
        CombinationRow{"OneMonthFromTheEndOfJanuary",
                       Readings("31/01/2010", "01/03/2010") + Fields{{Ctl::Predict, "1"}},
                       {kPrediction}},
        CombinationRow{"TwoMonthsFromTheEndOfJanuary",
                       Readings("31/01/2010", "01/03/2010") + Fields{{Ctl::Predict, "2"}},
                       {}},
        CombinationRow{"PredictionEndsOnReading2",
                       Readings("01/02/2010", "01/03/2010") + Fields{{Ctl::Predict, "1"}},
                       {}},
        CombinationRow{"NoPrediction", Readings("01/01/2010", "01/12/2010"), {}},
        CombinationRow{"HugePrediction",
                       Readings("01/01/2010", "01/12/2010") + Fields{{Ctl::Predict, "1e300"}},
                       {}},
        CombinationRow{"NegativePrediction",
                       Readings("01/01/2010", "01/12/2010") + Fields{{Ctl::Predict, "-3"}},
                       {kPrediction}},
        CombinationRow{"AddedEqualsBothCapacities",
                       Delivery1("01/03/2010") + Delivery2("01/03/2010") +
                           Fields{{Ctl::TankBCap, "1300"},
                                  {Ctl::TankBD, "100.0"},
                                  {Ctl::LAdd1, "1500"},
                                  {Ctl::LAdd2, "1000"}},
                       {}},
        CombinationRow{"AddedAboveBothCapacities",
                       Delivery1("01/03/2010") + Delivery2("01/03/2010") +
                           Fields{{Ctl::TankBCap, "1300"},
                                  {Ctl::TankBD, "100.0"},
                                  {Ctl::LAdd1, "1501"},
                                  {Ctl::LAdd2, "1000"}},
                       {kTooMuchAdded}},
        CombinationRow{"AddedAboveTankAWithoutTankB",
                       Delivery1("01/03/2010") + Fields{{Ctl::LAdd1, "1201"}},
                       {kTooMuchAdded}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SeveralFaults, CombinationMessages,
    testing::Values(CombinationRow{
        "FourFaultsInTableOrder",
        {{Ctl::TARead1, "130.0"},
         {Ctl::DCharge2, "5.00"},
         {Ctl::Date2, "01/03/2010"},
         {Ctl::Date1, "04/03/2010"}},
        {kSpacing, kDeliveryHalf2, "Tank A Reading 2 must be set if Tank Reading Date 2 is set",
         "Tank A Reading 1 must be less than or equal to Tank A Depth plus Offset"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CrossChecks, InhibitedChecksDiscardEveryMessage) {
    RunningProgram run;
    run.p.st.InhibitMode = 1;
    PrepareWithTanks(run, Depth, Depth,
                     Readings("04/03/2010", "01/03/2010") + Fields{{Ctl::DCharge1, "9.00"}});
    run.p.st.SaveError = "Earlier message\n";
    CheckCombinations(run.p);
    EXPECT_EQ(run.p.st.SaveError, "");
}

TEST(CrossChecks, SkipOnlyChecksKeepTheirMessages) {
    RunningProgram run;
    run.p.st.InhibitMode = 2;  // Calculate skips this stage; called anyway it still reports
    PrepareWithTanks(run, Depth, Depth, Readings("04/03/2010", "01/03/2010"));
    CheckCombinations(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered({kSpacing}));
}

// The short date the field checks write must read back as the same day, or dates
// either side of a two-digit year's century turn would swap their order.
TEST(CrossChecks, NormalisedDatesKeepTheirCentury) {
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        RunningProgram run(locale);
        const bool us = locale.country() == QLocale::UnitedStates;
        PrepareWithTanks(run, Depth, Depth,
                         {{Ctl::Date1, us ? "12/31/2029" : "31.12.2029"},
                          {Ctl::Date2, us ? "1/3/2030" : "3.1.2030"},
                          {Ctl::TARead1, "60"},
                          {Ctl::TARead2, "30"}});
        CheckInputFields(run.p);
        ASSERT_EQ(run.p.st.SaveError, "") << locale.name().toStdString();
        EXPECT_EQ(run.text(Ctl::Date2), us ? "1/3/2030" : "03.01.2030");
        CheckCombinations(run.p);
        EXPECT_EQ(run.p.st.SaveError, "") << locale.name().toStdString();
    }
}

TEST(CrossChecks, ReadsDatesInTheUsersOrder) {
    RunningProgram run(QLocale(QLocale::English, QLocale::UnitedStates));
    PrepareWithTanks(run, Depth, Depth, Readings("3/1/2010", "3/3/2010"));
    CheckCombinations(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered({kSpacing}));

    PrepareWithTanks(run, Depth, Depth, Readings("3/1/2010", "3/4/2010"));
    CheckCombinations(run.p);
    EXPECT_EQ(run.p.st.SaveError, "");
}

// The stage has no trap of its own: a failure reaches Calculate's trap, with the
// step reached recorded.
class CrossCheckSteps : public testing::TestWithParam<int> {};

TEST_P(CrossCheckSteps, AFailureLeavesTheStepReachedForTheCaller) {
    RunningProgram run;
    PrepareWithTanks(run, Depth, Depth, Readings("01/03/2010", "01/04/2010"));
    run.p.failAtStep(GetParam());
    EXPECT_THROW(CheckCombinations(run.p), std::runtime_error);
    EXPECT_EQ(run.p.st.ProgressStep, GetParam());
    EXPECT_TRUE(run.desktop.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Steps, CrossCheckSteps,
                         testing::Values(111, 112, 113, 114, 115, 116, 117, 118));

}  // namespace
}  // namespace tw
