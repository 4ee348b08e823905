// The checks of fields against each other: dates in order, whole deliveries,
// readings with their dates, readings inside their tanks, the prediction period
// and the delivered total.
#include <gtest/gtest.h>

#include <ostream>

#include "RunningProgram.h"
#include "calc/CrossChecks.h"

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
    QLocale locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
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
    RunningProgram run(row.locale);
    PrepareWithTanks(run, row.tankA, row.tankB, row.typed);
    const QStringList before = AllTexts(run);
    CheckCombinations(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered(row.messages));
    EXPECT_EQ(AllTexts(run), before);
}

const char* const kSpacing = "Date 2 must be at least 3 days later than Date 1";
const char* const kDeliveryHalf1 =
    "Delivery 1 Date, Litres Added and Oil Cost must all be either set or empty";
const char* const kPrediction =
    "Tank Reading Date 1 plus number months to predict forward must be greater than or equal "
    "to Tank Reading Date 2";
const char* const kTooMuchAdded =
    "The amount of oil added is greater than the capacity of the tank(s)";

INSTANTIATE_TEST_SUITE_P(
    DatesAndDeliveries, CombinationMessages,
    testing::Values(
        CombinationRow{"ReadingsTwoDaysApart", Readings("01/03/2010", "03/03/2010"), {kSpacing}},
        // 1 to 3 March when the month comes first, not 3 January to 3 March.
        CombinationRow{"ReadingsTwoDaysApartMonthFirst",
                       Readings("3/1/2010", "3/3/2010"),
                       {kSpacing},
                       Depth,
                       Depth,
                       QLocale(QLocale::English, QLocale::UnitedStates)},
        CombinationRow{"BothDeliveriesOnOneDay",
                       Readings("01/03/2010", "01/04/2010") + Delivery1("15/03/2010") +
                           Delivery2("15/03/2010"),
                       {}},
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
                       {"Delivery Date 2 cannot be earlier than Delivery Date 1"}},
        CombinationRow{"DeliveryChargeAlone", {{Ctl::DCharge1, "25.00"}}, {kDeliveryHalf1}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ReadingsAndDates, CombinationMessages,
    testing::Values(
        CombinationRow{"TankBReadingWithoutDate",
                       {{Ctl::TankBCap, "1000"}, {Ctl::TankBD, "100.0"}, {Ctl::TBRead1, "50.0"}},
                       {"Tank Reading Date 1 must be set",
                        "Tank B Reading 2 must be set if Tank B Reading 1 is set"}},
        // A zero reading is still a reading that needs its date.
        CombinationRow{"ZeroReadingWithoutDate",
                       {{Ctl::TARead2, "0.0"}, {Ctl::TARead1, "30.0"}, {Ctl::Date1, "01/03/2010"}},
                       {"Tank Reading Date 2 must be set"}}),
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
        CombinationRow{"TankBDepths",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TankBCap, "1000"},
                                                                     {Ctl::TankBD, "100.0"},
                                                                     {Ctl::TankOffB, "1.0"},
                                                                     {Ctl::TBRead1, "101.1"},
                                                                     {Ctl::TBRead2, "101.1"}},
                       {"Tank B Reading 1 must be less than or equal to Tank B Depth plus Offset",
                        "Tank B Reading 2 must be less than or equal to Tank B Depth plus Offset"}},
        // Each reading meets its own tank's capacity.
        CombinationRow{"VolumeTankAAtAndAboveItsCapacity",
                       Readings("01/03/2010", "01/04/2010") + Fields{{Ctl::TankACap, "1000"},
                                                                     {Ctl::TankBCap, "1200"},
                                                                     {Ctl::TARead1, "1000"},
                                                                     {Ctl::TARead2, "1001"}},
                       {"Tank A Reading 2 must be less than or equal to Tank A Capacity"},
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
        CombinationRow{"TankBZeroReadingsWithoutCapacity",
                       Readings("01/03/2010", "01/04/2010") +
                           Fields{{Ctl::TBRead1, "0.0"}, {Ctl::TBRead2, "0.0"}},
                       {}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    PredictionAndTotals, CombinationMessages,
    testing::Values(
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
                       {kTooMuchAdded}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
