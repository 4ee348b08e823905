#include "logs/HistoryLog.h"

#include <functional>

#include "LogTestSupport.h"

namespace tw {
namespace {

// A vertical tank read by depth, so the volumes are exact whole numbers:
// 1200 litres over 120 cm, readings less the 2 cm offset.
HistoryReadings Readings() {
    return {"01/01/2013", "15/02/2013", {"1200", "120", "2", "80.5", "47.0", 1, false}, {},
            "£123.45",    true,         false};
}

TEST(HistoryLog, ReadingRowsFollowTheTanks) {
    const QString blankValue = " 15/02/2013,     450,       0,   47.0,       ,          ,  On, Off";
    const struct {
        std::function<void(HistoryReadings&)> change;
        QString line2;
    } rows[] = {
        {[](HistoryReadings&) {}, " 15/02/2013,     450,       0,   47.0,       ,   £123.45,  On, Off"},
        {[](HistoryReadings& r) { r.remainingOilValue = "£0.00"; }, blankValue},
        {[](HistoryReadings& r) { r.remainingOilValue = "-£132.70"; }, blankValue},
        {[](HistoryReadings& r) { r.remainingOilValue = "(£132.70)"; }, blankValue},
        {[](HistoryReadings& r) { r.tankA = {"1200", "120", "2", "", "450.4", 1, true}; },
         " 15/02/2013,     450,       0,   47.0,       ,   £123.45,  On, Off"},
        {[](HistoryReadings& r) { r.tankA = {"1200", "", "2", "", "450.4", 1, true}; },
         " 15/02/2013,     450,       0,       ,       ,   £123.45,  On, Off"},
        {[](HistoryReadings& r) { r.tankB = {"600", "60", "", "", "30.0", 2, false}; },
         " 15/02/2013,     450,     300,   47.0,   30.0,   £123.45,  On, Off"},
        {[](HistoryReadings& r) { r.tankB = {"600", "60", "", "0.0", "", 2, false}; },
         " 15/02/2013,     450,       0,   47.0,       ,   £123.45,  On, Off"},
        {[](HistoryReadings& r) { r.waterHeating = true, r.centralHeating = false; },
         " 15/02/2013,     450,       0,   47.0,       ,   £123.45, Off,  On"},
    };
    for (const auto& row : rows) {
        HistoryReadings r = Readings();
        row.change(r);
        EXPECT_EQ(HistoryDataLine(ReadingRow(r, 2, kUk)), row.line2);
    }
    EXPECT_EQ(FirstReadingLine(ReadingRow(Readings(), 1, kUk)),
              " 01/01/2013,     785,       0,   80.5,       ,                    ");
}

// Which of header block (H), first reading (F) and data line (D) a save writes,
// after how many saved lines, with what date fault and setup change.
TEST(HistoryLog, HeaderFirstReadingAndDateRules) {
    const QString parts[] = {"\r\n\r\nA\r\nB\r\n\r\n" + HistoryColumnLines("VAT").join("\r\n"),
                             FirstReadingLine(ReadingRow(Readings(), 1, kUk)),
                             HistoryDataLine(ReadingRow(Readings(), 2, kUk))};
    const QString late = " 15/02/2013,     500,       0,   52.0,       ,          ,  On,  On";
    const QString fault = "Tank Reading Date 2 must be later than the last Tank Reading date saved\n";
    const struct {
        int dataLines;
        bool headerSeen;
        QString lastLine;
        bool checkDate, changed;
        QString signature, error;
        const char* written;
        QString errorAfter;
        bool changedAfter;
    } rows[] = {
        {0, false, "", true, false, "s", "", "HFD", "", false},
        {0, true, "", true, false, "s", "", "D", "", false},
        {39, true, "", true, false, "s", "", "D", "", false},
        {40, true, "", true, false, "s", "", "HD", "", false},
        {80, true, "", true, false, "s", "", "HD", "", false},
        {3, true, "", true, true, "s", "", "HD", "", true},
        {3, true, "", true, false, "t", "", "HD", "", true},
        {3, true, late, true, false, "t", "", "", fault, false},
        {3, true, late, false, false, "s", "", "D", "", false},
        {3, true, " 14/02/2013", true, false, "s", "", "D", "", false},
        {0, false, "", true, false, "s", "x\n", "H", "x\n", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.written);
        const HistoryLineInput in{Readings(), QDate(2013, 2, 15), {row.dataLines, row.headerSeen, row.lastLine},
                                  row.checkDate, row.error, row.changed, row.signature, "s", "A", "B", "VAT"};
        QStringList expected;
        for (const char part : std::string(row.written)) expected << parts[QString("HFD").indexOf(part)];
        const HistoryLineResult out = ComposeHistoryLine(in, kUk);
        EXPECT_EQ(out.text, expected.join("\r\n"));
        EXPECT_EQ(out.saveError, row.errorAfter);
        EXPECT_EQ(out.setupChanged, row.changedAfter);
        EXPECT_EQ(out.savedSignature, row.errorAfter.isEmpty() ? row.signature : "s");
    }
}

}  // namespace
}  // namespace tw
