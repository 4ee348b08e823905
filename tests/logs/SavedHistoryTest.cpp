#include "logs/SavedHistory.h"

#include <QDir>
#include <QFile>

#include "LogTestSupport.h"
#include "WorkFolder.h"
#include "app/CsvCommand.h"
#include "logs/CsvExport.h"
#include "logs/LogColumns.h"
#include "logs/LogView.h"
#include "logs/RecentHistory.h"
#include "calc/Formats.h"

namespace tw {
namespace {

const QString kFirst = "01-Jan-2013,     910,       0,   78.5,       ,                    ";
const QString kSecond = "15-Feb-2013,     460,     120,   45.0,       , £1,123.45,  On, Off";
const QString kDelivery = " 20/01/2013,      1000, £0.4500,    £25.00, 17.5%,  £556.25,    5%, Off,  On";

// Own header lines pass silently; any other line that is no whole data line is skipped.
TEST(SavedHistory, KeepsDataLinesAndCountsOnlyDamagedOnes) {
    const struct {
        QStringList history, delivery;
        std::vector<int> counts;  // readings, deliveries, skipped history and delivery lines
    } rows[] = {
        {QStringList{"Tankwise History Log", "01/06/2020 12:00:00", "", "Tank B: Not Set"} +
             HistoryColumnLines("VAT"), DeliveryColumnLines("VAT"), {0, 0, 0, 0}},
        {{kFirst, kSecond.left(50)}, {kDelivery.left(60)}, {1, 0, 1, 1}},
        {{"2013-02-15" + kSecond.mid(10), "\t#~~ 12, ,, ", QString(66, ',')}, {"x"}, {0, 0, 3, 1}},
        {{kFirst.left(16) + "  0" + kFirst.mid(19), kFirst.left(16) + "  ?" + kFirst.mid(19)}, {}, {1, 0, 1, 0}},
        {{QString(10 * 1024 * 1024, 'x'), kSecond + QString(100000, '9')}, {}, {0, 0, 2, 0}},
    };
    for (const auto& row : rows) {
        SavedHistoryReader reader(kUk);
        for (const QString& line : row.history) reader.addHistoryLine(line);
        for (const QString& line : row.delivery) reader.addDeliveryLine(line);
        const SavedHistory& h = reader.result();
        EXPECT_EQ(std::vector<int>({int(h.readings.size()), int(h.deliveries.size()),
                                    h.skippedHistoryLines, h.skippedDeliveryLines}), row.counts);
    }
    EXPECT_EQ(MoneyValue("1.234,50 €", "€", QLocale("de_DE")), 1234.5);
}

// The command line's export over logs as the program writes them. The delivery of
// 15 February, the day one period ends and the next begins, could belong to either
// and no report says which: it goes with the earlier, as Get Last counts it. The
// second period is priced as its report would price it: the oil's value before
// (£1,123.45) less after (£100.00), with the 5% tax of the delivery saved last.
TEST(SavedHistory, ExportedAsCsvFiles) {
    WorkFolder work;
    const QString out = work.path() + "/out";
    ASSERT_TRUE(QDir(work.path()).mkdir("out"));
    const LogPaths paths;
    const QString next = " 25/02/2013,     100,       0,   45.0,       ,   £100.00,  On, Off";
    ASSERT_TRUE(work.write(paths.history, {kFirst, kSecond, next, next}));
    ASSERT_TRUE(work.write(paths.delivery, {kDelivery, " 15/02/2013,       300, £0.4500,          ,    5%,         ,    5%,  On,  On"}));
    ASSERT_TRUE(work.write(paths.results, {}));
    QString said, errors;
    QTextStream o(&said), e(&errors);
    EXPECT_EQ(ExportAllCsv(work.files(), kUk, out, o, e), 0);
    const auto csv = [&](LogKind kind) { return LogCsv(work.files(), paths, kind, kUk); };
    EXPECT_EQ(csv(LogKind::History),
              "Date,Oil in tanks,Days,Oil used,Oil delivered,Use per day,Cost per day,"
              "Tank A reading,Tank B reading,Oil value\r\n"
              "2013-01-01,910,,,0,,,910.0,0.0,\r\n2013-02-15,580,45,1630,1300,36.22,,460.0,120.0,1123.45\r\n"
              "2013-02-25,100,10,480,0,48.00,107.46,100.0,0.0,100.00\r\n2013-02-25,100,0,0,0,,,100.0,0.0,100.00\r\n");
    EXPECT_EQ(csv(LogKind::Delivery),
              "Date,Amount,Total cost,Price,Delivery charge,Oil tax rate,Charge tax rate,Reading date\r\n"
              "2013-01-20,1000,556.25,0.4500,25.00,17.5,5,2013-02-15\r\n"
              "2013-02-15,300,,0.4500,,5,5,2013-02-15\r\n");
    EXPECT_EQ(said, out + "/Tankwise_History.csv: 4 rows\n" + out + "/Tankwise_Deliveries.csv: 2 rows\n" +
                        out + "/Tankwise_Results.csv: 0 rows\n");
    // The command line reads each log once for all three files: they are the window's.
    for (LogKind kind : {LogKind::History, LogKind::Delivery, LogKind::Results}) {
        QFile written(out + "/" + CsvFileName(kind));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(written.readAll()), csv(kind));
    }
    work.denyRead(paths.results);
    EXPECT_EQ(ExportAllCsv(work.files(), kUk, out, o, e), 1);
    EXPECT_EQ(errors, "tankwise: cannot read " + work.path() + "/Log/Tankwise.log\n");
    EXPECT_EQ(ExportCsvFolder({"-InhibitUpdate", "--export-csv", "out"}).value_or("?"), "out");
    EXPECT_EQ(QStringList({CsvField("a,b"), CsvField("say \"hi\""), CsvField("£1"), CsvNumber(-0.001, 2)}),
              QStringList({"\"a,b\"", "\"say \"\"hi\"\"\"", "£1", "0.00"}));
    EXPECT_EQ(QStringList({CsvDate(QDate(987, 6, 5)), CsvDate(QDate(2026, 12, 31)), CsvDate(QDate()),
                           CsvDate(QDate(10000, 1, 2))}),
              QStringList({"0987-06-05", "2026-12-31", "", QDate(10000, 1, 2).toString(Qt::ISODate)}));
    // Where the decimal mark is a comma, the semicolon is the separator to quote.
    EXPECT_EQ(QStringList({CsvField("a;b", ';'), CsvField("1,5", ';'), CsvField("\"", ';'), CsvNumber(-0.001, 2, ',')}),
              QStringList({"\"a;b\"", "1,5", "\"\"\"\"", "0,00"}));
}

// Four years of weekly dips and fortnightly deliveries, a header block every forty
// lines: read backwards from the ends, the periods of the forecast's window are the
// whole table's. A figure too wide for its column, and a date typed with a comma,
// read back from a widened line.
TEST(SavedHistory, TheEndsOfLongLogsGiveTheWholeTablesRecentPeriods) {
    WorkFolder work;
    const LogPaths paths;
    QStringList history, deliveries;
    QDate date(2020, 1, 6);
    for (int i = 0; i < 210; ++i, date = date.addDays(7)) {
        if (i % 40 == 0) {
            history << "" << "" << "Tank A: 1200litres Cylindrical (V), Depth: 120cm Offset: 0.0cm (Depth)"
                    << "Tank B: Not Set" << "" << HistoryColumnLines("VAT");
            deliveries << "" << "" << DeliveryColumnLines("VAT");
        }
        const int oil = 900 - (i % 2) * 300;
        history << HistoryDataLine({ShortDate(date, kUk), QString::number(oil), "0",
                                    QString::number(oil / 10) + ".0", "", "", true, false});
        if (i % 2 == 1)
            deliveries << DeliveryLineText({ShortDate(date.addDays(-3), kUk), "250", "£0.5000", "", "5%",
                                            "£131.25", "5%", true, false});
    }
    ASSERT_TRUE(work.write(paths.history, history) && work.write(paths.delivery, deliveries));
    const auto whole = ReadHistoryTable(work.files(), paths, kUk);
    const auto recent = ReadRecentHistoryTable(work.files(), paths, kUk);
    const QDate windowStart = ForecastWindowStart(whole.back().date);
    auto inWindow = [&](const std::vector<HistoryTableRow>& rows) {
        QStringList kept;
        for (const HistoryTableRow& r : rows)
            if (r.days && r.date.addDays(-*r.days) >= windowStart)
                kept << r.date.toString(Qt::ISODate) + " " + QString::number(r.used.value_or(-1));
        return kept;
    };
    EXPECT_EQ(inWindow(recent), inWindow(whole));
    EXPECT_GT(inWindow(whole).size(), 150);
    EXPECT_LT(recent.size(), whole.size());

    const HistoryPieces wide =
        ReadHistoryColumns(HistoryDataLine({"Mar 5, 2025", "12345678", "0", "1234.5", "", "£12,345.67", true, false}));
    EXPECT_EQ(QStringList({wide.date, wide.volumeA, wide.depthA, wide.oilValue}),
              QStringList({"Mar 5, 2025", "12345678", "1234.5", "£12,345.67"}));
}

}  // namespace
}  // namespace tw
