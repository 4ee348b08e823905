#pragma once
#include <QChart>

#include "calc/ForecastChart.h"
#include "logs/LogView.h"

namespace tw {

// The history over time: use per day as a bar across each period, cost per day as
// a line on its own axis at the right, the oil in the tanks at each reading as
// points, and each delivery marked on the time axis; then the forecast: the
// projected level dashed, the reserve across and the order-by and run-out dates.
void FillHistoryChart(QChart* chart, const LogViewContent& content,
                      const ForecastChartSeries& forecast = {});

}  // namespace tw
