#include "calc/Costs.h"

#include <algorithm>

#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"

#include <cmath>

namespace tw {

namespace {

// A figure as it reads back from the plain number text written for it.
double Written(double value) { return NumberValue(GeneralNumber(value)); }

// The charge that buys one more delivery: the latest delivery that had one.
double LatestCharge(const CostInput& in) { return in.C2 > 0 ? in.C2 : in.C1; }

}  // namespace

double Cents(double amount) {
    const double cents = std::round(amount * 100) / 100;
    return cents == 0 ? 0 : cents;  // never "-0.00"
}

CostSummary SummariseCosts(double usedOilCost, double charges, double R, double RD) {
    CostSummary c;
    c.usedOilCost = Cents(usedOilCost);
    c.charges = Cents(charges);
    c.tCost = Cents(c.usedOilCost + c.charges);
    if (R != 0 && c.tCost > 0) c.oilVat = Cents(c.usedOilCost * (R / 100));
    if (RD != 0 && c.tCost > 0) c.deliveryVat = Cents(c.charges * (RD / 100));
    c.vCost = Cents(c.oilVat.value_or(0) + c.deliveryVat.value_or(0));
    if (c.tCost > 0) c.tvCost = Cents(c.tCost + c.vCost);
    return c;
}

double UsedOilCostFromValues(double opening, double bought, double closing) {
    return Cents(Cents(opening + bought) - closing);
}

double OpeningOilValue(float oilAtReading1, double price) {
    return Cents(FloatDecimal(oilAtReading1) * price);
}

bool CostsCannotBePriced(const CostInput& in) {
    return (in.read2 != 0 && in.read1 != 0 && in.S == 0) || in.U == 0;
}

double UsedOilCost(const CostInput& in) {
    const double oil1 = in.P1 * in.L1;
    const double oil2 = in.P2 * in.L2;
    if (float(in.U) < in.V1) {
        // All of it was in the tanks at reading 1.
        if (in.U == 0 || !(in.V1 > 0)) return 0;
        return in.S * (in.U / double(in.V1));
    }
    const double beyondOpening = in.U - double(in.V1);
    if (in.L1 >= beyondOpening) {
        // The rest came out of delivery 1.
        if (beyondOpening <= 0) return in.S;
        return in.S + oil1 * (beyondOpening / in.L1);
    }
    // Into delivery 2. Without a first reading date the opening oil has no value.
    const double opening = in.date1IsDate ? in.S : 0;
    const double fromDelivery2 = in.L2 > 0 ? oil2 * ((beyondOpening - in.L1) / in.L2) : 0;
    return opening + oil1 + fromDelivery2;
}

PeriodCosts PricePeriod(const CostInput& in) {
    PeriodCosts c;
    c.deliveryChargeTotal = in.C1 + in.C2;
    const double oil1 = in.P1 * in.L1;
    const double oil2 = in.P2 * in.L2;

    // All the oil available in the period; unknown when reading 1 found oil of no value.
    double remaining = Cents(in.S + oil1 + oil2);
    if (in.read1 != 0 && in.S == 0) remaining = 0;

    c.usedOilCost = Cents(UsedOilCost(in));
    // Oil is never worth less than nothing: when the opening oil had no value the
    // deliveries' cost would otherwise be taken from a zero and go negative.
    c.remainingOilValue = std::max(0.0, Cents(remaining - c.usedOilCost));
    CostSummary summary = SummariseCosts(c.usedOilCost, in.C1 + in.C2, in.R, in.RD);
    if (CostsCannotBePriced(in)) {
        summary = SummariseCosts(c.usedOilCost, in.C1 + in.C2, 0, 0);
        summary.tCost = 0;
        summary.tvCost.reset();
        c.status = QString::fromUtf8(QT_TRANSLATE_NOOP("MainWindow", "Costs Not Calculated"));
        if (in.read2 != 0 && in.read1 == 0 && in.U == 0)
            c.status = QString::fromUtf8(QT_TRANSLATE_NOOP("MainWindow", "First Use Calculated"));
    }

    c.tCost = summary.tCost;
    c.oilVat = summary.oilVat;
    c.deliveryVat = summary.deliveryVat;
    c.vCost = summary.vCost;
    c.tvCost = summary.tvCost;
    c.delivery1Cost = Cents(oil1 * (in.R / 100 + 1) + (in.RD / 100 + 1) * in.C1);
    c.delivery2Cost = Cents(oil2 * (in.R / 100 + 1) + (in.RD / 100 + 1) * in.C2);
    return c;
}

double PredictedDeliveryCount(double shortfall, double size) {
    if (!(size > 0)) return 0;
    return std::floor(shortfall / size + 1.99);
}

PredictedCosts PricePrediction(const CostInput& in, const PeriodCosts& period,
                               const PredictionFigures& f) {
    PredictedCosts p;
    const double charges = in.C1 + in.C2;
    if (f.runsOut && in.P1 + in.P2 != 0) {
        // More oil must be bought before the period ends, at the latest price and in
        // deliveries the size of the latest priced one.
        const double shortfall = double(float(f.tankTP - in.U - double(in.V2)));
        double tCostP = Written(period.tCost - charges + period.remainingOilValue);
        const bool secondPriced = in.P2 > 0;
        tCostP = Written(tCostP + shortfall * (secondPriced ? in.P2 : in.P1));
        p.predictedDeliveries = PredictedDeliveryCount(shortfall, secondPriced ? in.L2 : in.L1);
        if (in.R != 0) p.predictedOilVat = Written(tCostP * (in.R / 100));
        if (period.deliveryChargeTotal > 0) {
            tCostP = Written(tCostP + LatestCharge(in) * p.predictedDeliveries);
            if (in.RD != 0)
                p.predictedDeliveryVat =
                    Written(LatestCharge(in) * p.predictedDeliveries * (in.RD / 100));
        }
        p.tCostP = tCostP;
    } else {
        // The oil cost per day of the measured period, over the prediction period; the
        // charges of the measured period counted once.
        double tCostP = f.tDays > 0 ? Written((period.tCost - charges) * f.tDaysP / f.tDays) : 0;
        if (in.R != 0) p.predictedOilVat = Written(tCostP * (in.R / 100));
        if (in.RD != 0 && period.deliveryChargeTotal > 0)
            p.predictedDeliveryVat = Written(period.deliveryChargeTotal * (in.RD / 100));
        p.tCostP = Written(tCostP + in.C1 + in.C2);
    }
    p.vCostP = Written(p.predictedOilVat.value_or(0) + p.predictedDeliveryVat.value_or(0));

    if (CostsCannotBePriced(in)) {
        // Nothing priced in the period, nothing to scale: no predicted cost or tax.
        p.tCostP = 0;
        p.vCostP = 0;
        p.predictedOilVat.reset();
        p.predictedDeliveryVat.reset();
        p.predictedDeliveries = 0;
    }
    p.tvCostP = Written(p.tCostP + p.vCostP);
    return p;
}

}  // namespace tw
