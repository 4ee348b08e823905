#pragma once
#include <QString>
#include <optional>

namespace tw {

// Pricing of the oil, first in, first out: the oil used comes first from what was in
// the tanks at reading 1 (valued at S), then from delivery 1, then from delivery 2.
// All amounts are before tax unless named otherwise. Each figure that the window
// shows is rounded as its field text would be, because later figures are worked out
// from the field texts just written.

// What the cost steps read from the window and from the volumes of the period.
struct CostInput {
    double P1 = 0, P2 = 0;  // oil price per litre (or gallon) of delivery 1 and 2
    double L1 = 0, L2 = 0;  // amount delivered
    double C1 = 0, C2 = 0;  // delivery charge
    double R = 0, RD = 0;   // tax rate on oil and on delivery charges, percent
    double S = 0;           // value of the oil in the tanks at reading 1 (OilValue)
    float V1 = 0, V2 = 0;   // oil in both tanks at readings 1 and 2
    double U = 0;           // oil used in the period (TankT)
    double read1 = 0, read2 = 0;  // Tank A readings 1 and 2
    bool date1IsDate = false;
};

// The costs of the measured period.
struct PeriodCosts {
    double deliveryChargeTotal = 0;
    double usedOilCost = 0;
    double tCost = 0;  // before tax, charges included; 0 when the period cannot be priced
    QString status;    // "Costs Not Calculated", "First Use Calculated" or empty
    double delivery1Cost = 0, delivery2Cost = 0;  // oil and charge, tax included
    double remainingOilValue = 0;                 // the oil left at reading 2
    std::optional<double> oilVat, deliveryVat;
    double vCost = 0;              // total tax
    std::optional<double> tvCost;  // total with tax; none unless tCost is above 0
};

// Money is kept to the cent: every amount the logs keep or a window shows is
// rounded once, here, so a figure read back from the logs is the one worked out.
double Cents(double amount);

// The taxes and totals of a period from the cost of the oil used and the delivery
// charges, both before tax. Every view of a period (the calculation, its report,
// the History table) prices it through this one step.
struct CostSummary {
    double usedOilCost = 0, charges = 0;
    double tCost = 0;  // before tax, charges included
    std::optional<double> oilVat, deliveryVat;
    double vCost = 0;              // total tax
    std::optional<double> tvCost;  // total with tax; none unless tCost is above 0
};
CostSummary SummariseCosts(double usedOilCost, double charges, double R, double RD);

// The cost of the oil used when the value of the oil before and after the period
// and what was bought in it are known: first in, first out leaves exactly this.
double UsedOilCostFromValues(double opening, double bought, double closing);

// The value of the oil in both tanks at reading 1 bought at the given price, when no
// value was carried from the last saved calculation.
double OpeningOilValue(float oilAtReading1, double price);

// The period can be priced only when the oil at reading 1 has a value (or Tank A
// read nothing at one end) and some oil was used.
bool CostsCannotBePriced(const CostInput& in);

// The cost of the oil used, first in, first out. A delivery of no amount adds
// nothing (only reachable with the cross-field checks switched off).
double UsedOilCost(const CostInput& in);

PeriodCosts PricePeriod(const CostInput& in);

// The figures of the prediction period the costs are scaled to.
struct PredictionFigures {
    double tankTP = 0;    // oil used in the prediction period
    double tDays = 0;     // days of the measured period, above 0
    double tDaysP = 0;    // days of the prediction period
    bool runsOut = false; // the tanks run dry more than a day before the period ends
};

struct PredictedCosts {
    double tCostP = 0, vCostP = 0, tvCostP = 0;
    std::optional<double> predictedOilVat, predictedDeliveryVat;
    double predictedDeliveries = 0;
};

// Deliveries still to be bought for a shortfall, delivery size L: the whole part of
// shortfall ÷ L + 1.99, so a part delivery counts as two. None for a size of 0.
double PredictedDeliveryCount(double shortfall, double size);

PredictedCosts PricePrediction(const CostInput& in, const PeriodCosts& period,
                               const PredictionFigures& figures);

}  // namespace tw
