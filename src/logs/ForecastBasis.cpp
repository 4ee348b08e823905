#include "logs/ForecastBasis.h"

#include <QLocale>
#include <cmath>

#include "calc/Formats.h"
#include "calc/Prediction.h"
#include "logs/RecentHistory.h"

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
    if (rows.empty()) return basis;
    const HistoryTableRow& last = rows.back();
    // The last few heating seasons: the house as it is now, and a fit whose work
    // does not grow with the years of history.
    const QDate windowStart = ForecastWindowStart(last.date);
    for (const UsePeriod& period : UsePeriodsOf(rows))
        if (period.start >= windowStart) basis.periods.push_back(period);
    basis.startDate = last.date;
    basis.oilLeft = last.oil;
    if (last.perDay) {
        // The use per day as the window shows it, to one decimal, rounded as the
        // window rounds it.
        const double shown = FixedNumber(*last.perDay, 1, QLocale::c()).toDouble();
        if (const auto days = DaysUntilEmpty(last.oil, shown)) basis.fillUpBy = last.date.addDays(*days);
    }
    return basis;
}

}  // namespace tw
