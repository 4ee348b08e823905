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

struct UsedRow {
    const char* name;
    CostInput in;
    double used;
};

class UsedOil : public testing::TestWithParam<UsedRow> {};

TEST_P(UsedOil, IsPricedFirstInFirstOut) {
    EXPECT_DOUBLE_EQ(UsedOilCost(GetParam().in), GetParam().used);
}

CostInput With(CostInput in, void (*change)(CostInput&)) {
    change(in);
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Costs, UsedOil,
    testing::Values(
        UsedRow{"partOfTheOpeningOil", With(Opening(), [](CostInput& c) { c.U = 300; }), 60},
        UsedRow{"nothingUsed", With(Opening(), [](CostInput& c) { c.U = 0; }), 0},
        UsedRow{"exactlyTheOpeningOil", With(Opening(), [](CostInput& c) { c.U = 500; }), 100},
        UsedRow{"intoDelivery1",
                With(Opening(),
                     [](CostInput& c) {
                         c.L1 = 1000;
                         c.P1 = 0.5;
                         c.U = 700;
                     }),
                200},
        UsedRow{"allOfDelivery1",
                With(Opening(),
                     [](CostInput& c) {
                         c.L1 = 1000;
                         c.P1 = 0.5;
                         c.U = 1500;
                     }),
                600},
        UsedRow{"intoDelivery2",
                With(Opening(),
                     [](CostInput& c) {
                         c.L1 = 1000;
                         c.P1 = 0.5;
                         c.L2 = 500;
                         c.P2 = 0.6;
                         c.U = 1750;
                     }),
                750},
        UsedRow{"intoDelivery2WithoutFirstDateLeavesOpeningValueOut",
                With(Opening(),
                     [](CostInput& c) {
                         c.L1 = 1000;
                         c.P1 = 0.5;
                         c.L2 = 500;
                         c.P2 = 0.6;
                         c.U = 1750;
                         c.date1IsDate = false;
                     }),
                650},
        UsedRow{"delivery2OfNoAmountAddsNothing",
                With(Opening(),
                     [](CostInput& c) {
                         c.L1 = 1000;
                         c.P1 = 0.5;
                         c.P2 = 0.6;
                         c.U = 1600;
                     }),
                600},
        UsedRow{"fourDecimalPriceUsedAsEntered",
                With(Opening(),
                     [](CostInput& c) {
                         c.S = 0;
                         c.V1 = 0;
                         c.L1 = 1000;
                         c.P1 = 0.4523;
                         c.U = 1000;
                     }),
                452.3}),
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
    EXPECT_DOUBLE_EQ(c.remainingOilValue, 40);
    EXPECT_EQ(c.status.toStdString(), "");
}

TEST(PeriodCosts, Delivery1PartUsedLeavesTheRestValued) {
    CostInput in = Opening();
    in.L1 = 1000;
    in.P1 = 0.5;
    in.U = 700;
    const PeriodCosts c = PricePeriod(in);
    EXPECT_DOUBLE_EQ(c.usedOilCost, 200);
    EXPECT_DOUBLE_EQ(c.remainingOilValue, 400);
    EXPECT_DOUBLE_EQ(c.delivery1Cost, 500);
}

TEST(PeriodCosts, DeliveryCostsCarryTaxOnOilAndOnTheCharge) {
    CostInput in = Opening();
    in.L1 = 1000;
    in.P1 = 0.5;
    in.C1 = 25;
    in.U = 300;
    in.R = 5;
    in.RD = 5;
    const PeriodCosts c = PricePeriod(in);
    EXPECT_DOUBLE_EQ(c.deliveryChargeTotal, 25);
    EXPECT_DOUBLE_EQ(c.tCost, 85);
    EXPECT_DOUBLE_EQ(*c.oilVat, 3);
    EXPECT_DOUBLE_EQ(*c.deliveryVat, 1.25);
    EXPECT_DOUBLE_EQ(c.vCost, 4.25);
    EXPECT_DOUBLE_EQ(*c.tvCost, 89.25);
    EXPECT_DOUBLE_EQ(c.delivery1Cost, 551.25);  // 500 + 5% and 25 + 5%
    EXPECT_DOUBLE_EQ(c.remainingOilValue, 540);
}

TEST(PeriodCosts, FourDecimalPriceGivesTheDeliveryCostAsEntered) {
    CostInput in = Opening();
    in.L1 = 1000;
    in.P1 = 0.4523;
    in.U = 100;
    EXPECT_DOUBLE_EQ(PricePeriod(in).delivery1Cost, 452.3);
}

TEST(PeriodCosts, FirstUseOfADeliveryIntoAnEmptyTank) {
    CostInput in;
    in.read1 = 0;
    in.read2 = 50;
    in.V1 = 0;
    in.V2 = 1000;
    in.L1 = 1000;
    in.P1 = 0.5;
    in.U = 0;
    in.R = 5;
    const PeriodCosts c = PricePeriod(in);
    EXPECT_EQ(c.status.toStdString(), "First Use Calculated");
    EXPECT_DOUBLE_EQ(c.tCost, 0);
    EXPECT_FALSE(c.oilVat);
    EXPECT_FALSE(c.tvCost);
    EXPECT_DOUBLE_EQ(c.remainingOilValue, 500);
}

TEST(PeriodCosts, OilLeftIsNeverWorthLessThanNothing) {
    // Opening oil of no known value, and use that reaches into delivery 1: the value
    // carried to the next calculation must not go negative.
    CostInput in = Opening();
    in.S = 0;
    in.L1 = 1000;
    in.P1 = 0.5;
    in.U = 700;
    const PeriodCosts c = PricePeriod(in);
    EXPECT_DOUBLE_EQ(c.usedOilCost, 100);
    EXPECT_DOUBLE_EQ(c.remainingOilValue, 0);
}

TEST(PeriodCosts, OpeningOilWithoutValueIsNotPriced) {
    CostInput in = Opening();
    in.S = 0;
    in.U = 300;
    in.R = 5;
    in.RD = 5;
    const PeriodCosts c = PricePeriod(in);
    EXPECT_EQ(c.status.toStdString(), "Costs Not Calculated");
    EXPECT_DOUBLE_EQ(c.tCost, 0);
    EXPECT_FALSE(c.oilVat);
    EXPECT_FALSE(c.deliveryVat);
    EXPECT_DOUBLE_EQ(c.vCost, 0);
    EXPECT_FALSE(c.tvCost);

    PredictionFigures f{1000, 40, 181, false};
    const PredictedCosts pc = PricePrediction(in, c, f);
    EXPECT_DOUBLE_EQ(pc.tCostP, 0);
    EXPECT_DOUBLE_EQ(pc.vCostP, 0);
    EXPECT_DOUBLE_EQ(pc.tvCostP, 0);
    EXPECT_FALSE(pc.predictedOilVat);
}

TEST(PeriodCosts, NothingUsedIsNotPricedEvenWithAValue) {
    CostInput in = Opening();
    in.U = 0;
    EXPECT_EQ(PricePeriod(in).status.toStdString(), "Costs Not Calculated");
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
// 100 left at reading 2.
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

TEST(PredictedCosts, RunOutBuysTheShortfallInWholeDeliveries) {
    const CostInput in = RunOutPeriod();
    const PeriodCosts c = PricePeriod(in);
    ASSERT_DOUBLE_EQ(c.tCost, 525);
    ASSERT_DOUBLE_EQ(c.remainingOilValue, 50);
    const PredictedCosts p = PricePrediction(in, c, {4525, 40, 181, true});
    // 3425 short: 1712.50 of oil on top of 500 of oil in the period and 50 in hand.
    EXPECT_DOUBLE_EQ(*p.predictedOilVat, 113.125);
    EXPECT_DOUBLE_EQ(p.predictedDeliveries, 8);  // 6.85 deliveries of 500
    EXPECT_DOUBLE_EQ(p.tCostP, 2462.5);          // eight more charges of 25
    EXPECT_DOUBLE_EQ(*p.predictedDeliveryVat, 10);
    EXPECT_DOUBLE_EQ(p.vCostP, 123.125);
    EXPECT_DOUBLE_EQ(p.tvCostP, 2585.625);
}

TEST(PredictedCosts, RunOutUsesTheSecondDeliveryWhenItHasAPrice) {
    CostInput in = RunOutPeriod();
    in.L1 = 300;
    in.L2 = 200;
    in.P2 = 0.6;
    in.C2 = 30;
    const PeriodCosts c = PricePeriod(in);
    const PredictedCosts p = PricePrediction(in, c, {4525, 40, 181, true});
    const double base = c.tCost - 55 + c.remainingOilValue + 3425 * 0.6;
    EXPECT_DOUBLE_EQ(p.predictedDeliveries, 19);  // 17.125 deliveries of 200
    EXPECT_NEAR(p.tCostP, base + 19 * 30, 1e-9);
    EXPECT_NEAR(*p.predictedDeliveryVat, 19 * 30 * 0.05, 1e-9);
}

TEST(PredictedCosts, RunOutWithAPricedDeliveryOfNoAmountCountsNoDeliveries) {
    CostInput in = RunOutPeriod();
    in.P2 = 0.6;  // a price without an amount, only with the cross-field checks off
    const PeriodCosts c = PricePeriod(in);
    const PredictedCosts p = PricePrediction(in, c, {4525, 40, 181, true});
    EXPECT_DOUBLE_EQ(p.predictedDeliveries, 0);
    EXPECT_NEAR(p.tCostP, 500 + 50 + 3425 * 0.6, 1e-9);
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

}  // namespace
}  // namespace tw
