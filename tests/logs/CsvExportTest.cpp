#include "logs/CsvExport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "LogTestSupport.h"
#include "app/CsvCommand.h"

namespace tw {
namespace {

const QLocale kUk(QLocale::English, QLocale::UnitedKingdom);

TEST(CsvFields, QuoteOnlyWhatSpreadsheetsWouldMisread) {
    const struct {
        QString in, out;
    } rows[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"£12.50", "£12.50"},
    };
    for (const auto& row : rows) EXPECT_EQ(CsvField(row.in), row.out) << row.in.toStdString();
    EXPECT_EQ(CsvNumber(-0.001, 2), "0.00");
    EXPECT_EQ(CsvNumber(1234.5, 2), "1234.50");
    EXPECT_EQ(CsvNumber(std::nullopt, 2), "");
}

// Logs as the program writes them, in a German locale to show that the files do
// not follow the user's number and date forms.
class CsvOfKnownLogs : public testing::Test {
protected:
    void SetUp() override {
        work.write("Log/Tankwise_H.log",
                   {"Tankwise History Log", "Version 3.0", "File Created", "01.06.20 12:00:00", "",
                    "", "Tank A: 1200litres Cylindrical (H), Depth: Not Set", "Tank B: Not Set", "",
                    "Date       , Tank A , Tank B , Tank A, Tank B, Oil Value, CH , HW ",
                    "           , Volume , Volume , Depth , Depth , (no VAT) ,    ,    ",
                    "-----------, -------, -------, ------, ------, ---------, ---, ---",
                    "   01.01.13,     910,       0,       ,       ,                    ",
                    "   31.01.13,    1210,       0,       ,       ,  400,00 €,  On, Off",
                    "   damaged line"});
        work.write("Log/Tankwise_D.log",
                   {"Tankwise Delivery Log", "Version 3.0", "File Created", "01.06.20 12:00:00",
                    "", "", "Delivery   , Amount   , Oil    , Delivery , Oil  , Total   , Del  , CH , HW ",
                    "Date       , Delivered, Cost   , Charge   , VAT  , Cost    , VAT  ,    ,    ",
                    "-----------, ---------, -------, ---------, -----, --------, -----, ---, ---",
                    "   10.01.13,       500,  0,50 €,   20,00 €,    5%, 282,00 €,   20%,  On, Off"});
        work.write("Log/Tankwise.log",
                   {"Tankwise Results Log", "Version 3.0", "File Created", "01.06.20 12:00:00", "",
                    "", "", "01.06.20 12:00:00", "Note, with \"quotes\"", "Tank A: ...",
                    "Tank B: Not Set", "", "Use To Date ( 30 Days)", "----------------------",
                    "From                      : 01.01.13", "To                        : 31.01.13",
                    "CO2 Generated             :    535    Kgm", "CO2 Generated Per Day     :  17,83  Kgm",
                    "Total Oil Used            :    200    litres",
                    "Oil Left                  :   1210    litres",
                    "Oil Used Per day          :   6,67  litres",
                    "Total Cost                :  120,00 € (inc Delivery Charge)",
                    "Cost Per Day              :    4,00 € (inc VAT)", "",
                    "Prediction Over  6 Month(s) (182 Days)",
                    "--------------------------------------",
                    "From                      : 01.01.13",
                    "Date Tank(s) Empty        : 02.07.13", "Total Oil Used            :   1213    litres",
                    "Total Cost                :  727,00 €",
                    QString(58, '-'), ""});
    }
    QString csv(const QString& name) const {
        QFile file(work.path() + "/out/" + name);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "(missing)";
    }
    int exportAll(const QString& folder) {
        QTextStream o(&out), e(&err);
        return ExportAllCsv(const_cast<WorkFolder&>(work).files(), de, folder, o, e);
    }

    WorkFolder work;
    const QLocale de{QLocale::German, QLocale::Germany};
    QString out, err;
};

TEST_F(CsvOfKnownLogs, CommandWritesTheThreeFilesAndCountsTheirRows) {
    ASSERT_TRUE(QDir(work.path()).mkdir("out"));
    ASSERT_EQ(exportAll(work.path() + "/out"), 0) << err.toStdString();
    EXPECT_EQ(csv("Tankwise_History.csv"),
              "Date,Oil in tanks,Days,Oil used,Oil delivered,Use per day,Cost per day\r\n"
              "2013-01-01,910,,,0,,\r\n"
              "2013-01-31,1210,30,200,500,6.67,\r\n");
    EXPECT_EQ(csv("Tankwise_Deliveries.csv"),
              "Date,Amount,Total cost\r\n"
              "2013-01-10,500,282.00\r\n");
    EXPECT_EQ(csv("Tankwise_Results.csv"),
              "From,To,Days,Oil used,Oil left,Use per day,CO2,CO2 per day,Total cost,Cost per day,"
              "Prediction months,Tanks empty,Predicted oil used,Predicted cost\r\n"
              "2013-01-01,2013-01-31,30,200,1210,6.67,535,17.83,120.00,4.00,6,2013-07-02,1213,"
              "727.00\r\n");
    const QString dir = work.path() + "/out/";
    EXPECT_EQ(out, dir + "Tankwise_History.csv: 2 rows\n" + dir +
                       "Tankwise_Deliveries.csv: 1 row\n" + dir + "Tankwise_Results.csv: 1 row\n");
    EXPECT_TRUE(err.isEmpty());
}

TEST_F(CsvOfKnownLogs, CommandFailsWithAMessageAndKeepsEarlierFiles) {
    ASSERT_TRUE(QDir(work.path()).mkdir("out"));
    EXPECT_EQ(exportAll(work.path() + "/nowhere"), 1);
    EXPECT_TRUE(err.contains("nowhere does not exist")) << err.toStdString();

    err.clear();
    work.denyRead("Log/Tankwise.log");
    EXPECT_EQ(exportAll(work.path() + "/out"), 1);
    EXPECT_TRUE(err.contains("cannot read")) << err.toStdString();

    EXPECT_EQ(exportAll(""), 1);
}

TEST(CsvCommandLine, FindsTheFolderAfterTheSwitch) {
    EXPECT_EQ(ExportCsvFolder({"--export-csv", "out"}).value_or("?"), "out");
    EXPECT_EQ(ExportCsvFolder({"-InhibitUpdate", "--export-csv"}).value_or("?"), "");
    EXPECT_FALSE(ExportCsvFolder({"-InhibitUpdate"}));
}

}  // namespace
}  // namespace tw
