#pragma once
#include <QDate>
#include <optional>
#include <vector>

#include "calc/ForecastFit.h"
#include "logs/HistoryTable.h"

namespace tw {

// The main window's last calculation: its two reading dates, the oil burnt between
// them and the oil left at reading 2.
struct CurrentCalculation {
    QDate date1, date2;
    double used = 0;
    double oilLeft = 0;
};

// What the forecast learns from and where it starts.
struct ForecastBasis {
    std::vector<UsePeriod> periods;
    std::optional<QDate> startDate;  // nothing when there is no reading at all
    double oilLeft = 0;
};

// One period per history table row that has days and a use, as the History window
// shows them.
std::vector<UsePeriod> UsePeriodsOf(const std::vector<HistoryTableRow>& rows);

// The saved periods, or the current calculation's when none is saved; the start is
// the last saved reading, or reading 2 of the calculation when that is newer.
ForecastBasis BuildForecastBasis(const std::vector<HistoryTableRow>& rows,
                                 const std::optional<CurrentCalculation>& current);

}  // namespace tw
