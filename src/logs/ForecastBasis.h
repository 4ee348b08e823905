#pragma once
#include <QDate>
#include <optional>
#include <vector>

#include "calc/ForecastFit.h"
#include "logs/HistoryTable.h"

namespace tw {

// What the forecast learns from and where it starts.
struct ForecastBasis {
    std::vector<UsePeriod> periods;
    std::optional<QDate> startDate;  // nothing when there is no reading at all
    double oilLeft = 0;
    // The last saved calculation's own run-out date: its oil left at its use per
    // day as the window shows it (Fill Up By).
    std::optional<QDate> fillUpBy;
};

// One period per history table row that has days and a use, as the History window
// shows them.
std::vector<UsePeriod> UsePeriodsOf(const std::vector<HistoryTableRow>& rows);

// The saved periods of the last few heating seasons, starting from the last saved
// reading. A calculation not yet
// saved is no part of it: the forecast is the same wherever it is shown.
ForecastBasis BuildForecastBasis(const std::vector<HistoryTableRow>& rows);

}  // namespace tw
