#pragma once
#include <QDate>
#include <functional>
#include <optional>
#include <vector>

#include "calc/Costs.h"
#include "logs/SavedHistory.h"

namespace tw {

// The tax rates in force when no delivery of a period says which.
struct TaxRates {
    double oil = 0, charges = 0;
};

// One saved calculation: its two readings, the deliveries saved with it, and the
// tax rates it was priced at. Every figure a view of the past shows (the History
// table and chart, the CSV export, the forecast, Get Last) is worked out here,
// once, by the rules the calculation itself uses.
struct SavedCalculation {
    SavedReading from, to;
    std::vector<SavedDelivery> deliveries;
    TaxRates rates;

    qint64 days() const { return from.date.daysTo(to.date); }
    double delivered() const;
    // The fall in oil plus what was delivered in between.
    double used() const;
    std::optional<double> usePerDay() const;
    // Priced when the oil at the first reading had a value (or Tank A was empty)
    // and some oil was used, as the calculation prices it.
    std::optional<CostSummary> costs() const;
    std::optional<double> costPerDay() const;
};

// The saved readings paired into calculations, each delivery with the calculation
// it was saved with. A delivery dated inside one period belongs to it. One dated on
// the day that ends one period and starts the next belongs to the period whose oil
// it explains: never one that would leave a period with negative oil used; where
// both could hold it, `usedOf` (the oil used the calculation's own report gives for
// a period, when the results log has one) decides, else the earlier period, as Get
// Last counts it.
using ReportedUse = std::function<std::optional<double>(const QDate& from, const QDate& to)>;
std::vector<SavedCalculation> PairCalculations(const SavedHistory& history,
                                               const TaxRates& fallback = {},
                                               const ReportedUse& usedOf = {});

}  // namespace tw
