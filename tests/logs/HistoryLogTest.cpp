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
    testing::Values(HeaderRuleRow{"line39", 39, false}, HeaderRuleRow{"line40", 40, true},
                    HeaderRuleRow{"line41", 41, false}, HeaderRuleRow{"line80", 80, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryLog, LinesOfVolumeOneAndHeaderLinesAreNotCounted) {
    saved(39);
    // Lines that fail the data-line test do not bring the count to 40.
    folder.append(kHistory, {"01/01/2012,       1,       0,       ,       ,          ,  On,  On",
                             "01/01/2012 12:00:00", ""});
    BuildHistoryLine(p);
    EXPECT_FALSE(startsWithHeader());
}

TEST_F(HistoryLog, ReadingModeChangeCountsAsASetupChange) {
    saved(5);
    tick(Ctl::TankAU, true);
    type(Ctl::TARead1, "785");
    type(Ctl::TARead2, "450");
    BuildHistoryLine(p);
    EXPECT_TRUE(startsWithHeader());
}

// Reading 2 on the last saved date is refused; the day after is written.
TEST_F(HistoryLog, Reading2MustBeLaterThanTheLastSavedLine) {
    saved(3);
    folder.append(kHistory, {HistoryDataLine({"10/02/2013", "500", "0", "52.0", "", "", true, true})});
    type(Ctl::Date2, "10/02/2013");
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.SaveError,
              "Tank Reading Date 2 must be later than the last Tank Reading date saved\n");
    EXPECT_FALSE(p.st.HistoryLine.contains("10/02/2013"));

    p.st.SaveError.clear();
    type(Ctl::Date2, "11/02/2013");
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.SaveError, "");
    EXPECT_EQ(p.st.HistoryLine, " 11/02/2013" + line2.mid(11));
}

TEST_F(HistoryLog, Date2ThatIsNoDateComposesNothing) {
    type(Ctl::Date2, "");
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.HistoryLine, "");
    EXPECT_EQ(p.st.SaveError, "");
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

TEST_F(HistoryLog, VolumeReadingsWithoutTankDepthLeaveTheDepthBlank) {
    saved(1);
    tick(Ctl::TankAU, true);
    type(Ctl::TankAD, "");
    p.st.TankSignature = CurrentTankSignature(p);
    type(Ctl::TARead2, "450.4");
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.HistoryLine.left(37), " 15/02/2013,     450,       0,       ");
}

// A second tank with a reading 2 shows its volume and depth; with only a zero
// reading 1 it holds nothing and shows no depth.
TEST_F(HistoryLog, SecondTankShowsItsVolumeAndDepth) {
    saved(1);
    type(Ctl::TankBCap, "600");
    type(Ctl::TankBD, "60");
    p.main.setIndex(Ctl::TankBS, 2);
    p.st.TankSignature = CurrentTankSignature(p);
    type(Ctl::TBRead2, "30.0");
    BuildHistoryLine(p);
    EXPECT_EQ(p.st.HistoryLine.left(45), " 15/02/2013,     450,     300,   47.0,   30.0");

    type(Ctl::TBRead1, "0.0");
    type(Ctl::TBRead2, "");
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
