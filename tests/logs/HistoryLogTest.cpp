#include "logs/HistoryLog.h"

#include "LogTestSupport.h"
#include "logs/LogColumns.h"
#include "logs/LogFiles.h"

namespace tw {
namespace {

const QString kHistory = "Log/Tankwise_H.log";
const QString kTankA = "Tank A: 1200litres Cylindrical (V), Depth: 120cm Offset: 2.0cm (Depth)";
const QString kTankB = "Tank B: Not Set";

// A vertical tank read by depth, so the volumes are exact whole numbers:
// 1200 litres over 120 cm, readings less the 2 cm offset.
class HistoryLog : public StartedLogs {
protected:
    void SetUp() override {
        StartedLogs::SetUp();
        type(Ctl::TankACap, "1200");
        type(Ctl::TankAD, "120");
        p.main.setIndex(Ctl::TankAS, 1);
        type(Ctl::TankOffA, "2");
        tick(Ctl::TankAU, false);
        type(Ctl::TankBCap, "");
        type(Ctl::TankBD, "");
        type(Ctl::TankOffB, "");
        p.st.TankSignature = CurrentTankSignature(p);
        p.st.TaxWord = "VAT";
        type(Ctl::Date1, "01/01/2013");
        type(Ctl::Date2, "15/02/2013");
        type(Ctl::TARead1, "80.5");
        type(Ctl::TARead2, "47.0");
        type(Ctl::TBRead1, "");
        type(Ctl::TBRead2, "");
        tick(Ctl::CHeat2, true);
        tick(Ctl::WHeat2, false);
        tick(Ctl::NoHistory, false);
        p.st.RemainingOilValue = "£123.45";
        p.st.SaveError.clear();
    }

    // A header block and `count` data lines dated in 2012, as earlier saves left them.
    void saved(int count) {
        QStringList lines{"", "", kTankA, kTankB, ""};
        lines << HistoryColumnLines("VAT");
        for (int i = 0; i < count; ++i)
            lines << HistoryDataLine({"01/01/2012", "500", "0", "52.0", "", "", true, true});
        folder.append(kHistory, lines);
    }

    bool startsWithHeader() const { return p.st.HistoryLine.startsWith("\r\n\r\nTank A: "); }

    const QString line2 = " 15/02/2013,     450,       0,   47.0,       ,   £123.45,  On, Off";
};

TEST_F(HistoryLog, FirstSaveIntoAFreshLogWritesHeaderFirstReadingAndReading2) {
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.SaveError, "");
    const QStringList expected{"", "", kTankA, kTankB, "",
                               HistoryColumnLines("VAT")[0], HistoryColumnLines("VAT")[1],
                               HistoryColumnLines("VAT")[2],
                               " 01/01/2013,     785,       0,   80.5,       ,                    ",
                               line2};
    EXPECT_EQ(p.st.HistoryLine.split("\r\n"), expected);

    AppendHistory(p);
    const QStringList file = folder.lines(kHistory);
    ASSERT_EQ(file.size(), 5 + expected.size());
    EXPECT_EQ(file.mid(0, 5), (QStringList{"Tankwise History Log", "Version 3.0", "File Created",
                                           "01/06/2020 12:00:00", ""}));
    EXPECT_EQ(file.mid(5), expected);
    EXPECT_TRUE(folder.bytes(kHistory).endsWith(Files::encode(line2) + "\r\n"));
}

TEST_F(HistoryLog, PoundSignIsOneWindows1252Byte) {
    BuildHistoryLine(p);
    AppendHistory(p);
    EXPECT_TRUE(folder.bytes(kHistory).contains("   \xA3" "123.45,  On, Off\r\n"));
}

struct HeaderRuleRow {
    const char* name;
    int savedLines;
    bool header;
};
void PrintTo(const HeaderRuleRow& row, std::ostream* os) { *os << row.name; }

class HeaderRule : public HistoryLog, public testing::WithParamInterface<HeaderRuleRow> {};

TEST_P(HeaderRule, HeaderBlockPrecedesEveryFortiethLine) {
    saved(GetParam().savedLines);
    BuildHistoryLine(p);
    EXPECT_EQ(startsWithHeader(), GetParam().header);
    // A log with data lines never gets a second first-reading line.
    EXPECT_TRUE(p.st.HistoryLine.endsWith(HistoryColumnLines("VAT")[2] + "\r\n" + line2) ||
                p.st.HistoryLine == line2)
        << p.st.HistoryLine.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Counts, HeaderRule,
    testing::Values(HeaderRuleRow{"oneLine", 1, false}, HeaderRuleRow{"line39", 39, false},
                    HeaderRuleRow{"line40", 40, true}, HeaderRuleRow{"line41", 41, false},
                    HeaderRuleRow{"line79", 79, false}, HeaderRuleRow{"line80", 80, true},
                    HeaderRuleRow{"line120", 120, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryLog, LinesOfVolumeOneAndHeaderLinesAreNotCounted) {
    saved(39);
    // Lines that fail the data-line test do not bring the count to 40.
    folder.append(kHistory, {"01/01/2012,       1,       0,       ,       ,          ,  On,  On",
                             "01/01/2012 12:00:00", ""});
    BuildHistoryLine(p);
    EXPECT_FALSE(startsWithHeader());
}

TEST_F(HistoryLog, TankSetupChangeBringsANewHeaderOnlyOnce) {
    saved(5);
    type(Ctl::TankACap, "2500");
    BuildHistoryLine(p);
    ASSERT_TRUE(startsWithHeader());
    EXPECT_EQ(p.st.HistoryLine.split("\r\n").at(2),
              "Tank A: 2500litres Cylindrical (V), Depth: 120cm Offset: 2.0cm (Depth)");
    EXPECT_TRUE(p.st.TankSetupChanged);

    // Not saved: the next calculation finds the old header in the log and the
    // remembered setup equal to the current one.
    BuildHistoryLine(p);
    EXPECT_FALSE(startsWithHeader());
    EXPECT_FALSE(p.st.TankSetupChanged);
}

TEST_F(HistoryLog, ReadingModeChangeCountsAsASetupChange) {
    saved(5);
    tick(Ctl::TankAU, true);
    type(Ctl::TARead1, "785");
    type(Ctl::TARead2, "450");
    BuildHistoryLine(p);
    EXPECT_TRUE(startsWithHeader());
}

struct DateCheckRow {
    const char* name;
    const char* date2;
    bool noHistory;
    bool refused;
};
void PrintTo(const DateCheckRow& row, std::ostream* os) { *os << row.name; }

class DateCheck : public HistoryLog, public testing::WithParamInterface<DateCheckRow> {};

TEST_P(DateCheck, Reading2MustBeLaterThanTheLastSavedLine) {
    saved(3);
    folder.append(kHistory, {HistoryDataLine({"10/02/2013", "500", "0", "52.0", "", "", true, true})});
    type(Ctl::Date2, GetParam().date2);
    tick(Ctl::NoHistory, GetParam().noHistory);
    BuildHistoryLine(p);
    if (GetParam().refused) {
        EXPECT_EQ(p.st.SaveError,
                  "Tank Reading Date 2 must be later than the last Tank Reading date saved\n");
        EXPECT_FALSE(p.st.HistoryLine.contains(GetParam().date2));
    } else {
        EXPECT_EQ(p.st.SaveError, "");
        EXPECT_EQ(p.st.HistoryLine, " " + QString(GetParam().date2) + line2.mid(11));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateCheck,
    testing::Values(DateCheckRow{"sameDay", "10/02/2013", false, true},
                    DateCheckRow{"dayBefore", "09/02/2013", false, true},
                    DateCheckRow{"dayAfter", "11/02/2013", false, false},
                    DateCheckRow{"sameDayWithoutHistory", "10/02/2013", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryLog, Date2ThatIsNoDateComposesNothing) {
    type(Ctl::Date2, "");
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.HistoryLine, "");
    EXPECT_EQ(p.st.SaveError, "");
}

TEST_F(HistoryLog, UnreadableLogIsReportedAndNothingIsComposed) {
    folder.denyRead(kHistory);
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.HistoryLine, "");
    EXPECT_EQ(shown(), QStringList{"Tankwise History Log File Error|Unable to read from log file "
                                   "Tankwise_H.log.\r\nThis may be a permissions problem."});
}

TEST_F(HistoryLog, MissingLogIsWarnedAndCountsAsEmpty) {
    folder.remove(kHistory);
    BuildHistoryLine(p);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Tankwise History Log File Error");
    EXPECT_TRUE(startsWithHeader());
    EXPECT_TRUE(p.st.HistoryLine.contains(" 01/01/2013,     785"));
}

TEST_F(HistoryLog, ZeroOrNegativeOilValueLeavesTheColumnBlank) {
    saved(1);
    for (const QString value : {"£0.00", "-£132.70", "(£132.70)"}) {
        p.st.RemainingOilValue = value;
        BuildHistoryLine(p);
        EXPECT_EQ(p.st.HistoryLine,
                  " 15/02/2013,     450,       0,   47.0,       ,          ,  On, Off");
    }
}

TEST_F(HistoryLog, LongDateIsWrittenInTheShortMonthForm) {
    saved(1);
    type(Ctl::Date2, "15 February 2013");
    BuildHistoryLine(p);
    EXPECT_TRUE(p.st.HistoryLine.startsWith("15-Feb-2013,     450,")) << p.st.HistoryLine.toStdString();
}

TEST_F(HistoryLog, VolumeReadingsShowTheMatchingDipstickDepth) {
    saved(1);
    tick(Ctl::TankAU, true);
    p.st.TankSignature = CurrentTankSignature(p);
    type(Ctl::TARead2, "450");
    BuildHistoryLine(p);
    // 450 of 1200 litres in a 120 cm upright tank is 45 cm, plus the 2 cm offset.
    EXPECT_EQ(p.st.HistoryLine.left(37), " 15/02/2013,     450,       0,   47.0");
}

TEST_F(HistoryLog, VolumeReadingsWithoutTankDepthLeaveTheDepthBlank) {
    saved(1);
    tick(Ctl::TankAU, true);
    type(Ctl::TankAD, "");
    p.st.TankSignature = CurrentTankSignature(p);
    type(Ctl::TARead2, "450.4");
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.HistoryLine.left(37), " 15/02/2013,     450,       0,       ");
}

TEST_F(HistoryLog, SecondTankInUseShowsItsVolumeAndDepth) {
    saved(1);
    type(Ctl::TankBCap, "600");
    type(Ctl::TankBD, "60");
    p.main.setIndex(Ctl::TankBS, 2);
    tick(Ctl::TankBU, false);
    type(Ctl::TBRead1, "");
    type(Ctl::TBRead2, "30.0");
    p.st.TankSignature = CurrentTankSignature(p);
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.HistoryLine.left(45), " 15/02/2013,     450,     300,   47.0,   30.0");
}

TEST_F(HistoryLog, SecondTankWithZeroReadingsHasNoDepth) {
    saved(1);
    type(Ctl::TankBCap, "600");
    type(Ctl::TankBD, "60");
    type(Ctl::TBRead1, "0.0");
    type(Ctl::TBRead2, "");
    p.st.TankSignature = CurrentTankSignature(p);
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.HistoryLine.left(45), " 15/02/2013,     450,       0,   47.0,       ");
}

TEST_F(HistoryLog, FailureAfterReadingTheLogEndsInTheFatalDump) {
    p.failAtStep(212);
    EXPECT_THROW(BuildHistoryLine(p), ProgramEnded);
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_EQ(desktop.messages.back().text,
              "Error Number 212\r\nA Fatal Generate History Log Error Has Occurred\r\n"
              "The Program Will Now Terminate");
}

}  // namespace
}  // namespace tw
