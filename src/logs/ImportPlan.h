#pragma once
#include <QDate>
#include <optional>
#include <vector>

#include "logs/ImportCsv.h"
#include "logs/SavedHistory.h"

namespace tw {

// One calculation an import types: from the reading before (the log's last when
// `fromLog`), to `to`, with up to two deliveries in between. A starting reading
// (the first of an empty log) is saved on its own.
struct ImportPeriod {
    bool starting = false;
    bool fromLog = false;
    ImportedReading from, to;
    std::vector<ImportedDelivery> deliveries;
};

struct ImportPlan {
    std::vector<ImportPeriod> periods;
    std::vector<ImportProblem> problems;
    int skippedReadings = 0, skippedDeliveries = 0;  // already in the logs
};

// The periods the records make after what the logs hold: readings already saved
// are skipped, one dated before the last saved reading is refused, each delivery
// goes with the period it falls in (or the one its reading date names); a delivery
// on the day one period ends and the next starts goes with the earlier.
ImportPlan PlanImport(const ImportRecords& records, const SavedHistory& saved);

}  // namespace tw
