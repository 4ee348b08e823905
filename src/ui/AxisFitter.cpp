#include "ui/AxisFitter.h"

#include <algorithm>

namespace tw {

void AxisFitter::setTop(QValueAxis* axis, double top) {
    for (auto& [shown, was] : values_)
        if (shown == axis && top != was) {
            was = top;
            fitted_ = {};
        }
}

void AxisFitter::fit() {
    const QSizeF plot = chart_->plotArea().size();
    const std::pair<qreal, qreal> range{time_->min(), time_->max()};
    if ((plot == fitted_ && range == fittedRange_) || plot.isEmpty() || !oil_.first) return;
    fitted_ = plot;
    fittedRange_ = range;
    const QFontMetricsF metrics(time_->labelsFont());
    const int most = std::clamp(int(plot.height() / (metrics.height() * 2.2)) + 1, 2, 6);
    const ValueScale oil = RoundScale(oil_.second, most);
    oil_.first->setRange(0, oil.top);
    oil_.first->setTickCount(oil.ticks);
    // A narrow chart leaves the titles of the other axes to the legend.
    const bool roomy = chart_->size().width() >= 640;
    for (const auto& [axis, top] : values_) {
        const ValueScale scale = RoundScaleWithTicks(top, oil.ticks);
        axis->setRange(0, scale.top);
        axis->setTickCount(scale.ticks);
        axis->setTitleVisible(roomy);
    }
    const auto [min, max] = range;
    if (levelLabel_) {
        const qreal x = min + (metrics.horizontalAdvance(levelText_) / 2 + 8) * (max - min) / plot.width();
        levelLabel_->replace(0, x, levelY_);
    }
    const std::vector<AxisLabel> labels = TimeAxisLabels(min, max, plot.width(), marks_, metrics, locale_);
    QStringList shown;
    for (const AxisLabel& label : labels) shown << label.text;
    if (shown == time_->categoriesLabels()) return;
    for (const QString& label : time_->categoriesLabels()) time_->remove(label);
    for (const AxisLabel& label : labels) time_->append(label.text, label.at);
    time_->setStartValue(min);
    time_->setRange(min, max);
}

}  // namespace tw
