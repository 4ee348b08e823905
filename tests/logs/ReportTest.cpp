#include "logs/Report.h"

#include <QRegularExpression>
#include <functional>

#include "LogTestSupport.h"
#include "logs/CsvExport.h"

namespace tw {
namespace {

// A calculation with costs, delivery charges, tax on both and a prediction.
ReportInput Calculation() {
    return {.stamp = "15/02/2013 12:00:00", .notes = "Winter, \"cold\"", .tankLineA = "Tank A: x",
            .tankLineB = "Tank B: Not Set", .volumeUnit = "Litre", .massUnit = "Kgm", .taxWord = "VAT",
            .days = "45", .date1 = "01/01/2013", .date2 = "15/02/2013", .co2 = "1168",
            .co2PerDay = "26.0", .oilUsed = "460", .oilLeft = "450", .oilPerDay = "10.2",
            .costPerDay = "£3.99", .period = {"£168.00", "£11.53", "£1,179.53", "7.15", "4.375"},
            .months = "7", .predictedDays = "212", .emptyDate = "30-Mar-2013", .predictedCo2 = "5385",
            .predictedOilUsed = "2120", .predicted = {"£900.00", "£52.50", "£952.50", "43.75", "8.75"},
            .vatRate = "5", .deliveryVatRate = "17.5", .oilValue = "123", .deliveryChargeTotal = 25,
            .predictedDeliveries = 2};
}

// The whole text, and the figures the results log's CSV export reads back from it.
TEST(Report, WholeTextOfACalculation) {
    const QString report = BuildReport(Calculation(), kUk);
    EXPECT_EQ(report.split("\r\n"),
              QStringList({"15/02/2013 12:00:00", "Winter, \"cold\"", "Tank A: x", "Tank B: Not Set", "",
                           "Use To Date ( 45 Days)", QString(22, '-'),
                           "From                      : 01/01/2013", "To                        : 15/02/2013",
                           "CO2 Generated             :   1168    Kgm", "CO2 Generated Per Day     :     26.0  Kgm",
                           "Total Oil Used            :    460    litres", "Oil Left                  :    450    litres",
                           "Oil Used Per day          :     10.2  litres",
                           "Cost Before VAT           :   £168.00 (inc Delivery Charge)",
                           "VAT Cost - Oil            :     £7.15 at 5%", "VAT Cost - Delivery       :     £4.38 at 17.5%",
                           "VAT Cost - Total          :    £11.53", "Total Cost                : £1,179.53 (inc Delivery Charge)",
                           "Cost Per Day              :     £3.99 (inc VAT)", "",
                           "Prediction Over  7 Month(s) (212 Days)", QString(38, '-'),
                           "From                      : 01/01/2013", "Date Tank(s) Empty        : 30-Mar-2013",
                           "CO2 Generated             :   5385    Kgm", "Total Oil Used            :   2120    litres",
                           "Cost Before VAT           :   £900.00 (inc 2 Delivery Charges)",
                           "VAT Cost - Oil            :    £43.75 at 5%", "VAT Cost - Delivery       :     £8.75 at 17.5%",
                           "VAT Cost - Total          :    £52.50", "Total Cost                :   £952.50 (inc 2 Delivery Charges)",
                           QString(58, '-'), "", ""}));
    SavedReportReader reader(kUk);
    for (const QString& line : ("Tankwise Started\r\n" + report + report).split("\r\n"))
        reader.addLine(line);
    const QString row = "2013-01-01,2013-02-15,45,460,450,10.20,1168,26.00,1179.53,3.99,7,"
                        "2013-03-30,2120,952.50\r\n";
    EXPECT_EQ(QString::fromUtf8(ResultsCsv(reader.take())),
              "From,To,Days,Oil used,Oil left,Use per day,CO2,CO2 per day,Total cost,Cost per day,"
              "Prediction months,Tanks empty,Predicted oil used,Predicted cost\r\n" + row + row);
}

// One change to the calculation and the report lines that match a pattern.
TEST(Report, LinesFollowTheCalculation) {
    const QString total = "Total Cost                : £1,179.53";
    const QString predicted = "Total Cost                :   £952.50";
    const struct {
        std::function<void(ReportInput&)> change;
        const char* pattern;
        QStringList lines;
    } rows[] = {
        {[](ReportInput& in) { in.vatRate = ""; }, "Cost -|Before",
         {"VAT Cost - Delivery       :     £4.38 at 17.5%", "VAT Cost - Delivery       :     £8.75 at 17.5%"}},
        {[](ReportInput& in) { in.deliveryChargeTotal = 0; }, "Cost -|Total Cost", {
             "VAT Cost - Oil            :     £7.15 at 5%", total,
             "VAT Cost - Oil            :    £43.75 at 5%", predicted}},
        {[](ReportInput& in) { in.secondDeliveryRestored = true, in.predictedDeliveries = 1; },
         "Total Cost", {total + " (inc Delivery Charges)", predicted + " (inc 1 Delivery Charge)"}},
        {[](ReportInput& in) { in.months = "0", in.oilValue = "abc"; }, "Predict|Empty|2120|Cost", {}},
        {[](ReportInput& in) { in.co2 = "1234567", in.days = "1000", in.massUnit = "lb", in.volumeUnit = "Gal"; },
         "Use To|CO2 Generated  |Oil Left",
         {"Use To Date (1000 Days)", "CO2 Generated             : 1234567    lb",
          "Oil Left                  :    450    gals", "CO2 Generated             :   5385    lb"}},
    };
    for (const auto& row : rows) {
        ReportInput in = Calculation();
        row.change(in);
        const QRegularExpression pattern(QString::fromUtf8(row.pattern));
        EXPECT_EQ(BuildReport(in, kUk).split("\r\n").filter(pattern), row.lines) << row.pattern;
    }
}

}  // namespace
}  // namespace tw
