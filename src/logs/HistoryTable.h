#pragma once
#include <QDate>
#include <optional>
#include <vector>

#include "logs/SavedHistory.h"

namespace tw {

// One row of the history table: a saved reading and, against the reading before
// it, the period that ends with it. The first reading has no period.
struct HistoryTableRow {
    QDate date;
    double oil = 0;
    std::optional<qint64> days;
    std::optional<double> used;        // fall in oil plus the oil delivered in between
    std::optional<double> perDay;      // needs at least one day
    std::optional<double> costPerDay;  // needs both readings' values
    double delivered = 0;
};

// The rows of the table, one per reading in the order saved. A delivery belongs
// to the period after the earlier reading's date up to and including the later
// one's; its cost counts towards the period's cost.
std::vector<HistoryTableRow> BuildHistoryTable(const SavedHistory& history);

}  // namespace tw
