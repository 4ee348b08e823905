#pragma once
#include <QChart>
#include <QColor>
#include <QPalette>
#include <vector>

#include "calc/ForecastChart.h"
#include "logs/LogView.h"

namespace tw {

// One entry of the chart's legend: a symbol in the series' colour and its name.
struct LegendEntry {
    QColor colour;
    QString symbol;
    QString name;
};

// The history over time: use per day as a bar across each period, cost per day as
// a line on its own axis at the right, the oil in the tanks at each reading as
// points, and each delivery marked on the time axis; then the forecast: the
// projected level dashed, the reserve as a band, and the order-by and run-out
// dates as lines labelled on the time axis. The axes cover all of it; an axis with
// nothing on it is left out. The axes' ticks and labels follow the chart's size and
// the time shown; a zoom into a stretch draws it from `rows` in full detail (the
// readings of `content`, kept as long as the chart). Gives the legend, which the
// window shows as text that wraps.
std::vector<LegendEntry> FillHistoryChart(QChart* chart, const std::vector<HistoryTableRow>& rows,
                                          const LogViewContent& content,
                                          const ForecastChartSeries& forecast,
                                          const QPalette& palette);

// The legend as rich text: entries kept whole, breaking between them.
QString LegendHtml(const std::vector<LegendEntry>& entries);

}  // namespace tw
