#include "logs/ForecastBasis.h"

#include <cmath>

#include "calc/Prediction.h"

namespace tw {

std::vector<UsePeriod> UsePeriodsOf(const std::vector<HistoryTableRow>& rows) {
    std::vector<UsePeriod> periods;
    for (const HistoryTableRow& row : rows) {
        if (!row.days || !row.used || *row.days < 1) continue;
        periods.push_back({row.date.addDays(-*row.days), row.date, *row.used});
    }
    return periods;
}

ForecastBasis BuildForecastBasis(const std::vector<HistoryTableRow>& rows) {
    ForecastBasis basis;
    basis.periods = UsePeriodsOf(rows);
    if (rows.empty()) return basis;
    const HistoryTableRow& last = rows.back();
    basis.startDate = last.date;
    basis.oilLeft = last.oil;
    if (last.perDay) {
        // The use per day as the window shows it, to one decimal.
        const double shown = std::round(*last.perDay * 10) / 10;
        if (const auto days = DaysUntilEmpty(last.oil, shown)) basis.fillUpBy = last.date.addDays(*days);
    }
    return basis;
}

}  // namespace tw
