#include "ui/ChartDetail.h"

#include <algorithm>

#include "ui/ChartPoints.h"

namespace tw {

namespace {
constexpr qreal kNarrowestMs = 2 * 86400000.0;
constexpr qreal kSameMs = 1000;  // closer than this, two moments are one on any screen
}  // namespace

ChartDetail::ChartDetail(QCategoryAxis* time, AxisFitter* fitter, const std::vector<HistoryTableRow>& rows,
                         DetailSeries series)
    : QObject(time), time_(time), fitter_(fitter), rows_(rows), series_(series), whole_{time->min(), time->max()} {
    // Queued: a zoom moves the axis while the chart is busy with it, and a drag's or
    // a wheel's several steps come down to one drawing.
    connect(time, &QValueAxis::rangeChanged, this, [this] {
        if (pending_) return;
        pending_ = true;
        QMetaObject::invokeMethod(this, [this] { redraw(); }, Qt::QueuedConnection);
    });
}

ChartDetail* ChartDetail::Of(const QChart* chart) {
    QAbstractAxis* time = chart->axes(Qt::Horizontal).value(0);
    return time ? time->findChild<ChartDetail*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool ChartDetail::zoomed() const {
    return time_->min() > whole_.first + kSameMs || time_->max() < whole_.second - kSameMs;
}

void ChartDetail::zoom(qreal factor, qreal at) {
    const qreal min = time_->min(), max = time_->max();
    show(at - (at - min) * factor, at + (max - at) * factor);
}

void ChartDetail::redraw() {
    pending_ = false;
    const qreal min = time_->min(), max = time_->max();
    const qreal width = std::clamp(max - min, std::min(kNarrowestMs, whole_.second - whole_.first),
                                   whole_.second - whole_.first);
    const qreal from = std::clamp((min + max - width) / 2, whole_.first, whole_.second - width);
    if (std::abs(from - min) > kSameMs || std::abs(from + width - max) > kSameMs) return show(from, from + width);

    const HistoryPoints points = zoomed() ? ChartPointsOf(RowsAround(rows_, min, max)) : ChartPointsOf(rows_);
    series_.levels->replace(points.levels);
    if (series_.bars) {
        series_.bars->replace(points.bars);
        fitter_->setTop(series_.use, AxisTop(points.topUse));
    }
    if (series_.costs) {
        series_.costs->replace(points.costs);
        fitter_->setTop(series_.cost, AxisTop(points.topCost));
    }
    fitter_->fit();
}

}  // namespace tw
