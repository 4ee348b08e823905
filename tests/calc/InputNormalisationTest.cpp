// The rewrite of the reading and delivery fields once their checks pass, in the
// user's locale, and the fields left as typed when they do not.
#include <gtest/gtest.h>

#include <ostream>

#include "RunningProgram.h"
#include "calc/InputChecks.h"

namespace tw {
namespace {

struct NormaliseRow {
    const char* name;
    Fields typed;
    Fields expected;
    ReadingMode tankA = Depth;
    ReadingMode tankB = Depth;
    QLocale locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
};

void PrintTo(const NormaliseRow& row, std::ostream* os) { *os << row.name; }

class InputNormalisation : public testing::TestWithParam<NormaliseRow> {};

TEST_P(InputNormalisation, RewritesTheFieldsInTheirNormalForm) {
    const NormaliseRow& row = GetParam();
    RunningProgram run(row.locale);
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
                    NormaliseRow{"DepthBothZeroEmptied",
                                 {{Ctl::TARead1, "0.0"}, {Ctl::TARead2, "0"}},
                                 {{Ctl::TARead1, ""}, {Ctl::TARead2, ""}}},
                    NormaliseRow{"VolumeWhole",
                                 {{Ctl::TARead1, "1234.6"}, {Ctl::TARead2, "500"}},
                                 {{Ctl::TARead1, "1234"}, {Ctl::TARead2, "500"}},
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
    DeliveriesAndDates, InputNormalisation,
    testing::Values(NormaliseRow{"AddedWhole",
                                 {{Ctl::LAdd1, "1500.9"}, {Ctl::LAdd2, "100"}},
                                 {{Ctl::LAdd1, "1500"}, {Ctl::LAdd2, "100"}}},
                    NormaliseRow{"AddedZeroEmptied", {{Ctl::LAdd1, "0"}}, {{Ctl::LAdd1, ""}}},
                    NormaliseRow{"CostFourDecimals",
                                 {{Ctl::OCost1, "1.23456"}, {Ctl::OCost2, "0.5"}},
                                 {{Ctl::OCost1, "1.2346"}, {Ctl::OCost2, "0.5000"}}},
                    NormaliseRow{"CostZeroEmptied", {{Ctl::OCost1, "0.00"}}, {{Ctl::OCost1, ""}}},
                    NormaliseRow{
                        "ChargeZeroEmptied", {{Ctl::DCharge2, "0"}}, {{Ctl::DCharge2, ""}}},
                    NormaliseRow{
                        "TwoDigitYear", {{Ctl::Date3, "5.3.10"}}, {{Ctl::Date3, "05/03/2010"}}}),
    [](const auto& info) { return std::string(info.param.name); });

const QLocale kGerman(QLocale::German, QLocale::Germany);

INSTANTIATE_TEST_SUITE_P(
    InTheUsersLocale, InputNormalisation,
    testing::Values(NormaliseRow{"GermanDateKeepsItsYear",
                                 {{Ctl::Date1, "28.12.2099"}},
                                 {{Ctl::Date1, "28.12.2099"}},
                                 Depth,
                                 Depth,
                                 kGerman},
                    NormaliseRow{"GermanDecimalComma",
                                 {{Ctl::TARead1, "45.678"}, {Ctl::TARead2, "30"}},
                                 {{Ctl::TARead1, "45,7"}, {Ctl::TARead2, "30,0"}},
                                 Depth,
                                 Depth,
                                 kGerman},
                    NormaliseRow{"GermanCommaKeepsItsDecimals",
                                 {{Ctl::TARead1, "95,5"}, {Ctl::OCost1, "0,65"}, {Ctl::LAdd1, "500"},
                                  {Ctl::DCharge1, "20,5"}},
                                 {{Ctl::TARead1, "95,5"}, {Ctl::OCost1, "0,6500"},
                                  {Ctl::DCharge1, "20,50"}},
                                 Depth,
                                 Depth,
                                 kGerman},
                    NormaliseRow{"FrenchPeriodPrice",
                                 {{Ctl::OCost1, "0.65"}, {Ctl::LAdd1, "500"}},
                                 {{Ctl::OCost1, "0,6500"}},
                                 Depth,
                                 Depth,
                                 QLocale(QLocale::French, QLocale::France)},
                    NormaliseRow{"GermanVolumesWhole",
                                 {{Ctl::TARead1, "1234.6"}, {Ctl::TARead2, "500"}},
                                 {{Ctl::TARead1, "1234"}, {Ctl::TARead2, "500"}},
                                 Volume,
                                 Depth,
                                 kGerman}),
    [](const auto& info) { return std::string(info.param.name); });

// Without the checks every field is rewritten whatever it holds, and even an
// earlier stage's fault is forgotten.
TEST(InputChecks, InhibitedChecksDiscardEveryMessageAndStillNormalise) {
    RunningProgram run;
    run.p.st.InhibitMode = 1;
    Prepare(run, Depth, Volume,
            {{Ctl::Date2, "01/01/1999"},
             {Ctl::TARead2, "50"},
             {Ctl::TBRead1, "1e300"},
             {Ctl::TBRead2, "-7.5"},
             {Ctl::LAdd1, "abc"},
             {Ctl::OCost1, "12"},
             {Ctl::DCharge1, "-3"}});
    run.p.st.SaveError = "Tank A Capacity must be between 100 and 9999\n";
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, "");
    EXPECT_EQ(run.text(Ctl::Date2), "01/01/1999");
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

}  // namespace
}  // namespace tw
