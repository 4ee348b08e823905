// The History chart drawn from what a plot can show: years of daily readings come
// down to a few hundred points that keep the lowest and highest level and the use
// per day over all the days, and a short history keeps every period.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/ChartPoints.h"

namespace tw {
namespace {

// Daily readings: a week of heavy use, then a week of light use, a fill-up each month.
std::vector<HistoryTableRow> DailyHistory(int days) {
    std::vector<HistoryTableRow> rows;
    double oil = 2000;
    for (int i = 0; i < days; ++i) {
        HistoryTableRow row;
        row.date = QDate(2000, 1, 1).addDays(i);
        const double used = (i / 7) % 2 ? 4 : 20;
        if (i > 0) {
            if (i % 30 == 0) oil = 2000 + i % 7;
            oil -= used;
            row.days = 1;
            row.perDay = used;
            row.costPerDay = used * 0.8;
        }
        row.oil = oil;
        rows.push_back(row);
    }
    return rows;
}

// The use per day over all the bars, each weighted by the time it spans.
double AverageUse(const QList<QPointF>& bars) {
    double used = 0, span = 0;
    for (qsizetype i = 0; i + 3 < bars.size(); i += 4) {
        used += bars[i + 1].y() * (bars[i + 2].x() - bars[i + 1].x());
        span += bars[i + 2].x() - bars[i + 1].x();
    }
    return used / span;
}

TEST(ChartPoints, LongHistoriesKeepExtremesAndAverageUseShortOnesEveryPeriod) {
    const std::vector<HistoryTableRow> rows = DailyHistory(20 * 365);
    const HistoryPoints p = ChartPointsOf(rows);
    EXPECT_LE(p.levels.size(), 2 * kChartBuckets);
    EXPECT_LE(p.bars.size(), 4 * kChartBarBuckets);
    EXPECT_LE(p.costs.size(), kChartBarBuckets);
    const auto [low, high] = std::minmax_element(rows.begin(), rows.end(),
                                                 [](const auto& a, const auto& b) { return a.oil < b.oil; });
    const auto levelOf = [](const QPointF& point) { return point.y(); };
    QList<double> levels;
    std::transform(p.levels.begin(), p.levels.end(), std::back_inserter(levels), levelOf);
    EXPECT_TRUE(levels.contains(low->oil) && levels.contains(high->oil));
    EXPECT_TRUE(std::is_sorted(p.levels.begin(), p.levels.end(),
                               [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }));
    EXPECT_NEAR(AverageUse(p.bars), 12.0, 0.3);  // half the weeks at 20, half at 4
    const auto tallest = std::max_element(p.bars.begin(), p.bars.end(),
                                          [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    EXPECT_DOUBLE_EQ(p.topUse, tallest->y());

    const std::vector<HistoryTableRow> shortRows = DailyHistory(100);
    const HistoryPoints every = ChartPointsOf(shortRows);
    EXPECT_EQ(every.levels.size(), qsizetype(shortRows.size()));
    EXPECT_EQ(every.bars.size(), 4 * qsizetype(shortRows.size() - 1));
    EXPECT_DOUBLE_EQ(every.topUse, 20);
}

}  // namespace
}  // namespace tw
