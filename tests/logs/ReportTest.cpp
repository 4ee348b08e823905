#include "logs/Report.h"

#include <functional>

#include "LogTestSupport.h"

namespace tw {
namespace {

// The window as a calculation with costs, delivery charges and a prediction
// leaves it.
class ReportTest : public StartedLogs {
protected:
    void SetUp() override {
        StartedLogs::SetUp();
        type(Ctl::TankACap, "1200");
        type(Ctl::TankAD, "120");
        p.main.setIndex(Ctl::TankAS, 0);
        type(Ctl::TankOffA, "2");
        tick(Ctl::TankAU, false);
        type(Ctl::TankBCap, "");
        type(Ctl::TankBD, "");
        p.st.DepthUnit = "cm";
        p.st.VolumeUnit = "Litre";
        p.st.MassUnit = "Kgm";
        p.st.TaxWord = "VAT";
        type(Ctl::Notes, "Winter");
        type(Ctl::TDays, "45");
        type(Ctl::Date1, "01/01/2013");
        type(Ctl::Date2, "15/02/2013");
        type(Ctl::TCO2, "1168");
        type(Ctl::DCO2, "26.0");
        type(Ctl::TankT, "460");
        type(Ctl::OLeft, "450");
        type(Ctl::VDay, "10.2");
        type(Ctl::VRate, "5");
        type(Ctl::DVRate, "17.5");
        type(Ctl::TCost, "£168.00");
        type(Ctl::VCost, "£11.53");
        type(Ctl::TVCost, "£179.53");
        type(Ctl::DCost, "£3.99");
        type(Ctl::Predict, "7");
        type(Ctl::TDaysP, "212");
        type(Ctl::FillDate, "30-Mar-2013");
        type(Ctl::TCO2P, "5385");
        type(Ctl::TankTP, "2120");
        type(Ctl::TCostP, "£900.00");
        type(Ctl::VCostP, "£52.50");
        type(Ctl::TVCostP, "£952.50");
        p.st.OilValue = "123";
        p.st.DeliveryChargeTotal = 25;
        p.st.OilVat = "7.15";
        p.st.DeliveryVat = "4.375";
        p.st.PredictedDeliveries = 2;
        p.st.PredictedOilVat = "43.75";
        p.st.PredictedDeliveryVat = "8.75";
        p.st.RetrievedDelivery2.clear();
    }

    QStringList report() {
        BuildReport(p);
        EXPECT_TRUE(p.st.ReportText.endsWith("\r\n\r\n"));
        return p.st.ReportText.split("\r\n");
    }
};

// The cost lines of a period with delivery charges and tax on both, and of its
// prediction (the rest of the report is the same with or without costs).
TEST_F(ReportTest, CostLinesWithChargesAndTaxOnBoth) {
    const QStringList lines = report();
    const qsizetype period = lines.indexOf("Oil Used Per day          :     10.2  litres") + 1;
    EXPECT_EQ(lines.mid(period, 7),
              (QStringList{"Cost Before VAT           :   £168.00 (inc Delivery Charge)",
                           "VAT Cost - Oil            :     £7.15 at 5%",
                           "VAT Cost - Delivery       :     £4.38 at 17.5%",
                           "VAT Cost - Total          :    £11.53",
                           "Total Cost                :   £179.53 (inc Delivery Charge)",
                           "Cost Per Day              :     £3.99 (inc VAT)", ""}));
    const qsizetype predicted = lines.indexOf("Total Oil Used            :   2120    litres") + 1;
    EXPECT_EQ(lines.mid(predicted, 6),
              (QStringList{"Cost Before VAT           :   £900.00 (inc 2 Delivery Charges)",
                           "VAT Cost - Oil            :    £43.75 at 5%",
                           "VAT Cost - Delivery       :     £8.75 at 17.5%",
                           "VAT Cost - Total          :    £52.50",
                           "Total Cost                :   £952.50 (inc 2 Delivery Charges)",
                           QString(58, '-')}));
    EXPECT_TRUE(lines.contains("Prediction Over  7 Month(s) (212 Days)"));
}

TEST_F(ReportTest, WithoutAnOilValueThereIsNoCostLineAtAll) {
    for (const QString value : {"0", "abc"}) {
        p.st.OilValue = value;
        const QStringList lines = report();
        for (const QString& l : lines) EXPECT_FALSE(l.contains("Cost")) << l.toStdString();
        EXPECT_EQ(lines.at(lines.indexOf("Oil Used Per day          :     10.2  litres") + 1), "");
    }
}

TEST_F(ReportTest, WithoutOilTaxOnlyTotalsAndDeliveryTaxRemain) {
    type(Ctl::VRate, "");
    QStringList costs;
    for (const QString& l : report())
        if (l.contains("Cost")) costs << l;
    EXPECT_EQ(costs, (QStringList{
                         "VAT Cost - Delivery       :     £4.38 at 17.5%",
                         "Total Cost                :   £179.53 (inc Delivery Charge)",
                         "Cost Per Day              :     £3.99 (inc VAT)",
                         "VAT Cost - Delivery       :     £8.75 at 17.5%",
                         "Total Cost                :   £952.50 (inc 2 Delivery Charges)"}));
}

TEST_F(ReportTest, WithoutPredictionTheClosingDashesFollowThePeriod) {
    type(Ctl::Predict, "0");
    const QStringList lines = report();
    EXPECT_EQ(lines.mid(lines.size() - 4),
              (QStringList{"Cost Per Day              :     £3.99 (inc VAT)",
                           QString(58, '-'), "", ""}));
}

// One change to the window and the report lines it must bring.
struct WordingRow {
    const char* name;
    std::function<void(Program&)> change;
    QStringList lines;
};
void PrintTo(const WordingRow& row, std::ostream* os) { *os << row.name; }

class ReportWording : public ReportTest, public testing::WithParamInterface<WordingRow> {};

TEST_P(ReportWording, FollowsTheWindow) {
    GetParam().change(p);
    const QStringList lines = report();
    for (const QString& expected : GetParam().lines)
        EXPECT_TRUE(lines.contains(expected)) << expected.toStdString() << " in "
                                              << testing::PrintToString(lines);
}

const QString kPeriodTotal = "Total Cost                :   £179.53";
const QString kPredictedTotal = "Total Cost                :   £952.50";

INSTANTIATE_TEST_SUITE_P(
    Report, ReportWording,
    testing::Values(
        // The charge phrases follow the deliveries of the period and of the prediction.
        WordingRow{"restoredSecondDelivery",
                   [](Program& p) { p.st.RetrievedDelivery2 = "x"; },
                   {kPeriodTotal + " (inc Delivery Charges)",
                    kPredictedTotal + " (inc 2 Delivery Charges)"}},
        WordingRow{"onePredictedDelivery",
                   [](Program& p) { p.st.PredictedDeliveries = 1; },
                   {kPeriodTotal + " (inc Delivery Charge)",
                    kPredictedTotal + " (inc 1 Delivery Charge)"}},
        WordingRow{"noPredictedDelivery",
                   [](Program& p) { p.st.PredictedDeliveries = 0; },
                   {kPredictedTotal}},
        WordingRow{"overlongValuesKeepTheirRightmostCharacters",
                   [](Program& p) {
                       p.main.setText(Ctl::TCO2, "1234567");
                       p.main.setText(Ctl::TDays, "1000");
                   },
                   {"CO2 Generated             : 234567    Kgm", "Use To Date (000 Days)"}},
        WordingRow{"secondTankWithCapacityButNoDepth",
                   [](Program& p) {
                       p.main.setText(Ctl::TankBCap, "600");
                       p.main.setIndex(Ctl::TankBS, 2);
                   },
                   {"Tank B: 600litres Rectangular, Depth: Not Set"}},
        WordingRow{"volumeReadingsAndOtherUnits",
                   [](Program& p) {
                       p.main.setChecked(Ctl::TankAU, true);
                       p.st.DepthUnit = "inches";
                       p.st.VolumeUnit = "Gal";
                       p.st.MassUnit = "lb";
                   },
                   {"Tank A: 1200gals Cylindrical (H), Depth: 120inches Offset: 2.0inches "
                    "(Volume)",
                    "CO2 Generated Per Day     :     26.0  lb",
                    "Oil Left                  :    450    gals"}},
        WordingRow{"otherCurrenciesSayTax",
                   [](Program& p) { p.st.TaxWord = "Tax"; },
                   {"Tax Cost - Oil            :     £7.15 at 5%",
                    "Cost Before Tax           :   £168.00 (inc Delivery Charge)",
                    "Cost Per Day              :     £3.99 (inc Tax)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportTest, FailureWhileComposingEndsInTheFatalDump) {
    p.failAtStep(242);
    EXPECT_THROW(BuildReport(p), ProgramEnded);
    EXPECT_TRUE(desktop.messages.back().text.startsWith(
        "Error Number 242\r\nA Fatal Generate Log 1 Error Has Occurred"));
}

}  // namespace
}  // namespace tw
