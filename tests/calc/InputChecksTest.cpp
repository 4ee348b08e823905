// The field checks of a calculation: which texts each reading and delivery field
// accepts, the messages gathered, and the rewrite of the fields when they pass.
#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "RunningProgram.h"
#include "app/ProgramEnded.h"
#include "calc/CrossChecks.h"
#include "calc/InputChecks.h"

namespace tw {
namespace {

struct CheckRow {
    const char* name;
    Fields typed;
    QStringList messages;
    ReadingMode tankA = Depth;
    ReadingMode tankB = Depth;
};

void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }

class InputCheckMessages : public testing::TestWithParam<CheckRow> {};

TEST_P(InputCheckMessages, GathersTheMessagesOfTheFailingRowsInOrder) {
    const CheckRow& row = GetParam();
    RunningProgram run;
    Prepare(run, row.tankA, row.tankB, row.typed);
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered(row.messages));
}

const char* const kDate1Range =
    "Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099";
const char* const kDate2Range =
    "Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099";
const char* const kDate3Range = "Delivery Date 1 must be between 1st Jan 2000 and 31st Dec 2099";
const char* const kDate4Range = "Delivery Date 2 must be between 1st Jan 2000 and 31st Dec 2099";
const char* const kA1Volume = "Tank A Reading 1 must be between 0 and 9999";
const char* const kA1Depth = "Tank A Reading 1 must be between 0 and 300";
const char* const kAdded1 = "Delivery 1 oil added must be either empty or between 100 and 9999";
const char* const kCost1 = "Delivery 1 oil cost must be either empty or between 0.10 and 9.99";
const char* const kCharge1 = "Delivery Charge 1 must be either empty or between 5 and 100";

INSTANTIATE_TEST_SUITE_P(
    NothingTyped, InputCheckMessages,
    testing::Values(
        CheckRow{"AllFieldsEmpty", {}, {"No Tank Readings or Deliveries to Calculate"}},
        // A lone blank is content; as a depth reading it is not a number.
        CheckRow{"SingleBlankIsContent", {{Ctl::Notes, "x"}, {Ctl::TARead1, " "}}, {kA1Depth}},
        CheckRow{"NotesAloneAreNothingToCalculate",
                 {{Ctl::Notes, "full tank"}},
                 {"No Tank Readings or Deliveries to Calculate"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ReadingDates, InputCheckMessages,
    testing::Values(CheckRow{"Date1Word",
                             {{Ctl::Date1, "hello"}},
                             {"Tank Reading Date 1 must be a valid date"}},
                    CheckRow{"Date2Word",
                             {{Ctl::Date2, "31/02/2010"}},
                             {"Tank Reading Date 2 must be a valid date"}},
                    CheckRow{"Date1FirstDay", {{Ctl::Date1, "01/01/2000"}}, {}},
                    CheckRow{"Date1DayBeforeFirst", {{Ctl::Date1, "31/12/1999"}}, {kDate1Range}},
                    CheckRow{"Date1LastDay", {{Ctl::Date1, "28/12/2099"}}, {}},
                    CheckRow{"Date1DayAfterLast", {{Ctl::Date1, "29/12/2099"}}, {kDate1Range}},
                    CheckRow{"Date1LateIn2020", {{Ctl::Date1, "29/12/2020"}}, {}},
                    CheckRow{"Date1FarPast", {{Ctl::Date1, "05-Mar-1850"}}, {kDate1Range}},
                    CheckRow{"Date1FarFuture", {{Ctl::Date1, "01/01/9999"}}, {kDate1Range}},
                    CheckRow{"Date2DayBeforeFirst", {{Ctl::Date2, "03/01/2000"}}, {kDate2Range}},
                    CheckRow{"Date2FirstDay", {{Ctl::Date2, "04/01/2000"}}, {}},
                    CheckRow{"Date2LastDay", {{Ctl::Date2, "31/12/2099"}}, {}},
                    CheckRow{"Date2DayAfterLast", {{Ctl::Date2, "01/01/2100"}}, {kDate2Range}},
                    CheckRow{"Date2InLongForm", {{Ctl::Date2, "05-Mar-2010"}}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Readings, InputCheckMessages,
    testing::Values(CheckRow{"VolumeZero", {{Ctl::TARead1, "0"}}, {}, Volume},
                    CheckRow{"VolumeZeroPointZero", {{Ctl::TARead1, "0.0"}}, {kA1Volume}, Volume},
                    CheckRow{"VolumeDoubleZero", {{Ctl::TARead1, "00"}}, {kA1Volume}, Volume},
                    CheckRow{"VolumeMaximum", {{Ctl::TARead1, "9999"}}, {}, Volume},
                    CheckRow{
                        "VolumeAboveMaximum", {{Ctl::TARead1, "9999.01"}}, {kA1Volume}, Volume},
                    CheckRow{"VolumeNegative", {{Ctl::TARead1, "-1"}}, {kA1Volume}, Volume},
                    CheckRow{"VolumeWord", {{Ctl::TARead1, "abc"}}, {kA1Volume}, Volume},
                    CheckRow{"VolumeLettersAfterNumber", {{Ctl::TARead1, "12abc"}}, {}, Volume},
                    CheckRow{"VolumeHuge", {{Ctl::TARead1, "1e300"}}, {kA1Volume}, Volume},
                    CheckRow{"VolumeBeyondDouble", {{Ctl::TARead1, "9e999"}}, {kA1Volume}, Volume},
                    // 500 would fail as a depth: only the row of the tank's mode applies.
                    CheckRow{"VolumeAboveDepthLimit", {{Ctl::TARead1, "500"}}, {}, Volume},
                    CheckRow{"DepthZeroPointZero", {{Ctl::TARead1, "0.0"}}, {}},
                    CheckRow{"DepthZero", {{Ctl::TARead1, "0"}}, {}},
                    CheckRow{"DepthDoubleZero", {{Ctl::TARead1, "00"}}, {kA1Depth}},
                    CheckRow{"DepthZeroPointZeroZero", {{Ctl::TARead1, "0.00"}}, {kA1Depth}},
                    CheckRow{"DepthMaximum", {{Ctl::TARead1, "300"}}, {}},
                    CheckRow{"DepthAboveMaximum", {{Ctl::TARead1, "300.01"}}, {kA1Depth}},
                    CheckRow{"DepthNegative", {{Ctl::TARead1, "-0.5"}}, {kA1Depth}},
                    CheckRow{"DepthHuge", {{Ctl::TARead1, "99999999999999999999999"}}, {kA1Depth}},
                    CheckRow{"DepthLettersAfterNumber", {{Ctl::TARead1, "12abc"}}, {}},
                    CheckRow{"TankAReading2",
                             {{Ctl::TARead2, "301"}},
                             {"Tank A Reading 2 must be between 0 and 300"}},
                    CheckRow{"TankBReading1Volume",
                             {{Ctl::TBRead1, "10000"}},
                             {"Tank B Reading 1 must be between 0 and 9999"},
                             Depth,
                             Volume},
                    CheckRow{"TankBReading2Depth",
                             {{Ctl::TBRead2, "x"}},
                             {"Tank B Reading 2 must be between 0 and 300"}},
                    // Tank B is checked by its own mode, not by Tank A's.
                    CheckRow{"TankBFollowsItsOwnMode", {{Ctl::TBRead1, "500"}}, {}, Depth, Volume}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DeliveryDates, InputCheckMessages,
    testing::Values(CheckRow{"Date3Word",
                             {{Ctl::Date3, "soon"}},
                             {"Delivery Date 1 must be empty or a valid date"}},
                    CheckRow{"Date4Word",
                             {{Ctl::Date4, "1/13/2010"}},
                             {"Delivery Date 2 must be empty or a valid date"}},
                    CheckRow{"Date3DayBeforeFirst", {{Ctl::Date3, "31/12/1999"}}, {kDate3Range}},
                    CheckRow{"Date3FirstDay", {{Ctl::Date3, "01/01/2000"}}, {}},
                    CheckRow{"Date3LastDay", {{Ctl::Date3, "31/12/2099"}}, {}},
                    CheckRow{"Date3DayAfterLast", {{Ctl::Date3, "01/01/2100"}}, {kDate3Range}},
                    CheckRow{"Date4DayBeforeFirst", {{Ctl::Date4, "31-12-1999"}}, {kDate4Range}},
                    CheckRow{"Date4FirstDay", {{Ctl::Date4, "1.1.2000"}}, {}},
                    CheckRow{"Date4LastDay", {{Ctl::Date4, "31/12/2099"}}, {}},
                    CheckRow{"Date4DayAfterLast", {{Ctl::Date4, "01/01/2100"}}, {kDate4Range}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Amounts, InputCheckMessages,
    testing::Values(CheckRow{"AddedBelowMinimum", {{Ctl::LAdd1, "50"}}, {kAdded1}},
                    CheckRow{"AddedZero", {{Ctl::LAdd1, "0"}}, {}},
                    CheckRow{"AddedMinimum", {{Ctl::LAdd1, "100"}}, {}},
                    CheckRow{"AddedJustBelowMinimum", {{Ctl::LAdd1, "99.9"}}, {kAdded1}},
                    CheckRow{"AddedMaximum", {{Ctl::LAdd1, "9999"}}, {}},
                    CheckRow{"AddedAboveMaximum", {{Ctl::LAdd1, "10000"}}, {kAdded1}},
                    CheckRow{"AddedWord", {{Ctl::LAdd1, "abc"}}, {kAdded1}},
                    CheckRow{"AddedLettersAfterNumber", {{Ctl::LAdd1, "500abc"}}, {kAdded1}},
                    // A number to the locale, but its value is the 1 before the comma.
                    CheckRow{"AddedWithThousandsSeparator", {{Ctl::LAdd1, "1,500"}}, {kAdded1}},
                    CheckRow{"AddedNegative", {{Ctl::LAdd1, "-500"}}, {kAdded1}},
                    CheckRow{"AddedBlank", {{Ctl::LAdd1, " "}}, {kAdded1}},
                    CheckRow{"AddedHuge", {{Ctl::LAdd1, "1e308"}}, {kAdded1}},
                    CheckRow{"Added2",
                             {{Ctl::LAdd2, "50"}},
                             {"Delivery 2 oil added must be either empty or between 100 and 9999"}},
                    CheckRow{"CostMinimum", {{Ctl::OCost1, "0.10"}}, {}},
                    CheckRow{"CostJustBelowMinimum", {{Ctl::OCost1, "0.09"}}, {kCost1}},
                    CheckRow{"CostMaximum", {{Ctl::OCost1, "9.99"}}, {}},
                    CheckRow{"CostAboveMaximum", {{Ctl::OCost1, "10"}}, {kCost1}},
                    CheckRow{"CostZero", {{Ctl::OCost1, "0.00"}}, {}},
                    CheckRow{"Cost2",
                             {{Ctl::OCost2, "0.09"}},
                             {"Delivery 2 oil cost must be either empty or between 0.10 and 9.99"}},
                    CheckRow{"ChargeMinimum", {{Ctl::DCharge1, "5"}}, {}},
                    CheckRow{"ChargeJustBelowMinimum", {{Ctl::DCharge1, "4.99"}}, {kCharge1}},
                    CheckRow{"ChargeMaximum", {{Ctl::DCharge1, "100"}}, {}},
                    CheckRow{"ChargeAboveMaximum", {{Ctl::DCharge1, "100.01"}}, {kCharge1}},
                    CheckRow{"Charge2",
                             {{Ctl::DCharge2, "4.99"}},
                             {"Delivery Charge 2 must be either empty or between 5 and 100"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SeveralFaults, InputCheckMessages,
    testing::Values(
        CheckRow{"ThreeFaultsInTableOrder",
                 {{Ctl::LAdd2, "50"}, {Ctl::TARead1, "400"}, {Ctl::Date1, "hello"}},
                 {"Tank Reading Date 1 must be a valid date", kA1Depth,
                  "Delivery 2 oil added must be either empty or between 100 and 9999"}},
        CheckRow{
            "EveryTextFault",
            {{Ctl::Date1, "a"},
             {Ctl::Date2, "b"},
             {Ctl::TARead1, "400"},
             {Ctl::TARead2, "400"},
             {Ctl::TBRead1, "400"},
             {Ctl::TBRead2, "400"},
             {Ctl::Date3, "c"},
             {Ctl::Date4, "d"},
             {Ctl::LAdd1, "x"},
             {Ctl::LAdd2, "x"},
             {Ctl::OCost1, "x"},
             {Ctl::OCost2, "x"},
             {Ctl::DCharge1, "x"},
             {Ctl::DCharge2, "x"}},
            {"Tank Reading Date 1 must be a valid date", "Tank Reading Date 2 must be a valid date",
             kA1Depth, "Tank A Reading 2 must be between 0 and 300",
             "Tank B Reading 1 must be between 0 and 300",
             "Tank B Reading 2 must be between 0 and 300",
             "Delivery Date 1 must be empty or a valid date",
             "Delivery Date 2 must be empty or a valid date", kAdded1,
             "Delivery 2 oil added must be either empty or between 100 and 9999", kCost1,
             "Delivery 2 oil cost must be either empty or between 0.10 and 9.99", kCharge1,
             "Delivery Charge 2 must be either empty or between 5 and 100"}},
        CheckRow{
            "EveryRangeFault",
            {{Ctl::Date1, "01/01/1999"},
             {Ctl::Date2, "01/01/1999"},
             {Ctl::TARead1, "10000"},
             {Ctl::TARead2, "10000"},
             {Ctl::TBRead1, "10000"},
             {Ctl::TBRead2, "10000"},
             {Ctl::Date3, "01/01/2100"},
             {Ctl::Date4, "01/01/2100"}},
            {kDate1Range, kDate2Range, kA1Volume, "Tank A Reading 2 must be between 0 and 9999",
             "Tank B Reading 1 must be between 0 and 9999",
             "Tank B Reading 2 must be between 0 and 9999", kDate3Range, kDate4Range},
            Volume,
            Volume}),
    [](const auto& info) { return std::string(info.param.name); });

// Field texts after checks that passed.
TEST(InputChecks, EarlierMessagesStayInFrontAndBlockTheRewrite) {
    RunningProgram run;
    Prepare(run, Depth, Depth,
            {{Ctl::TARead1, "45.678"}, {Ctl::TARead2, "30"}, {Ctl::LAdd1, "50"}});
    run.p.st.SaveError = "Tank A Capacity must be between 100 and 9999\n";
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError,
              Gathered({"Tank A Capacity must be between 100 and 9999", kAdded1}));

    // Nothing wrong here, but the earlier stage's fault still stops the rewrite.
    Prepare(run, Depth, Depth, {{Ctl::TARead1, "45.678"}, {Ctl::TARead2, "30"}});
    run.p.st.SaveError = "Tank A Capacity must be between 100 and 9999\n";
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered({"Tank A Capacity must be between 100 and 9999"}));
    EXPECT_EQ(run.text(Ctl::TARead1), "45.678");
}

TEST(InputChecks, OtherInhibitModesKeepTheMessages) {
    for (int mode : {2, 5, 6}) {
        RunningProgram run;
        run.p.st.InhibitMode = mode;
        Prepare(run, Depth, Depth, {{Ctl::LAdd1, "50"}});
        CheckInputFields(run.p);
        EXPECT_EQ(run.p.st.SaveError, Gathered({kAdded1})) << "mode " << mode;
    }
}

// The date bounds are dates, so each locale's own date forms meet the same limits.
class InputCheckSteps : public testing::TestWithParam<int> {};

// A failure at any stage is caught and ends the program through the fatal dump,
// which names this operation and the stage reached.
TEST_P(InputCheckSteps, AFailureEndsInTheFatalDumpWithTheStepReached) {
    const int step = GetParam();
    RunningProgram run;
    Prepare(run, Depth, Depth, {{Ctl::Date1, "01/03/2010"}, {Ctl::TARead1, "50"}});
    run.p.failAtStep(step);
    EXPECT_THROW(CheckInputFields(run.p), ProgramEnded);
    ASSERT_FALSE(run.desktop.messages.empty());
    const ShownMessage& shown = run.desktop.messages.back();
    EXPECT_EQ(shown.title, "Tankwise Fatal Error");
    EXPECT_EQ(shown.text, "Error Number " + QString::number(step) +
                              "\r\nA Fatal Check Data Error Has Occurred\r\nThe Program Will "
                              "Now Terminate");
}

INSTANTIATE_TEST_SUITE_P(Steps, InputCheckSteps,
                         testing::Values(121, 122, 123, 124, 125, 126, 127));

}  // namespace
}  // namespace tw

namespace tw {
namespace {

// Whatever is typed, the checks end in messages or in sound field texts: no
// failure, no "nan" or "inf" written back, no number that reads back differently.
class AnyText : public testing::TestWithParam<const char*> {};

TEST_P(AnyText, EndsInMessagesOrSoundFields) {
    const QString typed = QString::fromUtf8(GetParam());
    for (int inhibit : {0, 1}) {
        for (ReadingMode mode : {Depth, Volume}) {
            RunningProgram run;
            run.p.st.InhibitMode = inhibit;
            Fields all;
            for (Ctl c : kReadingAndDeliveryFields) all.push_back({c, typed});
            Prepare(run, mode, mode, all);
            ASSERT_NO_THROW(CheckInputFields(run.p));
            const bool passed = run.p.st.SaveError.isEmpty();
            if (inhibit == 0 && !passed) continue;
            ASSERT_NO_THROW(CheckCombinations(run.p));
            for (Ctl c : kReadingAndDeliveryFields) {
                const QString text = run.text(c).toLower();
                EXPECT_FALSE(text.contains("nan") || text.contains("inf"))
                    << run.p.main.at(int(c)).name.toStdString() << ": " << text.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, AnyText,
                         testing::Values("", " ", "abc", "12abc", "-0", "-5", "0.0", "00", "1e308",
                                         "-1e308", "9e999", "1e-400", "&HFFFFFFFFFFFFFFFFFFFFFFFF",
                                         "&O777", "1,500", "99999999999999999999999999",
                                         "01/01/0100", "31/12/9999", "29/02/2100", "05-Mar-2010",
                                         "1.2.3", "\t\n", "£5", "€1,50", "½"));

}  // namespace
}  // namespace tw