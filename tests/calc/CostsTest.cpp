// Costs first in, first out with tax, and the prediction period they are scaled to.
#include <gtest/gtest.h>

#include "calc/Costs.h"
#include "calc/Prediction.h"

using namespace tw;

TEST(Costs, OilUsedFirstInFirstOut) {
    // Opening oil S worth, V1 litres; deliveries L at P; U used; both tax rates 5%.
    struct Row { const char* name; double S, V1, L1, P1, L2, P2, U; bool date1; double used, remaining, tCost, vat; const char* status; };
    const char* const no = "Costs Not Calculated";
    const Row rows[] = {
        {"partOfOpening", 100, 500, 0, 0, 0, 0, 300, true, 60, 40, 60, 3, ""}, {"allOfOpening", 100, 500, 0, 0, 0, 0, 500, true, 100, 0, 100, 5, ""},
        {"intoDelivery1", 100, 500, 1000, 0.5, 0, 0, 700, true, 200, 400, 200, 10, ""},
        {"allOfDelivery1", 100, 500, 1000, 0.5, 0, 0, 1500, true, 600, 0, 600, 30, ""},
        {"intoDelivery2", 100, 500, 1000, 0.5, 500, 0.6, 1750, true, 750, 150, 750, 37.5, ""},
        {"noFirstDate", 100, 500, 1000, 0.5, 500, 0.6, 1750, false, 650, 250, 650, 32.5, ""},
        {"delivery2OfNothing", 100, 500, 1000, 0.5, 0, 0.6, 1600, true, 600, 0, 600, 30, ""},
        {"fourDecimalPrice", 0, 0, 1000, 0.4523, 0, 0, 1000, true, 452.3, 0, 452.3, 22.62, ""},
        // Money to the cent: 333 l of 0.3333 cost £110.99, its tax £5.55.
        {"centsOnce", 0, 0, 333, 0.3333, 0, 0, 333, true, 110.9889, 0, 110.99, 5.55, ""},
        {"nothingUsed", 100, 500, 0, 0, 0, 0, 0, true, 0, 100, 0, 0, no}, {"openingWithoutValue", 0, 500, 0, 0, 0, 0, 300, true, 0, 0, 0, 0, no},
        {"leftNeverBelowNothing", 0, 500, 1000, 0.5, 0, 0, 700, true, 100, 0, 0, 0, no},
        {"firstUse", 0, 0, 1000, 0.5, 0, 0, 0, true, 0, 500, 0, 0, "First Use Calculated"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CostInput in;
        in.S = r.S, in.V1 = float(r.V1), in.L1 = r.L1, in.P1 = r.P1, in.L2 = r.L2, in.P2 = r.P2;
        in.U = r.U, in.date1IsDate = r.date1, in.R = 5, in.RD = 5, in.read1 = r.V1 > 0 ? 60 : 0, in.read2 = 30;
        EXPECT_NEAR(UsedOilCost(in), r.used, 1e-9);
        const PeriodCosts c = PricePeriod(in);
        EXPECT_DOUBLE_EQ(c.remainingOilValue, r.remaining);
        EXPECT_EQ(c.status, r.status);
        EXPECT_DOUBLE_EQ(c.tCost, r.tCost);
        EXPECT_DOUBLE_EQ(c.vCost, r.vat);
        EXPECT_EQ(c.tvCost.has_value(), r.tCost > 0);
        EXPECT_DOUBLE_EQ(c.tvCost.value_or(0), r.tCost > 0 ? r.tCost + r.vat : 0);
    }
    // Each delivery's cost with its own tax: oil at 5%, the charge at 20%.
    CostInput both;
    both.L1 = 1000, both.P1 = 0.5, both.C1 = 20, both.L2 = 500, both.P2 = 0.6, both.C2 = 30, both.R = 5, both.RD = 20;
    const PeriodCosts d = PricePeriod(both);
    EXPECT_EQ(QList<double>({d.delivery1Cost, d.delivery2Cost}), QList<double>({549, 351}));
    // A price for the opening oil: the volume as worked out (761.2, not 761.2000122) times it.
    EXPECT_DOUBLE_EQ(OpeningOilValue(761.2f, 0.45), 342.54);
}

TEST(Costs, PredictionScaledOrBoughtForTheShortfall) {
    // 600 worth 300, a delivery of 500 at 0.50 (charge 25), 1000 used, 100 left.
    CostInput run;
    run.S = 300, run.V1 = 600, run.V2 = 100, run.L1 = 500, run.P1 = 0.5, run.C1 = 25;
    run.U = 1000, run.R = 5, run.RD = 5, run.read1 = 100, run.read2 = 20, run.date1IsDate = true;
    struct Row { const char* name; double L1, L2, P2, C2; bool runsOut; double tCostP, vCostP, deliveries; };
    const Row rows[] = {
        // 510 used and 60 in hand; 3425 short at 0.60 in deliveries of 200 (17.1 + 1.99);
        // the tax is 5% of the oil and of 19 charges of 30.
        {"secondDeliveryPriced", 300, 200, 0.6, 30, true, 3195, 159.75, 19}, {"pricedDeliveryOfNothing", 500, 0, 0.6, 0, true, 2605, 130.25, 0},
        // Oil cost of 500 scaled by 181 / 40 days, the charge of 25 counted once.
        {"noRunOutScaled", 500, 0, 0, 0, false, 2287.5, 114.375, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CostInput in = run;
        in.L1 = r.L1, in.L2 = r.L2, in.P2 = r.P2, in.C2 = r.C2;
        const PredictedCosts p = PricePrediction(in, PricePeriod(in), {4525, 40, 181, r.runsOut});
        EXPECT_DOUBLE_EQ(p.tCostP, r.tCostP);
        EXPECT_DOUBLE_EQ(p.vCostP, r.vCostP);
        EXPECT_DOUBLE_EQ(p.tvCostP, r.tCostP + r.vCostP);
        EXPECT_DOUBLE_EQ(p.predictedDeliveries, r.deliveries);
    }
    EXPECT_EQ(QList<double>({PredictedDeliveryCount(500, 1000), PredictedDeliveryCount(1000, 1000),
                             PredictedDeliveryCount(1100, 1000), PredictedDeliveryCount(1100, 0)}),
              QList<double>({2, 2, 3, 0}));
}

TEST(Prediction, PeriodUseAndRunOut) {
    // 4525.0 exactly: halves go up.
    EXPECT_EQ(QList<double>({PredictedUse(1000, 40, 181), PredictedUse(1000, 41, 181), PredictedUse(1000, 0, 181)}),
              QList<double>({4525, 4415, 0}));
    struct Row { QDate start; int months; QDate end; qint64 days; };
    const Row rows[] = {{{2009, 8, 31}, 6, {2010, 2, 28}, 181}, {{2011, 8, 31}, 6, {2012, 2, 29}, 182},
                        {{2010, 3, 1}, 12, {2011, 3, 1}, 365}, {{2010, 11, 15}, 2, {2011, 1, 15}, 61}};
    for (const Row& r : rows) {
        EXPECT_EQ(PredictionEnd(r.start, r.months), r.end);
        EXPECT_EQ(PredictionDays(r.start, r.months), r.days);
    }
    // Whole days until empty; a use that shows as zero has no run-out date.
    EXPECT_EQ(QList<qint64>({DaysUntilEmpty(100, 25.0).value_or(-1), DaysUntilEmpty(99, 25.0).value_or(-1),
                             DaysUntilEmpty(500, 0.0).value_or(-1), DaysUntilEmpty(500, -1.0).value_or(-1)}),
              QList<qint64>({4, 3, -1, -1}));
    // Only a run-out more than a day before the period's end counts.
    const QDate end(2010, 2, 28);
    EXPECT_EQ(QList<bool>({RunsOutBeforeEnd(QDate(2010, 2, 26), end), RunsOutBeforeEnd(QDate(2010, 2, 27), end),
                           RunsOutBeforeEnd(std::nullopt, end)}), QList<bool>({true, false, false}));
}
