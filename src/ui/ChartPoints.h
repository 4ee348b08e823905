#pragma once
#include <QList>
#include <QPointF>
#include <vector>

#include "logs/HistoryTable.h"
#include "logs/SavedHistory.h"

namespace tw {

// The chart's points, no more than a plot can show: a history of a reading every
// day for decades is drawn from about `buckets` slices of time, each keeping what
// the eye would see in it (its lowest and highest level, its use and cost per day
// over all its days, one delivery mark). A short history keeps every point.
inline constexpr int kChartBuckets = 800;
// Bars narrower than a few pixels read as one filled area, and each one costs the
// painter a pair of edges on every line of pixels below its top: the use and cost
// per day are drawn from fewer, wider slices than the level.
inline constexpr int kChartBarBuckets = 240;

struct HistoryPoints {
    QList<QPointF> levels;  // oil in tanks
    QList<QPointF> bars;    // use per day as bars: four corners each, from zero
    QList<QPointF> costs;   // cost per day, in the middle of its span
    double topLevel = 0, topUse = 0, topCost = 0;
};
HistoryPoints ChartPointsOf(const std::vector<HistoryTableRow>& rows, int buckets = kChartBuckets,
                            int barBuckets = kChartBarBuckets);

// The rows that draw the time from `from` to `to` (milliseconds, as on the axis):
// those in it and the one on each side, so the line and the bars reach the edges.
// The rows are in date order, as the history keeps them.
std::vector<HistoryTableRow> RowsAround(const std::vector<HistoryTableRow>& rows, qreal from, qreal to);

// One mark a slice for the deliveries, at height y.
QList<QPointF> DeliveryPointsOf(const std::vector<SavedDelivery>& deliveries, double y,
                                int buckets = kChartBuckets);

}  // namespace tw
