#include <gtest/gtest.h>

#include "calc/Forecast.h"

namespace tw {
namespace {

struct StepRow {
    const char* name;
    UseModel model;
    ForecastStart start;
    std::optional<QDate> runOut, reserve, orderBy;
};

class ForecastSteps : public testing::TestWithParam<StepRow> {};

TEST_P(ForecastSteps, RunOutReserveAndOrderByDates) {
    const StepRow& r = GetParam();
    const ForecastDates f = ForecastOil(r.model, UkProfile(), r.start);
    EXPECT_EQ(f.runOut, r.runOut);
    EXPECT_EQ(f.reserve, r.reserve);
    EXPECT_EQ(f.orderBy, r.orderBy);
}

const UseModel k25{25, 0, FitMethod::Both};

// The oil left on a date is the start's oil less the use of the days before it.
INSTANTIATE_TEST_SUITE_P(
    Forecast, ForecastSteps,
    testing::Values(
        StepRow{"emptyAfterWholeDays", k25, {{2027, 5, 10}, 100, 0, 15, 10},
                QDate(2027, 5, 14), QDate(2027, 5, 14), QDate(2027, 5, 4)},
        StepRow{"partDayCountsAsTheNextDate", k25, {{2027, 5, 10}, 101, 0, 15, 10},
                QDate(2027, 5, 15), QDate(2027, 5, 15), QDate(2027, 5, 5)},
        StepRow{"acrossTheYearEnd", k25, {{2026, 12, 30}, 100, 0, 15, 10},
                QDate(2027, 1, 3), QDate(2027, 1, 3), QDate(2026, 12, 24)},
        StepRow{"acrossALeapDay", k25, {{2028, 2, 27}, 100, 0, 15, 0},
                QDate(2028, 3, 2), QDate(2028, 3, 2), QDate(2028, 3, 2)},
        StepRow{"noLeapDay", k25, {{2027, 2, 27}, 100, 0, 15, 0},
                QDate(2027, 3, 3), QDate(2027, 3, 3), QDate(2027, 3, 3)},
        // 15% of 1000 is 150, reached after 10 days of 25; ordered 10 days before.
        StepRow{"reserveOfTheCapacityLessLeadTime", k25, {{2027, 5, 10}, 400, 1000, 15, 10},
                QDate(2027, 5, 26), QDate(2027, 5, 20), QDate(2027, 5, 10)},
        StepRow{"ownReserveAndLead", k25, {{2027, 5, 10}, 400, 1000, 30, 3},
                QDate(2027, 5, 26), QDate(2027, 5, 14), QDate(2027, 5, 11)},
        StepRow{"alreadyInTheReserveOrderIsLate", k25, {{2027, 5, 10}, 100, 1000, 15, 10},
                QDate(2027, 5, 14), QDate(2027, 5, 10), QDate(2027, 4, 30)},
        StepRow{"alreadyEmpty", k25, {{2027, 5, 10}, 0, 1000, 15, 10},
                QDate(2027, 5, 10), QDate(2027, 5, 10), QDate(2027, 4, 30)},
        // Only heating: 342.1 litres from 1 February last until 2 March (0.1 on 1 March).
        StepRow{"heatingFollowsTheMonths", {0, 1, FitMethod::NoBase}, {{2027, 2, 1}, 342.1, 0, 0, 0},
                QDate(2027, 3, 2), QDate(2027, 3, 2), QDate(2027, 3, 2)},
        StepRow{"noUseNoDates", {0, 0, FitMethod::NoHeating}, {{2027, 5, 10}, 500, 1000, 15, 10},
                std::nullopt, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// The chart's points: the start, each first of a month, the run-out date at zero; the
// level between them is a straight line because the use is steady within a month.
TEST(Forecast, LevelPointsFollowTheDailySteps) {
    const UseModel model{2, 1.5, FitMethod::Both};
    const ForecastStart start{{2027, 11, 20}, 1500, 2000, 15, 10};
    const ForecastDates f = ForecastOil(model, UkProfile(), start);
    ASSERT_TRUE(f.runOut);
    ASSERT_GE(f.levels.size(), 3u);
    EXPECT_EQ(f.levels.front().date, start.date);
    EXPECT_EQ(f.levels.front().oil, 1500);
    EXPECT_EQ(f.levels.back().date, *f.runOut);
    EXPECT_EQ(f.levels.back().oil, 0);
    double oil = 1500;
    size_t next = 1;
    for (QDate d = start.date; d < *f.runOut; d = d.addDays(1)) {
        if (d != start.date && next < f.levels.size() && f.levels[next].date == d) {
            EXPECT_EQ(d.day(), 1);
            EXPECT_NEAR(f.levels[next++].oil, oil, 1e-9) << d.toString(Qt::ISODate).toStdString();
        }
        oil -= model.base + model.k * DegreeDaysOn(UkProfile(), d);
    }
    EXPECT_EQ(next, f.levels.size() - 1);  // every first of a month was passed, in order
    EXPECT_LE(oil, 0);
}

}  // namespace
}  // namespace tw
