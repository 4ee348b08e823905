#include <gtest/gtest.h>

#include "calc/Costs.h"

namespace tw {
namespace {

// Opening oil of 500 litres worth 100, both Tank A readings set.
CostInput Opening() {
    CostInput in;
    in.S = 100;
    in.V1 = 500;
    in.read1 = 60;
    in.read2 = 30;
    in.date1IsDate = true;
    return in;
}

// One priced period: the opening oil (S worth, V1 litres, reading 1 of Tank A) and
// the deliveries, U litres used; Tank A's reading 2 is set and both tax rates are 5%.
struct PeriodRow {
    const char* name;
    double S, V1, read1, L1, P1, L2, P2, U;
    bool date1IsDate;
    double used, remaining;
    const char* status;
};

class PricedPeriod : public testing::TestWithParam<PeriodRow> {};

TEST_P(PricedPeriod, UsesTheOilFirstInFirstOut) {
    const PeriodRow& r = GetParam();
    CostInput in;
    in.S = r.S;
    in.V1 = float(r.V1);
    in.read1 = r.read1;
    in.read2 = 30;
    in.L1 = r.L1;
    in.P1 = r.P1;
    in.L2 = r.L2;
    in.P2 = r.P2;
    in.U = r.U;
    in.date1IsDate = r.date1IsDate;
    in.R = 5;
    in.RD = 5;
    EXPECT_DOUBLE_EQ(UsedOilCost(in), r.used);
    const PeriodCosts c = PricePeriod(in);
    EXPECT_DOUBLE_EQ(c.remainingOilValue, r.remaining);
    EXPECT_EQ(c.status.toStdString(), r.status);
    if (*r.status) {
        // Nothing is priced: no cost, no tax, no total.
        EXPECT_DOUBLE_EQ(c.tCost, 0);
        EXPECT_DOUBLE_EQ(c.vCost, 0);
        EXPECT_FALSE(c.oilVat);
        EXPECT_FALSE(c.deliveryVat);
        EXPECT_FALSE(c.tvCost);
    }
}

const char* const kNotPriced = "Costs Not Calculated";

INSTANTIATE_TEST_SUITE_P(
    Costs, PricedPeriod,
    testing::Values(
        PeriodRow{"partOfTheOpeningOil", 100, 500, 60, 0, 0, 0, 0, 300, true, 60, 40, ""},
        PeriodRow{"exactlyTheOpeningOil", 100, 500, 60, 0, 0, 0, 0, 500, true, 100, 0, ""},
        PeriodRow{"intoDelivery1", 100, 500, 60, 1000, 0.5, 0, 0, 700, true, 200, 400, ""},
        PeriodRow{"allOfDelivery1", 100, 500, 60, 1000, 0.5, 0, 0, 1500, true, 600, 0, ""},
        PeriodRow{"intoDelivery2", 100, 500, 60, 1000, 0.5, 500, 0.6, 1750, true, 750, 150, ""},
        PeriodRow{"intoDelivery2WithoutFirstDateLeavesOpeningValueOut", 100, 500, 60, 1000, 0.5,
                  500, 0.6, 1750, false, 650, 250, ""},
        PeriodRow{"delivery2OfNoAmountAddsNothing", 100, 500, 60, 1000, 0.5, 0, 0.6, 1600, true,
                  600, 0, ""},
        PeriodRow{"fourDecimalPriceUsedAsEntered", 0, 0, 0, 1000, 0.4523, 0, 0, 1000, true, 452.3,
                  0, ""},
        PeriodRow{"nothingUsed", 100, 500, 60, 0, 0, 0, 0, 0, true, 0, 100, kNotPriced},
        PeriodRow{"openingOilWithoutValue", 0, 500, 60, 0, 0, 0, 0, 300, true, 0, 0, kNotPriced},
        // Opening oil of no known value and use reaching into delivery 1: the value
        // carried to the next calculation must not go negative.
        PeriodRow{"oilLeftIsNeverWorthLessThanNothing", 0, 500, 60, 1000, 0.5, 0, 0, 700, true,
                  100, 0, kNotPriced},
        PeriodRow{"firstUseOfADeliveryIntoAnEmptyTank", 0, 0, 0, 1000, 0.5, 0, 0, 0, true, 0, 500,
                  "First Use Calculated"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PeriodCosts, OpeningOilOnlyWithOilTax) {
    CostInput in = Opening();
    in.U = 300;
    in.R = 5;
    const PeriodCosts c = PricePeriod(in);
    EXPECT_DOUBLE_EQ(c.usedOilCost, 60);
    EXPECT_DOUBLE_EQ(c.tCost, 60);
    ASSERT_TRUE(c.oilVat);
    EXPECT_DOUBLE_EQ(*c.oilVat, 3);
    EXPECT_FALSE(c.deliveryVat);
    EXPECT_DOUBLE_EQ(c.vCost, 3);
    ASSERT_TRUE(c.tvCost);
    EXPECT_DOUBLE_EQ(*c.tvCost, 63);
}

struct CountRow {
    const char* name;
    double shortfall, size, count;
};

class DeliveryCount : public testing::TestWithParam<CountRow> {};

TEST_P(DeliveryCount, CountsAPartDeliveryAsTwo) {
    EXPECT_EQ(PredictedDeliveryCount(GetParam().shortfall, GetParam().size), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    RunOut, DeliveryCount,
    testing::Values(CountRow{"halfADelivery", 500, 1000, 2}, CountRow{"oneDelivery", 1000, 1000, 2},
                    CountRow{"justOverOne", 1100, 1000, 3},
                    CountRow{"deliveryOfNoAmount", 1100, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// 600 litres worth 300, a delivery of 500 at 0.50 with a charge of 25, 1000 used,
// 100 left at reading 2: the period that CalculateTest prices through the window.
CostInput RunOutPeriod() {
    CostInput in;
    in.S = 300;
    in.V1 = 600;
    in.V2 = 100;
    in.L1 = 500;
    in.P1 = 0.5;
    in.C1 = 25;
    in.U = 1000;
    in.R = 5;
    in.RD = 5;
    in.read1 = 100;
    in.read2 = 20;
    in.date1IsDate = true;
    return in;
}

TEST(PredictedCosts, RunOutUsesTheSecondDeliveryWhenItHasAPrice) {
    CostInput in = RunOutPeriod();
    in.L1 = 300;
    in.L2 = 200;
    in.P2 = 0.6;
    in.C2 = 30;
    const PeriodCosts c = PricePeriod(in);
    const PredictedCosts p = PricePrediction(in, c, {4525, 40, 181, true});
    // 510 of oil used and 60 in hand; 3425 short at 0.60 in 17.125 deliveries of 200.
    EXPECT_DOUBLE_EQ(p.predictedDeliveries, 19);
    EXPECT_DOUBLE_EQ(p.tCostP, 3195);  // 570 + 2055 + 19 charges of 30
    EXPECT_DOUBLE_EQ(*p.predictedDeliveryVat, 28.5);
}

TEST(PredictedCosts, RunOutWithAPricedDeliveryOfNoAmountCountsNoDeliveries) {
    CostInput in = RunOutPeriod();
    in.P2 = 0.6;  // a price without an amount, only with the cross-field checks off
    const PeriodCosts c = PricePeriod(in);
    const PredictedCosts p = PricePrediction(in, c, {4525, 40, 181, true});
    EXPECT_DOUBLE_EQ(p.predictedDeliveries, 0);
    EXPECT_DOUBLE_EQ(p.tCostP, 2605);  // 500 and 50 in hand, 3425 short at 0.60
    EXPECT_DOUBLE_EQ(*p.predictedDeliveryVat, 0);
}

TEST(PredictedCosts, WithoutRunOutTheOilCostIsScaledAndChargesCountOnce) {
    CostInput in = Opening();
    in.L1 = 1000;
    in.P1 = 0.5;
    in.C1 = 25;
    in.U = 300;
    in.R = 5;
    in.RD = 5;
    const PeriodCosts c = PricePeriod(in);
    const PredictedCosts p = PricePrediction(in, c, {1358, 40, 181, false});
    EXPECT_DOUBLE_EQ(*p.predictedOilVat, 13.575);  // 60 × 181 ÷ 40 = 271.5, 5%
    EXPECT_DOUBLE_EQ(*p.predictedDeliveryVat, 1.25);
    EXPECT_DOUBLE_EQ(p.vCostP, 14.825);
    EXPECT_DOUBLE_EQ(p.tCostP, 296.5);
    EXPECT_DOUBLE_EQ(p.tvCostP, 311.325);
    EXPECT_DOUBLE_EQ(p.predictedDeliveries, 0);
}

TEST(PredictedCosts, RunOutWithoutAnyPriceIsScaledInstead) {
    CostInput in = Opening();
    in.U = 300;
    const PeriodCosts c = PricePeriod(in);
    const PredictedCosts p = PricePrediction(in, c, {1358, 40, 181, true});
    EXPECT_DOUBLE_EQ(p.tCostP, 271.5);
    EXPECT_FALSE(p.predictedOilVat);
    EXPECT_DOUBLE_EQ(p.predictedDeliveries, 0);
}

TEST(PredictedCosts, NothingPricedInThePeriodPredictsNoCost) {
    CostInput in = Opening();
    in.S = 0;
    in.U = 300;
    in.R = 5;
    in.RD = 5;
    const PredictedCosts p = PricePrediction(in, PricePeriod(in), {1000, 40, 181, false});
    EXPECT_DOUBLE_EQ(p.tCostP, 0);
    EXPECT_DOUBLE_EQ(p.vCostP, 0);
    EXPECT_DOUBLE_EQ(p.tvCostP, 0);
    EXPECT_FALSE(p.predictedOilVat);
}

}  // namespace
}  // namespace tw
