#include "logs/HistoryTable.h"

namespace tw {

std::vector<HistoryTableRow> BuildHistoryTable(const SavedHistory& history,
                                               const std::vector<SavedCalculation>& calcs) {
    std::vector<HistoryTableRow> rows;
    if (history.readings.empty()) return rows;
    rows.reserve(history.readings.size());
    const SavedReading& first = history.readings.front();
    rows.push_back({first.date, first.oil(), std::nullopt, std::nullopt, std::nullopt,
                    std::nullopt, 0, first.readingA, first.readingB, first.value});
    for (const SavedCalculation& c : calcs) {
        HistoryTableRow row;
        row.date = c.to.date;
        row.oil = c.to.oil();
        row.days = c.days();
        row.used = c.used();
        row.delivered = c.delivered();
        row.perDay = c.usePerDay();
        row.costPerDay = c.costPerDay();
        row.readingA = c.to.readingA;
        row.readingB = c.to.readingB;
        row.value = c.to.value;
        rows.push_back(row);
    }
    return rows;
}

std::vector<HistoryTableRow> BuildHistoryTable(const SavedHistory& history,
                                               const TaxRates& fallback,
                                               const ReportedUse& usedOf) {
    return BuildHistoryTable(history, PairCalculations(history, fallback, usedOf));
}

}  // namespace tw
