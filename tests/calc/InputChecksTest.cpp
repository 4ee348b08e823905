// The field checks of a calculation: which texts each reading and delivery field
// accepts, the messages gathered, and the rewrite of the fields when they pass.
#include "calc/InputChecks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "RunningProgram.h"
#include "app/ProgramEnded.h"
#include "calc/CrossChecks.h"

namespace tw {
namespace {

using Fields = std::vector<std::pair<Ctl, QString>>;

enum Mode { Depth, Volume };

struct CheckRow {
    const char* name;
    Fields typed;
    QStringList messages;
    Mode tankA = Depth;
    Mode tankB = Depth;
};

// Sets the reading modes first (switching a mode empties that tank's readings),
// then the fields of the row, and runs the checks on a fresh error text.
void Prepare(RunningProgram& run, Mode tankA, Mode tankB, const Fields& typed) {
    run.p.main.setChecked(Ctl::TankAU, tankA == Volume);
    run.p.main.setChecked(Ctl::TankBU, tankB == Volume);
    for (Ctl c : kReadingAndDeliveryFields) run.set(c, QString());
    for (const auto& [control, text] : typed) run.set(control, text);
    run.p.st.SaveError.clear();
}

void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }

class InputCheckMessages : public testing::TestWithParam<CheckRow> {};

TEST_P(InputCheckMessages, GathersTheMessagesOfTheFailingRowsInOrder) {
    const CheckRow& row = GetParam();
    RunningProgram run;
    Prepare(run, row.tankA, row.tankB, row.typed);
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered(row.messages));
}

const char* const kDate1Range = "Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099";
const char* const kDate2Range = "Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099";
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
    testing::Values(
        CheckRow{"Date1Word", {{Ctl::Date1, "hello"}}, {"Tank Reading Date 1 must be a valid date"}},
        CheckRow{"Date2Word", {{Ctl::Date2, "31/02/2010"}}, {"Tank Reading Date 2 must be a valid date"}},
        CheckRow{"Date1FirstDay", {{Ctl::Date1, "01/01/2000"}}, {}},
        CheckRow{"Date1DayBeforeFirst", {{Ctl::Date1, "31/12/1999"}}, {kDate1Range}},
        CheckRow{"Date1LastDay", {{Ctl::Date1, "28/12/2099"}}, {}},
        CheckRow{"Date1DayAfterLast", {{Ctl::Date1, "29/12/2099"}}, {kDate1Range}},
        CheckRow{"Date1PastTheOld2020Limit", {{Ctl::Date1, "29/12/2020"}}, {}},
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
    testing::Values(
        CheckRow{"VolumeZero", {{Ctl::TARead1, "0"}}, {}, Volume},
        CheckRow{"VolumeZeroPointZero", {{Ctl::TARead1, "0.0"}}, {kA1Volume}, Volume},
        CheckRow{"VolumeDoubleZero", {{Ctl::TARead1, "00"}}, {kA1Volume}, Volume},
        CheckRow{"VolumeMaximum", {{Ctl::TARead1, "9999"}}, {}, Volume},
        CheckRow{"VolumeAboveMaximum", {{Ctl::TARead1, "9999.01"}}, {kA1Volume}, Volume},
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
        CheckRow{"TankAReading2", {{Ctl::TARead2, "301"}}, {"Tank A Reading 2 must be between 0 and 300"}},
        CheckRow{"TankBReading1Volume",
                 {{Ctl::TBRead1, "10000"}},
                 {"Tank B Reading 1 must be between 0 and 9999"},
                 Depth,
                 Volume},
        CheckRow{"TankBReading2Depth", {{Ctl::TBRead2, "x"}}, {"Tank B Reading 2 must be between 0 and 300"}},
        // Tank B is checked by its own mode, not by Tank A's.
        CheckRow{"TankBFollowsItsOwnMode", {{Ctl::TBRead1, "500"}}, {}, Depth, Volume}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DeliveryDates, InputCheckMessages,
    testing::Values(
        CheckRow{"Date3Word", {{Ctl::Date3, "soon"}}, {"Delivery Date 1 must be empty or a valid date"}},
        CheckRow{"Date4Word", {{Ctl::Date4, "1/13/2010"}}, {"Delivery Date 2 must be empty or a valid date"}},
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
    testing::Values(
        CheckRow{"AddedBelowMinimum", {{Ctl::LAdd1, "50"}}, {kAdded1}},
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
        CheckRow{"Added2", {{Ctl::LAdd2, "50"}},
                 {"Delivery 2 oil added must be either empty or between 100 and 9999"}},
        CheckRow{"CostMinimum", {{Ctl::OCost1, "0.10"}}, {}},
        CheckRow{"CostJustBelowMinimum", {{Ctl::OCost1, "0.09"}}, {kCost1}},
        CheckRow{"CostMaximum", {{Ctl::OCost1, "9.99"}}, {}},
        CheckRow{"CostAboveMaximum", {{Ctl::OCost1, "10"}}, {kCost1}},
        CheckRow{"CostZero", {{Ctl::OCost1, "0.00"}}, {}},
        CheckRow{"Cost2", {{Ctl::OCost2, "0.09"}},
                 {"Delivery 2 oil cost must be either empty or between 0.10 and 9.99"}},
        CheckRow{"ChargeMinimum", {{Ctl::DCharge1, "5"}}, {}},
        CheckRow{"ChargeJustBelowMinimum", {{Ctl::DCharge1, "4.99"}}, {kCharge1}},
        CheckRow{"ChargeMaximum", {{Ctl::DCharge1, "100"}}, {}},
        CheckRow{"ChargeAboveMaximum", {{Ctl::DCharge1, "100.01"}}, {kCharge1}},
        CheckRow{"Charge2", {{Ctl::DCharge2, "4.99"}},
                 {"Delivery Charge 2 must be either empty or between 5 and 100"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SeveralFaults, InputCheckMessages,
    testing::Values(
        CheckRow{"ThreeFaultsInTableOrder",
                 {{Ctl::LAdd2, "50"}, {Ctl::TARead1, "400"}, {Ctl::Date1, "hello"}},
                 {"Tank Reading Date 1 must be a valid date", kA1Depth,
                  "Delivery 2 oil added must be either empty or between 100 and 9999"}},
        CheckRow{"EveryTextFault",
                 {{Ctl::Date1, "a"}, {Ctl::Date2, "b"}, {Ctl::TARead1, "400"},
                  {Ctl::TARead2, "400"}, {Ctl::TBRead1, "400"}, {Ctl::TBRead2, "400"},
                  {Ctl::Date3, "c"}, {Ctl::Date4, "d"}, {Ctl::LAdd1, "x"}, {Ctl::LAdd2, "x"},
                  {Ctl::OCost1, "x"}, {Ctl::OCost2, "x"}, {Ctl::DCharge1, "x"},
                  {Ctl::DCharge2, "x"}},
                 {"Tank Reading Date 1 must be a valid date",
                  "Tank Reading Date 2 must be a valid date", kA1Depth,
                  "Tank A Reading 2 must be between 0 and 300",
                  "Tank B Reading 1 must be between 0 and 300",
                  "Tank B Reading 2 must be between 0 and 300",
                  "Delivery Date 1 must be empty or a valid date",
                  "Delivery Date 2 must be empty or a valid date", kAdded1,
                  "Delivery 2 oil added must be either empty or between 100 and 9999", kCost1,
                  "Delivery 2 oil cost must be either empty or between 0.10 and 9.99", kCharge1,
                  "Delivery Charge 2 must be either empty or between 5 and 100"}},
        CheckRow{"EveryRangeFault",
                 {{Ctl::Date1, "01/01/1999"}, {Ctl::Date2, "01/01/1999"}, {Ctl::TARead1, "10000"},
                  {Ctl::TARead2, "10000"}, {Ctl::TBRead1, "10000"}, {Ctl::TBRead2, "10000"},
                  {Ctl::Date3, "01/01/2100"}, {Ctl::Date4, "01/01/2100"}},
                 {kDate1Range, kDate2Range, kA1Volume,
                  "Tank A Reading 2 must be between 0 and 9999",
                  "Tank B Reading 1 must be between 0 and 9999",
                  "Tank B Reading 2 must be between 0 and 9999", kDate3Range, kDate4Range},
                 Volume,
                 Volume}),
    [](const auto& info) { return std::string(info.param.name); });

// Field texts after checks that passed.
struct NormaliseRow {
    const char* name;
    Fields typed;
    Fields expected;
    Mode tankA = Depth;
    Mode tankB = Depth;
};

void PrintTo(const NormaliseRow& row, std::ostream* os) { *os << row.name; }

class InputNormalisation : public testing::TestWithParam<NormaliseRow> {};

TEST_P(InputNormalisation, RewritesTheFieldsInTheirNormalForm) {
    const NormaliseRow& row = GetParam();
    RunningProgram run;
    Prepare(run, row.tankA, row.tankB, row.typed);
    CheckInputFields(run.p);
    ASSERT_EQ(run.p.st.SaveError, QString());
    for (const auto& [control, text] : row.expected)
        EXPECT_EQ(run.text(control), text) << run.p.main.at(int(control)).name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Readings, InputNormalisation,
    testing::Values(
        NormaliseRow{"DepthToOneDecimal",
                     {{Ctl::TARead1, "45.678"}, {Ctl::TARead2, "50"}},
                     {{Ctl::TARead1, "45.7"}, {Ctl::TARead2, "50.0"}}},
        // 1.15 is 114.999... hundredths in binary; it must still count as 1.15.
        NormaliseRow{"DepthExactHundredthsKept", {{Ctl::TARead1, "1.15"}, {Ctl::TARead2, "2"}},
                     {{Ctl::TARead1, "1.2"}}},
        NormaliseRow{"DepthLettersAfterNumber", {{Ctl::TARead1, "12abc"}, {Ctl::TARead2, "2"}},
                     {{Ctl::TARead1, "12.0"}}},
        NormaliseRow{"EmptyReadingBesideAnotherBecomesZero",
                     {{Ctl::TARead2, "30"}},
                     {{Ctl::TARead1, "0.0"}, {Ctl::TARead2, "30.0"}}},
        NormaliseRow{"DepthZeroAndReading",
                     {{Ctl::TARead1, "0"}, {Ctl::TARead2, "30"}},
                     {{Ctl::TARead1, "0.0"}, {Ctl::TARead2, "30.0"}}},
        NormaliseRow{"DepthBothZeroEmptied",
                     {{Ctl::TARead1, "0.0"}, {Ctl::TARead2, "0"}},
                     {{Ctl::TARead1, ""}, {Ctl::TARead2, ""}}},
        NormaliseRow{"VolumeWhole",
                     {{Ctl::TARead1, "1234.6"}, {Ctl::TARead2, "500"}},
                     {{Ctl::TARead1, "1234"}, {Ctl::TARead2, "500"}},
                     Volume},
        NormaliseRow{"VolumeLettersAfterNumber", {{Ctl::TARead1, "12abc"}, {Ctl::TARead2, "5"}},
                     {{Ctl::TARead1, "12"}}, Volume},
        NormaliseRow{"VolumeBothZeroEmptied",
                     {{Ctl::TARead1, "0"}, {Ctl::TARead2, "0"}},
                     {{Ctl::TARead1, ""}, {Ctl::TARead2, ""}},
                     Volume},
        NormaliseRow{"VolumeZeroBesideReadingKept",
                     {{Ctl::TARead1, "0"}, {Ctl::TARead2, "500"}},
                     {{Ctl::TARead1, "0"}, {Ctl::TARead2, "500"}},
                     Volume},
        // Each tank is emptied on its own account.
        NormaliseRow{"TankBEmptiedTankAKept",
                     {{Ctl::TARead1, "60"}, {Ctl::TARead2, "30"}},
                     {{Ctl::TARead1, "60.0"}, {Ctl::TARead2, "30.0"}, {Ctl::TBRead1, ""},
                      {Ctl::TBRead2, ""}}},
        NormaliseRow{"TankBVolumeTankADepth",
                     {{Ctl::TARead1, "60.04"}, {Ctl::TARead2, "30"}, {Ctl::TBRead1, "800.9"},
                      {Ctl::TBRead2, "700"}},
                     {{Ctl::TARead1, "60.0"}, {Ctl::TBRead1, "800"}, {Ctl::TBRead2, "700"}},
                     Depth,
                     Volume}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Deliveries, InputNormalisation,
    testing::Values(
        NormaliseRow{"AddedWhole", {{Ctl::LAdd1, "1500.9"}, {Ctl::LAdd2, "100"}},
                     {{Ctl::LAdd1, "1500"}, {Ctl::LAdd2, "100"}}},
        NormaliseRow{"AddedZeroEmptied", {{Ctl::LAdd1, "0"}}, {{Ctl::LAdd1, ""}}},
        NormaliseRow{"CostFourDecimals", {{Ctl::OCost1, "1.23456"}, {Ctl::OCost2, "0.5"}},
                     {{Ctl::OCost1, "1.2346"}, {Ctl::OCost2, "0.5000"}}},
        NormaliseRow{"CostZeroEmptied", {{Ctl::OCost1, "0.00"}}, {{Ctl::OCost1, ""}}},
        NormaliseRow{"ChargeTwoDecimals", {{Ctl::DCharge1, "12.5"}, {Ctl::DCharge2, "100"}},
                     {{Ctl::DCharge1, "12.50"}, {Ctl::DCharge2, "100.00"}}},
        NormaliseRow{"ChargeZeroEmptied", {{Ctl::DCharge2, "0"}}, {{Ctl::DCharge2, ""}}},
        NormaliseRow{"EmptyDeliveryStaysEmpty", {{Ctl::Date1, "01/03/2010"}},
                     {{Ctl::LAdd1, ""}, {Ctl::OCost1, ""}, {Ctl::DCharge1, ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Dates, InputNormalisation,
    testing::Values(
        NormaliseRow{"DashesToShortDate", {{Ctl::Date1, "1-3-2010"}}, {{Ctl::Date1, "01/03/2010"}}},
        NormaliseRow{"LongFormToShortDate", {{Ctl::Date2, "05-Mar-2010"}}, {{Ctl::Date2, "05/03/2010"}}},
        NormaliseRow{"TwoDigitYear", {{Ctl::Date3, "5.3.10"}}, {{Ctl::Date3, "05/03/2010"}}},
        NormaliseRow{"EmptyDateStaysEmpty", {{Ctl::Date3, "5.3.10"}}, {{Ctl::Date4, ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputChecks, FaultyFieldsAreLeftExactlyAsTyped) {
    RunningProgram run;
    const Fields typed{{Ctl::Date1, "1-3-2010"}, {Ctl::TARead1, "45.678"}, {Ctl::LAdd1, "50"},
                       {Ctl::OCost1, "1.23456"}, {Ctl::TARead2, "0"}, {Ctl::TBRead1, "0"}};
    Prepare(run, Depth, Depth, typed);
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered({kAdded1}));
    for (const auto& [control, text] : typed) EXPECT_EQ(run.text(control), text);
    EXPECT_EQ(run.text(Ctl::TBRead2), "");
}

TEST(InputChecks, EarlierMessagesStayInFrontAndBlockTheRewrite) {
    RunningProgram run;
    Prepare(run, Depth, Depth, {{Ctl::TARead1, "45.678"}, {Ctl::TARead2, "30"}, {Ctl::LAdd1, "50"}});
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

TEST(InputChecks, InhibitedChecksDiscardEveryMessageAndStillNormalise) {
    RunningProgram run;
    run.p.st.InhibitMode = 1;
    Prepare(run, Depth, Volume,
            {{Ctl::Date1, "hello"}, {Ctl::Date2, "01/01/1999"}, {Ctl::TARead1, "abc"},
             {Ctl::TARead2, "50"}, {Ctl::TBRead1, "1e300"}, {Ctl::TBRead2, "-7.5"},
             {Ctl::LAdd1, "abc"}, {Ctl::OCost1, "12"}, {Ctl::DCharge1, "-3"}});
    run.p.st.SaveError = "Tank A Capacity must be between 100 and 9999\n";
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, "");
    EXPECT_EQ(run.text(Ctl::Date1), "hello");  // not a date: left as it is
    EXPECT_EQ(run.text(Ctl::Date2), "01/01/1999");
    EXPECT_EQ(run.text(Ctl::TARead1), "0.0");
    EXPECT_EQ(run.text(Ctl::TARead2), "50.0");
    EXPECT_EQ(run.text(Ctl::TBRead1), "1" + QString(300, '0'));
    EXPECT_EQ(run.text(Ctl::TBRead2), "-8");  // whole part, rounded downwards
    EXPECT_EQ(run.text(Ctl::LAdd1), "");
    EXPECT_EQ(run.text(Ctl::OCost1), "12.0000");
    EXPECT_EQ(run.text(Ctl::DCharge1), "-3.00");
}

TEST(InputChecks, InhibitedChecksOnEmptyFieldsLeaveThemEmpty) {
    RunningProgram run;
    run.p.st.InhibitMode = 1;
    Prepare(run, Depth, Depth, {});
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, "");
    for (Ctl c : kReadingAndDeliveryFields) EXPECT_EQ(run.text(c), "");
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
struct LocaleRow {
    const char* name;
    QLocale locale;
    Fields typed;
    QStringList messages;
    Fields expected;
};

void PrintTo(const LocaleRow& row, std::ostream* os) { *os << row.name; }

class InputChecksInLocale : public testing::TestWithParam<LocaleRow> {};

TEST_P(InputChecksInLocale, ChecksAndRewritesByTheUsersLocale) {
    const LocaleRow& row = GetParam();
    RunningProgram run(row.locale);
    Prepare(run, Depth, Depth, row.typed);
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered(row.messages));
    for (const auto& [control, text] : row.expected)
        EXPECT_EQ(run.text(control), text) << run.p.main.at(int(control)).name.toStdString();
}

const QLocale kUS(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

INSTANTIATE_TEST_SUITE_P(
    Rows, InputChecksInLocale,
    testing::Values(
        LocaleRow{"USLastDayOfReading1", kUS, {{Ctl::Date1, "12/28/2099"}}, {}, {}},
        LocaleRow{"USDayAfterLastOfReading1", kUS, {{Ctl::Date1, "12/29/2099"}}, {kDate1Range}, {}},
        LocaleRow{"USDayBeforeFirstOfReading2", kUS, {{Ctl::Date2, "1/3/2000"}}, {kDate2Range}, {}},
        LocaleRow{"USDayMonthOrderRefused", kUS, {{Ctl::Date3, "31/12/2010"}},
                  {"Delivery Date 1 must be empty or a valid date"}, {}},
        // The short form "M/d/yy" would write 50, which reads back as 1950.
        LocaleRow{"USDateKeepsItsCentury", kUS, {{Ctl::Date1, "12/31/2050"}}, {},
                  {{Ctl::Date1, "12/31/2050"}}},
        LocaleRow{"GermanLastDayOfReading1", kGerman, {{Ctl::Date1, "28.12.2099"}}, {},
                  {{Ctl::Date1, "28.12.2099"}}},
        LocaleRow{"GermanDayAfterLastOfReading1", kGerman, {{Ctl::Date1, "29.12.2099"}},
                  {kDate1Range}, {}},
        LocaleRow{"GermanDayAfterLastOfDelivery2", kGerman, {{Ctl::Date4, "01.01.2100"}},
                  {kDate4Range}, {}},
        LocaleRow{"GermanDecimalComma", kGerman,
                  {{Ctl::TARead1, "45.678"}, {Ctl::TARead2, "30"}},
                  {},
                  {{Ctl::TARead1, "45,7"}, {Ctl::TARead2, "30,0"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputChecks, GermanVolumeReadingsBecomeWholeNumbers) {
    RunningProgram run(kGerman);
    Prepare(run, Volume, Depth, {{Ctl::TARead1, "1234.6"}, {Ctl::TARead2, "500"}});
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, "");
    EXPECT_EQ(run.text(Ctl::TARead1), "1234");
    EXPECT_EQ(run.text(Ctl::TARead2), "500");
}

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

INSTANTIATE_TEST_SUITE_P(Steps, InputCheckSteps, testing::Values(121, 122, 123, 124, 125, 126, 127));

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
        for (Mode mode : {Depth, Volume}) {
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
                         testing::Values("", " ", "abc", "12abc", "-0", "-5", "0.0", "00",
                                         "1e308", "-1e308", "9e999", "1e-400",
                                         "&HFFFFFFFFFFFFFFFFFFFFFFFF", "&O777", "1,500",
                                         "99999999999999999999999999", "01/01/0100",
                                         "31/12/9999", "29/02/2100", "05-Mar-2010",
                                         "1.2.3", "\t\n", "£5", "€1,50", "½"));

}  // namespace
}  // namespace tw
