#pragma once
#include <QDate>
#include <optional>
#include <vector>

#include "logs/SavedCalculation.h"
#include "logs/SavedHistory.h"

namespace tw {

// One row of the history table: a saved reading and, against the reading before
// it, the calculation that ends with it. The first reading has no period.
struct HistoryTableRow {
    QDate date;
    double oil = 0;
    std::optional<qint64> days;
    std::optional<double> used;        // fall in oil plus the oil delivered in between
    std::optional<double> perDay;      // needs at least one day
    std::optional<double> costPerDay;  // with tax, as the calculation's report gives it
    double delivered = 0;
    // The readings as typed (depths or gauge volumes) and the value of the oil left.
    double readingA = 0;
    std::optional<double> readingB, value;
};

// The rows of the table, one per reading in the order saved, each period's figures
// from its saved calculation.
std::vector<HistoryTableRow> BuildHistoryTable(const SavedHistory& history,
                                               const std::vector<SavedCalculation>& calcs);
std::vector<HistoryTableRow> BuildHistoryTable(const SavedHistory& history,
                                               const TaxRates& fallback = {},
                                               const ReportedUse& usedOf = {});

}  // namespace tw
