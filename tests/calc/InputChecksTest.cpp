// The field checks of a calculation: which texts each reading and delivery field
// accepts, the messages gathered, and the rewrite of the fields when they pass.
#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "RunningProgram.h"
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
    QLocale locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
};

void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }

class InputCheckMessages : public testing::TestWithParam<CheckRow> {};

TEST_P(InputCheckMessages, GathersTheMessagesOfTheFailingRowsInOrder) {
    const CheckRow& row = GetParam();
    RunningProgram run(row.locale);
    Prepare(run, row.tankA, row.tankB, row.typed);
    CheckInputFields(run.p);
    EXPECT_EQ(run.p.st.SaveError, Gathered(row.messages));
}

// Rows at and beyond each bound; the bounds that the scenarios already meet at both
// sides are not repeated here.
const char* const kDate1Range =
    "Tank Reading Date 1 must be between 1st Jan 2000 and 28th Dec 2099";
const char* const kDate3Range = "Delivery Date 1 must be between 1st Jan 2000 and 31st Dec 2099";
const char* const kDate4Range = "Delivery Date 2 must be between 1st Jan 2000 and 31st Dec 2099";
const char* const kA1Volume = "Tank A Reading 1 must be between 0 and 9999";
const char* const kA1Depth = "Tank A Reading 1 must be between 0 and 300";
const char* const kAdded1 = "Delivery 1 oil added must be either empty or between 100 and 9999";
const char* const kCost1 = "Delivery 1 oil cost must be either empty or between 0.10 and 9.99";
const char* const kCharge1 = "Delivery Charge 1 must be either empty or between 5 and 100";

INSTANTIATE_TEST_SUITE_P(
    Dates, InputCheckMessages,
    testing::Values(CheckRow{"Date1FirstDay", {{Ctl::Date1, "01/01/2000"}}, {}},
                    CheckRow{"Date1DayBeforeFirst", {{Ctl::Date1, "31/12/1999"}}, {kDate1Range}},
                    CheckRow{"Date2FirstDay", {{Ctl::Date2, "04/01/2000"}}, {}},
                    CheckRow{"Date3LastDay", {{Ctl::Date3, "31/12/2099"}}, {}},
                    CheckRow{"Date3DayAfterLast", {{Ctl::Date3, "01/01/2100"}}, {kDate3Range}},
                    CheckRow{"Date4DayBeforeFirst", {{Ctl::Date4, "31-12-1999"}}, {kDate4Range}}),
    [](const auto& info) { return std::string(info.param.name); });

// The bounds are dates, so each locale's own date forms meet the same limits.
const QLocale kUS(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

INSTANTIATE_TEST_SUITE_P(
    DatesInTheUsersLocale, InputCheckMessages,
    testing::Values(
        CheckRow{"UsLastDayOfReading1", {{Ctl::Date1, "12/28/2099"}}, {}, Depth, Depth, kUS},
        CheckRow{"UsDayMonthOrderRefused",
                 {{Ctl::Date3, "31/12/2010"}},
                 {"Delivery Date 1 must be empty or a valid date"},
                 Depth,
                 Depth,
                 kUS},
        CheckRow{"GermanDayAfterLastOfReading1",
                 {{Ctl::Date1, "29.12.2099"}},
                 {kDate1Range},
                 Depth,
                 Depth,
                 kGerman},
        CheckRow{"GermanDayAfterLastOfDelivery2",
                 {{Ctl::Date4, "01.01.2100"}},
                 {kDate4Range},
                 Depth,
                 Depth,
                 kGerman}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the comma is the decimal point, a period is one too, and the zero the
// program writes into a reading ("0,0") is a reading.
INSTANTIATE_TEST_SUITE_P(
    NumbersInTheUsersLocale, InputCheckMessages,
    testing::Values(
        CheckRow{"GermanCommaPrice", {{Ctl::OCost1, "0,65"}}, {}, Depth, Depth, kGerman},
        CheckRow{"GermanPeriodPrice", {{Ctl::OCost1, "0.65"}}, {}, Depth, Depth, kGerman},
        CheckRow{"GermanCommaPriceTooHigh", {{Ctl::OCost1, "9,995"}}, {kCost1}, Depth, Depth,
                 kGerman},
        CheckRow{"GermanZeroReading", {{Ctl::TARead1, "0,0"}}, {}, Depth, Depth, kGerman},
        CheckRow{"GermanDoubleZeroReading", {{Ctl::TARead1, "0,00"}}, {kA1Depth}, Depth, Depth,
                 kGerman},
        CheckRow{"GermanReadingAboveLimit", {{Ctl::TARead1, "300,5"}}, {kA1Depth}, Depth, Depth,
                 kGerman}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Readings, InputCheckMessages,
    testing::Values(
        // A lone blank is content; as a depth reading it is not a number.
        CheckRow{"SingleBlankIsContent", {{Ctl::Notes, "x"}, {Ctl::TARead1, " "}}, {kA1Depth}},
        CheckRow{"VolumeDoubleZero", {{Ctl::TARead1, "00"}}, {kA1Volume}, Volume},
        CheckRow{"VolumeNegative", {{Ctl::TARead1, "-1"}}, {kA1Volume}, Volume},
        CheckRow{"VolumeWord", {{Ctl::TARead1, "abc"}}, {kA1Volume}, Volume},
        CheckRow{"VolumeLettersAfterNumber", {{Ctl::TARead1, "12abc"}}, {}, Volume},
        CheckRow{"VolumeBeyondDouble", {{Ctl::TARead1, "9e999"}}, {kA1Volume}, Volume},
        // 500 would fail as a depth: only the row of the tank's mode applies.
        CheckRow{"VolumeAboveDepthLimit", {{Ctl::TARead1, "500"}}, {}, Volume},
        CheckRow{"DepthHuge", {{Ctl::TARead1, "99999999999999999999999"}}, {kA1Depth}},
        CheckRow{"DepthLettersAfterNumber", {{Ctl::TARead1, "12abc"}}, {}},
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
    Amounts, InputCheckMessages,
    testing::Values(CheckRow{"AddedZero", {{Ctl::LAdd1, "0"}}, {}},
                    CheckRow{"AddedJustBelowMinimum", {{Ctl::LAdd1, "99.9"}}, {kAdded1}},
                    CheckRow{"AddedMaximum", {{Ctl::LAdd1, "9999"}}, {}},
                    CheckRow{"AddedAboveMaximum", {{Ctl::LAdd1, "10000"}}, {kAdded1}},
                    CheckRow{"AddedWord", {{Ctl::LAdd1, "abc"}}, {kAdded1}},
                    CheckRow{"AddedLettersAfterNumber", {{Ctl::LAdd1, "500abc"}}, {kAdded1}},
                    CheckRow{"AddedNegative", {{Ctl::LAdd1, "-500"}}, {kAdded1}},
                    CheckRow{"CostZero", {{Ctl::OCost1, "0.00"}}, {}},
                    CheckRow{"CostMinimum", {{Ctl::OCost1, "0.10"}}, {}},
                    CheckRow{"CostMaximum", {{Ctl::OCost1, "9.99"}}, {}},
                    CheckRow{"CostAboveMaximum", {{Ctl::OCost1, "10"}}, {kCost1}},
                    CheckRow{"ChargeMaximum", {{Ctl::DCharge1, "100"}}, {}},
                    CheckRow{"ChargeAboveMaximum", {{Ctl::DCharge1, "100.01"}}, {kCharge1}}),
    [](const auto& info) { return std::string(info.param.name); });

// A fault found by an earlier stage is kept and still blocks the rewrite of the
// fields; modes other than the one without checks keep the messages.
TEST(InputChecks, EarlierFaultsBlockTheRewrite) {
    RunningProgram run;
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