#include "ui/ChartPoints.h"

#include <algorithm>

#include "ui/ChartAxes.h"

namespace tw {

namespace {

// The slice of time a moment falls in, from 0 to buckets - 1.
struct Slices {
    qreal first = 0, width = 1;
    int count = 1;
    int of(qreal ms) const { return std::clamp(int((ms - first) / width), 0, count - 1); }
};

Slices SlicesOver(qreal first, qreal last, int buckets) {
    return {first, std::max<qreal>(1, (last - first) / buckets), buckets};
}

// A bar spanning from..to at height h, with a small gap so neighbours stay apart.
void AddBar(QList<QPointF>& bars, qreal from, qreal to, double h) {
    const qreal gap = (to - from) * 0.08;
    bars << QPointF(from + gap, 0) << QPointF(from + gap, h) << QPointF(to - gap, h) << QPointF(to - gap, 0);
}

}  // namespace

HistoryPoints ChartPointsOf(const std::vector<HistoryTableRow>& rows, int buckets, int barBuckets) {
    HistoryPoints p;
    if (rows.empty()) return p;
    for (const HistoryTableRow& row : rows) p.topLevel = std::max(p.topLevel, row.oil);
    const bool every = int(rows.size()) <= buckets;
    const Slices slices = SlicesOver(ChartMs(rows.front().date), ChartMs(rows.back().date), buckets);

    // Levels: every reading, or the lowest and highest of each slice in time order.
    if (every) {
        p.levels.reserve(qsizetype(rows.size()));
        for (const HistoryTableRow& row : rows) p.levels << QPointF(ChartMs(row.date), row.oil);
    } else {
        using LowHigh = std::pair<const HistoryTableRow*, const HistoryTableRow*>;
        std::vector<LowHigh> lowHigh(static_cast<size_t>(buckets), LowHigh{nullptr, nullptr});
        for (const HistoryTableRow& row : rows) {
            auto& [low, high] = lowHigh[size_t(slices.of(ChartMs(row.date)))];
            if (!low || row.oil < low->oil) low = &row;
            if (!high || row.oil > high->oil) high = &row;
        }
        for (const auto& [low, high] : lowHigh) {
            if (!low) continue;
            const HistoryTableRow* a = low->date <= high->date ? low : high;
            const HistoryTableRow* b = a == low ? high : low;
            p.levels << QPointF(ChartMs(a->date), a->oil);
            if (b != a) p.levels << QPointF(ChartMs(b->date), b->oil);
        }
    }

    // Use and cost per day: each period, or each slice over all the days in it.
    struct Sum {
        qreal from = 0, to = 0;
        double used = 0, days = 0, cost = 0, costDays = 0;
    };
    const bool everyBar = int(rows.size()) <= barBuckets;
    const Slices barSlices = SlicesOver(slices.first, ChartMs(rows.back().date), barBuckets);
    std::vector<Sum> sums(everyBar ? 0 : size_t(barBuckets));
    for (size_t i = 1; i < rows.size(); ++i) {
        const HistoryTableRow& row = rows[i];
        if (!row.perDay || !row.days) continue;
        const qreal from = ChartMs(rows[i - 1].date), to = ChartMs(row.date);
        if (everyBar) {
            const double perDay = std::max(0.0, *row.perDay);
            AddBar(p.bars, from, to, perDay);
            p.topUse = std::max(p.topUse, perDay);
            if (row.costPerDay) {
                p.costs << QPointF((from + to) / 2, *row.costPerDay);
                p.topCost = std::max(p.topCost, *row.costPerDay);
            }
            continue;
        }
        Sum& s = sums[size_t(barSlices.of(to))];
        if (s.days == 0) s.from = from;
        s.to = to;
        s.used += std::max(0.0, *row.perDay) * double(*row.days);
        s.days += double(*row.days);
        if (row.costPerDay) {
            s.cost += *row.costPerDay * double(*row.days);
            s.costDays += double(*row.days);
        }
    }
    for (const Sum& s : sums) {
        if (s.days <= 0) continue;
        const double perDay = s.used / s.days;
        AddBar(p.bars, s.from, s.to, perDay);
        p.topUse = std::max(p.topUse, perDay);
        if (s.costDays > 0) {
            p.costs << QPointF((s.from + s.to) / 2, s.cost / s.costDays);
            p.topCost = std::max(p.topCost, s.cost / s.costDays);
        }
    }
    return p;
}

std::vector<HistoryTableRow> RowsAround(const std::vector<HistoryTableRow>& rows, qreal from, qreal to) {
    const auto first = std::partition_point(rows.begin(), rows.end(),
                                            [&](const HistoryTableRow& row) { return ChartMs(row.date) < from; });
    const auto end = std::partition_point(first, rows.end(),
                                          [&](const HistoryTableRow& row) { return ChartMs(row.date) <= to; });
    return {first == rows.begin() ? first : first - 1, end == rows.end() ? end : end + 1};
}

QList<QPointF> DeliveryPointsOf(const std::vector<SavedDelivery>& deliveries, double y, int buckets) {
    QList<QPointF> points;
    if (deliveries.empty()) return points;
    if (int(deliveries.size()) <= buckets) {
        for (const SavedDelivery& d : deliveries) points << QPointF(ChartMs(d.date), y);
        return points;
    }
    qreal first = ChartMs(deliveries.front().date), last = first;
    for (const SavedDelivery& d : deliveries) {
        first = std::min(first, ChartMs(d.date));
        last = std::max(last, ChartMs(d.date));
    }
    const Slices slices = SlicesOver(first, last, buckets);
    std::vector<bool> marked(size_t(buckets), false);
    for (const SavedDelivery& d : deliveries) {
        const int slice = slices.of(ChartMs(d.date));
        if (marked[size_t(slice)]) continue;
        marked[size_t(slice)] = true;
        points << QPointF(ChartMs(d.date), y);
    }
    return points;
}

}  // namespace tw
