#include "logs/Report.h"

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
    QString line(const QString& start) {
        for (const QString& l : report())
            if (l.startsWith(start)) return l;
        return "(none)";
    }
};

TEST_F(ReportTest, FullReportLineForLine) {
    const QStringList expected{
        "01/06/2020 12:00:00",
        "Winter",
        "Tank A: 1200litres Cylindrical (H), Depth: 120cm Offset: 2.0cm (Depth)",
        "Tank B: Not Set",
        "",
        "Use To Date ( 45 Days)",
        "----------------------",
        "From                      : 01/01/2013",
        "To                        : 15/02/2013",
        "CO2 Generated             :   1168    Kgm",
        "CO2 Generated Per Day     :     26.0  Kgm",
        "Total Oil Used            :    460    litres",
        "Oil Left                  :    450    litres",
        "Oil Used Per day          :     10.2  litres",
        "Cost Before VAT           :   £168.00 (inc Delivery Charge)",
        "VAT Cost - Oil            :     £7.15 at 5%",
        "VAT Cost - Delivery       :     £4.38 at 17.5%",
        "VAT Cost - Total          :    £11.53",
        "Total Cost                :   £179.53 (inc Delivery Charge)",
        "Cost Per Day              :     £3.99 (inc VAT)",
        "",
        "Prediction Over  7 Month(s) (212 Days)",
        "--------------------------------------",
        "From                      : 01/01/2013",
        "Date Tank(s) Empty        : 30-Mar-2013",
        "CO2 Generated             :   5385    Kgm",
        "Total Oil Used            :   2120    litres",
        "Cost Before VAT           :   £900.00 (inc 2 Delivery Charges)",
        "VAT Cost - Oil            :    £43.75 at 5%",
        "VAT Cost - Delivery       :     £8.75 at 17.5%",
        "VAT Cost - Total          :    £52.50",
        "Total Cost                :   £952.50 (inc 2 Delivery Charges)",
        "----------------------------------------------------------",
        "",
        ""};
    EXPECT_EQ(report(), expected);
}

TEST_F(ReportTest, WithoutAnOilValueThereIsNoCostLineAtAll) {
    for (const QString value : {"", "0", "abc"}) {
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

TEST_F(ReportTest, WithoutDeliveryChargesNoChargePhraseOrDeliveryTax) {
    p.st.DeliveryChargeTotal = 0;
    const QStringList lines = report();
    EXPECT_TRUE(lines.contains("Cost Before VAT           :   £168.00"));
    EXPECT_TRUE(lines.contains("Total Cost                :   £952.50"));
    for (const QString& l : lines) {
        EXPECT_FALSE(l.contains("Cost - Delivery"));
        EXPECT_FALSE(l.contains("Cost - Total"));
    }
}

TEST_F(ReportTest, WithoutPredictionTheClosingDashesFollowThePeriod) {
    type(Ctl::Predict, "0");
    const QStringList lines = report();
    EXPECT_EQ(lines.mid(lines.size() - 4),
              (QStringList{"Cost Per Day              :     £3.99 (inc VAT)",
                           QString(58, '-'), "", ""}));
}

struct PhraseRow {
    const char* name;
    const char* retrieved2;
    double predictedDeliveries;
    const char* periodLine;
    const char* predictedLine;
};
void PrintTo(const PhraseRow& row, std::ostream* os) { *os << row.name; }

class ChargePhrases : public ReportTest, public testing::WithParamInterface<PhraseRow> {};

TEST_P(ChargePhrases, FollowTheDeliveries) {
    p.st.RetrievedDelivery2 = GetParam().retrieved2;
    p.st.PredictedDeliveries = GetParam().predictedDeliveries;
    const QStringList lines = report();
    EXPECT_TRUE(lines.contains(GetParam().periodLine));
    EXPECT_TRUE(lines.contains(GetParam().predictedLine));
}

INSTANTIATE_TEST_SUITE_P(
    Deliveries, ChargePhrases,
    testing::Values(
        PhraseRow{"restoredSecondDelivery", "x", 2,
                  "Total Cost                :   £179.53 (inc Delivery Charges)",
                  "Total Cost                :   £952.50 (inc 2 Delivery Charges)"},
        PhraseRow{"onePredictedDelivery", "", 1,
                  "Total Cost                :   £179.53 (inc Delivery Charge)",
                  "Total Cost                :   £952.50 (inc 1 Delivery Charge)"},
        PhraseRow{"noPredictedDelivery", "", 0,
                  "Total Cost                :   £179.53 (inc Delivery Charge)",
                  "Total Cost                :   £952.50"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportTest, OverlongValuesKeepTheirRightmostCharacters) {
    type(Ctl::TCO2, "1234567");
    type(Ctl::TDays, "1000");
    EXPECT_EQ(line("CO2 Generated   "), "CO2 Generated             : 234567    Kgm");
    EXPECT_EQ(line("Use To"), "Use To Date (000 Days)");
}

TEST_F(ReportTest, SecondTankWithCapacityButNoDepth) {
    type(Ctl::TankBCap, "600");
    p.main.setIndex(Ctl::TankBS, 2);
    EXPECT_EQ(line("Tank B"), "Tank B: 600litres Rectangular, Depth: Not Set");
}

TEST_F(ReportTest, VolumeReadingsAndOtherUnitsChangeTheWords) {
    tick(Ctl::TankAU, true);
    p.st.DepthUnit = "inches";
    p.st.VolumeUnit = "Gal";
    p.st.MassUnit = "lb";
    EXPECT_EQ(line("Tank A"),
              "Tank A: 1200gals Cylindrical (H), Depth: 120inches Offset: 2.0inches (Volume)");
    EXPECT_EQ(line("CO2 Generated Per"), "CO2 Generated Per Day     :     26.0  lb");
    EXPECT_EQ(line("Oil Left"), "Oil Left                  :    450    gals");
}

TEST_F(ReportTest, OtherCurrenciesSayTax) {
    p.st.TaxWord = "Tax";
    EXPECT_EQ(line("Tax Cost - Oil"), "Tax Cost - Oil            :     £7.15 at 5%");
    EXPECT_EQ(line("Cost Before"), "Cost Before Tax           :   £168.00 (inc Delivery Charge)");
    EXPECT_EQ(line("Cost Per Day"), "Cost Per Day              :     £3.99 (inc Tax)");
}

TEST_F(ReportTest, FailureWhileComposingEndsInTheFatalDump) {
    p.failAtStep(242);
    EXPECT_THROW(BuildReport(p), ProgramEnded);
    EXPECT_TRUE(desktop.messages.back().text.startsWith(
        "Error Number 242\r\nA Fatal Generate Log 1 Error Has Occurred"));
}

}  // namespace
}  // namespace tw
