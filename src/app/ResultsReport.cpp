#include "app/ResultsReport.h"

#include "app/FatalDump.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "app/TankSetup.h"
#include "logs/Report.h"

namespace tw {

namespace {

ReportInput ReportInputOf(Program& p) {
    const MainModel& m = p.main;
    const State& st = p.st;
    ReportInput in;
    in.stamp = NowStamp(p);
    in.notes = m.text(Ctl::Notes);
    in.tankLineA = TankLineOf(p, false);
    in.tankLineB = TankLineOf(p, true);
    in.volumeUnit = st.VolumeUnit;
    in.massUnit = st.MassUnit;
    in.taxWord = st.TaxWord;
    in.days = m.text(Ctl::TDays);
    in.date1 = m.text(Ctl::Date1);
    in.date2 = m.text(Ctl::Date2);
    in.co2 = m.text(Ctl::TCO2);
    in.co2PerDay = m.text(Ctl::DCO2);
    in.oilUsed = m.text(Ctl::TankT);
    in.oilLeft = m.text(Ctl::OLeft);
    in.oilPerDay = m.text(Ctl::VDay);
    in.costPerDay = m.text(Ctl::DCost);
    in.period = {m.text(Ctl::TCost), m.text(Ctl::VCost), m.text(Ctl::TVCost), st.OilVat,
                 st.DeliveryVat};
    in.months = m.text(Ctl::Predict);
    in.predictedDays = m.text(Ctl::TDaysP);
    in.emptyDate = m.text(Ctl::FillDate);
    in.predictedCo2 = m.text(Ctl::TCO2P);
    in.predictedOilUsed = m.text(Ctl::TankTP);
    in.predicted = {m.text(Ctl::TCostP), m.text(Ctl::VCostP), m.text(Ctl::TVCostP),
                    st.PredictedOilVat, st.PredictedDeliveryVat};
    in.vatRate = m.text(Ctl::VRate);
    in.deliveryVatRate = m.text(Ctl::DVRate);
    in.oilValue = st.OilValue;
    in.deliveryChargeTotal = st.DeliveryChargeTotal;
    in.secondDeliveryRestored = !st.RetrievedDelivery2.isEmpty();
    in.predictedDeliveries = st.PredictedDeliveries;
    return in;
}

}  // namespace

void BuildReport(Program& p) {
    Trapped(p, "Generate Log 1 Error", [&] {
        p.step(241);
        const ReportInput in = ReportInputOf(p);
        // The prediction section's step; the report itself is composed at once.
        p.step(242);
        p.st.ReportText = BuildReport(in, p.desktop.locale());
    });
}

}  // namespace tw
