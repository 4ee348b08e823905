// The History chart drawn from what a plot can show: years of daily readings come
// down to a few hundred points that keep the lowest and highest level and the use
// per day over all the days, and a short history keeps every period.
#include <gtest/gtest.h>

#include <QAreaSeries>
#include <QChartView>
#include <QLineSeries>
#include <QTest>
#include <algorithm>

#include "ui/ChartAxes.h"
#include "ui/ChartDetail.h"
#include "ui/ChartPoints.h"
#include "ui/HistoryChart.h"

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

// Zoomed into a month of twenty years, the chart draws every reading and period of
// it on axes that hold them; showing all again gives back the reduced chart.
TEST(ChartPoints, AZoomedStretchShowsEveryReadingAndTheWholeStaysReduced) {
    const std::vector<HistoryTableRow> rows = DailyHistory(20 * 365);
    LogViewContent content;
    content.volumeUnit = "litres";
    content.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    QChartView view(new QChart);
    view.resize(900, 500);
    view.show();
    FillHistoryChart(view.chart(), rows, content, {}, QPalette());
    QXYSeries* levels = nullptr;
    QAreaSeries* area = nullptr;
    for (QAbstractSeries* s : view.chart()->series()) {
        if (s->name() == "Oil in tanks") levels = qobject_cast<QXYSeries*>(s);
        if (s->name() == "Litres per day") area = qobject_cast<QAreaSeries*>(s);
    }
    ASSERT_TRUE(levels && area);
    QXYSeries* bars = area->upperSeries();
    const QList<QPointF> whole = levels->points(), wholeBars = bars->points();
    ChartDetail* detail = ChartDetail::Of(view.chart());
    auto* use = qobject_cast<QValueAxis*>(area->attachedAxes().value(1));
    const QDate light = QDate(2000, 1, 1).addDays(531 * 7 + 1);  // inside a week at 4 a day
    detail->show(ChartMs(light), ChartMs(light.addDays(3)));
    QTest::qWait(20);
    EXPECT_LT(use->max(), 10);  // the axis fits the light days shown, not the heavy ones

    const qreal from = ChartMs(QDate(2010, 3, 1)), to = ChartMs(QDate(2010, 3, 31));
    detail->show(from, to);
    QTest::qWait(20);

    QList<QPointF> month;  // and the reading on each side
    for (const HistoryTableRow& row : rows)
        if (row.date >= QDate(2010, 2, 28) && row.date <= QDate(2010, 4, 1)) month << QPointF(ChartMs(row.date), row.oil);
    EXPECT_EQ(levels->points(), month);
    EXPECT_EQ(bars->count(), 4 * (month.size() - 1));
    auto* time = qobject_cast<QCategoryAxis*>(detail->timeAxis());
    EXPECT_GE(use->max(), 20);
    EXPECT_TRUE(time->categoriesLabels().contains("1 Mar")) << time->categoriesLabels().join('|').toStdString();

    detail->showAll();
    QTest::qWait(20);
    EXPECT_EQ(levels->points(), whole);
    EXPECT_EQ(bars->points(), wholeBars);
    EXPECT_FALSE(time->categoriesLabels().contains("1 Mar"));
}

}  // namespace
}  // namespace tw
