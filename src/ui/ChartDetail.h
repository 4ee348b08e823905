#pragma once
#include <QCategoryAxis>
#include <QChart>
#include <QValueAxis>
#include <QXYSeries>
#include <optional>
#include <utility>
#include <vector>

#include "logs/HistoryTable.h"
#include "ui/AxisFitter.h"

namespace tw {

// A value axis's top with room above what it shows.
inline double AxisTop(double shown) { return shown > 0 ? shown * 1.08 : 1; }

// The series drawn from the readings, and the axes that fit them.
struct DetailSeries {
    QXYSeries* levels = nullptr;
    QXYSeries* bars = nullptr;   // null when there is no use to show
    QXYSeries* costs = nullptr;  // null when there is no cost to show
    QValueAxis* use = nullptr;
    QValueAxis* cost = nullptr;
};

// Draws the time shown in as much detail as it needs: when the time axis is zoomed
// into a stretch, the readings, use and cost are drawn again from the rows in it, so
// a short stretch shows every reading and period. Keeps the time shown within the
// whole chart and at least two days wide. Lives as long as the time axis; the rows must
// live as long as the chart.
class ChartDetail : public QObject {
    Q_OBJECT  // found among the time axis's children by its type

public:
    ChartDetail(QCategoryAxis* time, AxisFitter* fitter, const std::vector<HistoryTableRow>& rows,
                DetailSeries series);
    // The detail of the chart's time axis, or null when the chart is empty.
    static ChartDetail* Of(const QChart* chart);

    bool zoomed() const;
    std::pair<qreal, qreal> shown() const { return {time_->min(), time_->max()}; }
    void show(qreal from, qreal to) { time_->setRange(from, to); }
    void showAll() { show(whole_.first, whole_.second); }
    // Narrows (factor below 1) or widens the time shown, keeping the moment `at` in place.
    void zoom(qreal factor, qreal at);
    QCategoryAxis* timeAxis() const { return time_; }

private:
    void redraw();

    QCategoryAxis* time_;
    AxisFitter* fitter_;
    const std::vector<HistoryTableRow>& rows_;
    DetailSeries series_;
    std::pair<qreal, qreal> whole_;
    bool pending_ = false;
};

}  // namespace tw
