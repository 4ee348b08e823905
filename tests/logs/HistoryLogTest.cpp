#include "logs/HistoryLog.h"

#include "LogTestSupport.h"

namespace tw {
namespace {

// A vertical tank read by depth, so the volumes are exact whole numbers:
// 1200 litres over 120 cm, readings less the 2 cm offset.
const HistoryReadings kReadings{"01/01/2013", "15/02/2013", {"1200", "120", "2", "80.5", "47.0", 1, false},
                                {},           "£123.45",    "", true,     false};

TEST(HistoryLog, ReadingRowsFollowTheTanks) {
    const struct { HistoryTank a, b; QString value, line2; } rows[] = {
        {kReadings.tankA, {}, "£123.45", " 15/02/2013,     450,       0,   47.0,       ,   £123.45,  On, Off"},
        {kReadings.tankA, {}, "£0.00", " 15/02/2013,     450,       0,   47.0,       ,          ,  On, Off"},
        {kReadings.tankA, {}, "(£132.70)", " 15/02/2013,     450,       0,   47.0,       ,          ,  On, Off"},
        {{"1200", "120", "2", "", "450.4", 1, true}, {}, "", " 15/02/2013,     450,       0,   47.0,       ,          ,  On, Off"},
        {{"1200", "", "2", "", "450.4", 1, true}, {}, "", " 15/02/2013,     450,       0,       ,       ,          ,  On, Off"},
        {kReadings.tankA, {"600", "60", "", "", "30.0", 2, false}, "", " 15/02/2013,     450,     300,   47.0,   30.0,          ,  On, Off"},
        {kReadings.tankA, {"600", "60", "", "0.0", "", 2, false}, "", " 15/02/2013,     450,       0,   47.0,       ,          ,  On, Off"},
    };
    for (const auto& row : rows) {
        HistoryReadings r = kReadings;
        r.tankA = row.a, r.tankB = row.b, r.remainingOilValue = row.value;
        EXPECT_EQ(HistoryDataLine(ReadingRow(r, 2, kUk)), row.line2);
    }
    EXPECT_EQ(FirstReadingLine(ReadingRow(kReadings, 1, kUk)),
              " 01/01/2013,     785,       0,   80.5,       ,                    ");
    // Oil priced in the tanks gives the first reading its value, the flags stay blank.
    HistoryReadings priced = kReadings;
    priced.openingOilValue = "£1,182.70";
    EXPECT_EQ(FirstReadingLine(ReadingRow(priced, 1, kUk)),
              " 01/01/2013,     785,       0,   80.5,       , £1,182.70,    ,    ");
}

// Which of header block (H), first reading (F) and data line (D) a save writes,
// after how many saved lines, with which tank lines in the log's last block and
// what date fault. The window's tank lines are "A" and "B".
TEST(HistoryLog, HeaderFirstReadingAndDateRules) {
    const QString parts[] = {"\r\n\r\nA\r\nB\r\n\r\n" + HistoryColumnLines("VAT").join("\r\n"),
                             FirstReadingLine(ReadingRow(kReadings, 1, kUk)),
                             HistoryDataLine(ReadingRow(kReadings, 2, kUk))};
    const QString late = " 15/02/2013,     500,       0,   52.0,       ,          ,  On,  On";
    const QString fault = "Tank Reading Date 2 must be later than the last Tank Reading date saved\n";
    const struct {
        HistoryLogEnd end;
        bool checkDate;
        QString error, written, errorAfter;
    } rows[] = {
        {{0, false, "", "", ""}, true, "", "HFD", ""},
        {{0, true, "", "A", "B"}, true, "", "D", ""},
        {{39, true, "", "A", "B"}, true, "", "D", ""},
        {{40, true, "", "A", "B"}, true, "", "HD", ""},
        {{3, true, "", "A", "C"}, true, "", "HD", ""},
        {{3, true, "", "X", "B"}, true, "", "HD", ""},
        {{3, true, late, "A", "B"}, true, "", "", fault},
        {{3, true, late, "A", "B"}, false, "", "D", ""},
        {{3, true, " 14/02/2013", "A", "B"}, true, "", "D", ""},
        {{0, false, "", "", ""}, true, "x\n", "H", "x\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.written.toStdString());
        const HistoryLineResult out = ComposeHistoryLine(
            {kReadings, {2013, 2, 15}, row.end, row.checkDate, row.error, "A", "B", "VAT"}, kUk);
        QStringList expected;
        for (const QChar part : row.written) expected << parts[QString("HFD").indexOf(part)];
        EXPECT_EQ(out.text, expected.join("\r\n"));
        EXPECT_EQ(out.saveError, row.errorAfter);
    }
}

}  // namespace
}  // namespace tw
