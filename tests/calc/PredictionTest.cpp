#include <gtest/gtest.h>

#include "calc/Prediction.h"

namespace tw {
namespace {

struct UseRow {
    const char* name;
    double used, days, predictionDays, predicted;
};

class PredictedUseOf : public testing::TestWithParam<UseRow> {};

TEST_P(PredictedUseOf, RoundsToTheNearestWholeUnitHalvesUp) {
    const UseRow& r = GetParam();
    EXPECT_EQ(PredictedUse(r.used, r.days, r.predictionDays), r.predicted);
}

INSTANTIATE_TEST_SUITE_P(
    Prediction, PredictedUseOf,
    testing::Values(UseRow{"exactHalfGoesUp", 1000, 40, 181, 4525},
                    UseRow{"belowHalfGoesDown", 1000, 41, 181, 4415},
                    UseRow{"noDaysPredictsNothing", 1000, 0, 181, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct EndRow {
    const char* name;
    QDate start;
    int months;
    QDate end;
    qint64 days;
};

class PeriodEnd : public testing::TestWithParam<EndRow> {};

TEST_P(PeriodEnd, MovesByCalendarMonths) {
    const EndRow& r = GetParam();
    EXPECT_EQ(PredictionEnd(r.start, r.months), r.end);
    EXPECT_EQ(PredictionDays(r.start, r.months), r.days);
}

INSTANTIATE_TEST_SUITE_P(
    Prediction, PeriodEnd,
    testing::Values(
        EndRow{"sixMonthsFrom31AugustEndsOn28February", {2009, 8, 31}, 6, {2010, 2, 28}, 181},
        EndRow{"sixMonthsFrom31AugustInALeapYear", {2011, 8, 31}, 6, {2012, 2, 29}, 182},
        EndRow{"twelveMonths", {2010, 3, 1}, 12, {2011, 3, 1}, 365}),
    [](const auto& info) { return std::string(info.param.name); });

// Whole days until empty, rounded down; a use that shows as zero has no run-out date,
// and only a run-out more than a day before the period's end counts.
TEST(RunOut, DaysUntilEmptyAndBeforeTheEnd) {
    EXPECT_EQ(DaysUntilEmpty(100, 25.0), 4);
    EXPECT_EQ(DaysUntilEmpty(99, 25.0), 3);
    EXPECT_FALSE(DaysUntilEmpty(500, 0.0));
    EXPECT_FALSE(DaysUntilEmpty(500, -1.0));
    const QDate end(2010, 2, 28);
    EXPECT_TRUE(RunsOutBeforeEnd(QDate(2010, 2, 26), end));
    EXPECT_FALSE(RunsOutBeforeEnd(QDate(2010, 2, 27), end));
    EXPECT_FALSE(RunsOutBeforeEnd(std::nullopt, end));
}

}  // namespace
}  // namespace tw
