#include "logs/ForecastBasis.h"

namespace tw {

std::vector<UsePeriod> UsePeriodsOf(const std::vector<HistoryTableRow>& rows) {
    std::vector<UsePeriod> periods;
    for (const HistoryTableRow& row : rows) {
        if (!row.days || !row.used || *row.days < 1) continue;
        periods.push_back({row.date.addDays(-*row.days), row.date, *row.used});
    }
    return periods;
}

ForecastBasis BuildForecastBasis(const std::vector<HistoryTableRow>& rows,
                                 const std::optional<CurrentCalculation>& current) {
    ForecastBasis basis;
    basis.periods = UsePeriodsOf(rows);
    const bool currentValid = current && current->date1.isValid() && current->date2.isValid();
    if (basis.periods.empty() && currentValid && current->date1 < current->date2)
        basis.periods.push_back({current->date1, current->date2, current->used});

    if (!rows.empty()) {
        basis.startDate = rows.back().date;
        basis.oilLeft = rows.back().oil;
    }
    // A calculation not saved yet knows a newer level than the logs.
    if (currentValid && (!basis.startDate || current->date2 > *basis.startDate)) {
        basis.startDate = current->date2;
        basis.oilLeft = current->oilLeft;
    }
    return basis;
}

}  // namespace tw
