// The rewrite of the reading and delivery fields once their checks pass, in the
// user's locale, and the fields left as typed when they do not.
#include <gtest/gtest.h>

#include <ostream>

#include "RunningProgram.h"
#include "calc/InputChecks.h"

namespace tw {
namespace {

const char* const kDate1Range =
    "Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099";
const char* const kDate2Range =
    "Tank Reading Date 2 must be between 4th Jan 2000 and 31st Dec 2099";
const char* const kDate4Range = "Delivery Date 2 must be between 1st Jan 2000 and 31st Dec 2099";
const char* const kAdded1 = "Delivery 1 oil added must be either empty or between 100 and 9999";

struct NormaliseRow {
    const char* name;
    Fields typed;
    Fields expected;
    ReadingMode tankA = Depth;
    ReadingMode tankB = Depth;
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
    testing::Values(NormaliseRow{"DepthToOneDecimal",
                                 {{Ctl::TARead1, "45.678"}, {Ctl::TARead2, "50"}},
                                 {{Ctl::TARead1, "45.7"}, {Ctl::TARead2, "50.0"}}},
                    // 1.15 is 114.999... hundredths in binary; it must still count as 1.15.
                    NormaliseRow{"DepthExactHundredthsKept",
                                 {{Ctl::TARead1, "1.15"}, {Ctl::TARead2, "2"}},
                                 {{Ctl::TARead1, "1.2"}}},
                    NormaliseRow{"DepthLettersAfterNumber",
                                 {{Ctl::TARead1, "12abc"}, {Ctl::TARead2, "2"}},
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
                    NormaliseRow{"VolumeLettersAfterNumber",
                                 {{Ctl::TARead1, "12abc"}, {Ctl::TARead2, "5"}},
                                 {{Ctl::TARead1, "12"}},
                                 Volume},
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
                                 {{Ctl::TARead1, "60.0"},
                                  {Ctl::TARead2, "30.0"},
                                  {Ctl::TBRead1, ""},
                                  {Ctl::TBRead2, ""}}},
                    NormaliseRow{
                        "TankBVolumeTankADepth",
                        {{Ctl::TARead1, "60.04"},
                         {Ctl::TARead2, "30"},
                         {Ctl::TBRead1, "800.9"},
                         {Ctl::TBRead2, "700"}},
                        {{Ctl::TARead1, "60.0"}, {Ctl::TBRead1, "800"}, {Ctl::TBRead2, "700"}},
                        Depth,
                        Volume}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Deliveries, InputNormalisation,
    testing::Values(NormaliseRow{"AddedWhole",
                                 {{Ctl::LAdd1, "1500.9"}, {Ctl::LAdd2, "100"}},
                                 {{Ctl::LAdd1, "1500"}, {Ctl::LAdd2, "100"}}},
                    NormaliseRow{"AddedZeroEmptied", {{Ctl::LAdd1, "0"}}, {{Ctl::LAdd1, ""}}},
                    NormaliseRow{"CostFourDecimals",
                                 {{Ctl::OCost1, "1.23456"}, {Ctl::OCost2, "0.5"}},
                                 {{Ctl::OCost1, "1.2346"}, {Ctl::OCost2, "0.5000"}}},
                    NormaliseRow{"CostZeroEmptied", {{Ctl::OCost1, "0.00"}}, {{Ctl::OCost1, ""}}},
                    NormaliseRow{"ChargeTwoDecimals",
                                 {{Ctl::DCharge1, "12.5"}, {Ctl::DCharge2, "100"}},
                                 {{Ctl::DCharge1, "12.50"}, {Ctl::DCharge2, "100.00"}}},
                    NormaliseRow{
                        "ChargeZeroEmptied", {{Ctl::DCharge2, "0"}}, {{Ctl::DCharge2, ""}}},
                    NormaliseRow{"EmptyDeliveryStaysEmpty",
                                 {{Ctl::Date1, "01/03/2010"}},
                                 {{Ctl::LAdd1, ""}, {Ctl::OCost1, ""}, {Ctl::DCharge1, ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Dates, InputNormalisation,
    testing::Values(
        NormaliseRow{"DashesToShortDate", {{Ctl::Date1, "1-3-2010"}}, {{Ctl::Date1, "01/03/2010"}}},
        NormaliseRow{
            "LongFormToShortDate", {{Ctl::Date2, "05-Mar-2010"}}, {{Ctl::Date2, "05/03/2010"}}},
        NormaliseRow{"TwoDigitYear", {{Ctl::Date3, "5.3.10"}}, {{Ctl::Date3, "05/03/2010"}}},
        NormaliseRow{"EmptyDateStaysEmpty", {{Ctl::Date3, "5.3.10"}}, {{Ctl::Date4, ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputChecks, FaultyFieldsAreLeftExactlyAsTyped) {
    RunningProgram run;
    const Fields typed{{Ctl::Date1, "1-3-2010"}, {Ctl::TARead1, "45.678"}, {Ctl::LAdd1, "50"},
                       {Ctl::OCost1, "1.23456"}, {Ctl::TARead2, "0"},      {Ctl::TBRead1, "0"}};
    Prepare(run, Depth, Depth, typed);
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered({kAdded1}));
    for (const auto& [control, text] : typed) EXPECT_EQ(run.text(control), text);
    EXPECT_EQ(run.text(Ctl::TBRead2), "");
}

TEST(InputChecks, InhibitedChecksDiscardEveryMessageAndStillNormalise) {
    RunningProgram run;
    run.p.st.InhibitMode = 1;
    Prepare(run, Depth, Volume,
            {{Ctl::Date1, "hello"},
             {Ctl::Date2, "01/01/1999"},
             {Ctl::TARead1, "abc"},
             {Ctl::TARead2, "50"},
             {Ctl::TBRead1, "1e300"},
             {Ctl::TBRead2, "-7.5"},
             {Ctl::LAdd1, "abc"},
             {Ctl::OCost1, "12"},
             {Ctl::DCharge1, "-3"}});
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
        LocaleRow{"USDayMonthOrderRefused",
                  kUS,
                  {{Ctl::Date3, "31/12/2010"}},
                  {"Delivery Date 1 must be empty or a valid date"},
                  {}},
        // The short form "M/d/yy" would write 50, which reads back as 1950.
        LocaleRow{"USDateKeepsItsCentury",
                  kUS,
                  {{Ctl::Date1, "12/31/2050"}},
                  {},
                  {{Ctl::Date1, "12/31/2050"}}},
        LocaleRow{"GermanLastDayOfReading1",
                  kGerman,
                  {{Ctl::Date1, "28.12.2099"}},
                  {},
                  {{Ctl::Date1, "28.12.2099"}}},
        LocaleRow{"GermanDayAfterLastOfReading1",
                  kGerman,
                  {{Ctl::Date1, "29.12.2099"}},
                  {kDate1Range},
                  {}},
        LocaleRow{"GermanDayAfterLastOfDelivery2",
                  kGerman,
                  {{Ctl::Date4, "01.01.2100"}},
                  {kDate4Range},
                  {}},
        LocaleRow{"GermanDecimalComma",
                  kGerman,
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

}  // namespace
}  // namespace tw
