#pragma once
#include <QChart>

#include "logs/LogView.h"

namespace tw {

// The history over time: use per day as a bar across each period, cost per day as
// a line on its own axis at the right, the oil in the tanks at each reading as
// points, and each delivery marked on the time axis.
void FillHistoryChart(QChart* chart, const LogViewContent& content);

}  // namespace tw
