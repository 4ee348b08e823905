#pragma once
#include <QDate>
#include <optional>
#include <vector>

#include "calc/Costs.h"
#include "calc/StatementPeriod.h"
#include "logs/CalculationSplit.h"
#include "logs/SavedCalculation.h"

namespace tw {

// A delivery inside the statement's period, priced with the tax rates of the
// calculation it was saved with.
struct StatementDelivery {
    QDate date;
    double litres = 0, price = 0, charge = 0, tax = 0, total = 0;
};

// One saved calculation's share of the period: whole, or split where the period's
// first or last day cuts it.
struct StatementPart {
    QDate from, to;  // the days from..to-1
    double used = 0;
    bool split = false;
    std::optional<CostSummary> costs;  // nothing when the calculation was not priced
};

// The oil in use at the start of a day: a saved reading, or worked out between the
// readings around it.
struct StockFigure {
    QDate date;
    double litres = 0;
    std::optional<double> value;  // without tax
    bool interpolated = false;
    QDate readBefore, readAfter;  // the readings it was worked out between
};

struct MonthFigure {
    QDate month;  // its first day
    double used = 0, degreeDays = 0;
};

// The figures of one period. Only days between the first and last saved readings
// count; `from`..`to` say which those are.
struct StatementFigures {
    StatementPeriod period;
    bool covered = false;  // some saved calculation reaches into the period
    QDate from, to;        // the days counted: from..to-1
    StockFigure opening, closing;
    std::vector<StatementDelivery> deliveries;
    std::vector<StatementPart> parts;
    double used = 0, delivered = 0;
    double costBeforeTax = 0, tax = 0, totalCost = 0;
    int unpricedParts = 0;  // parts with oil used but no price
    std::optional<double> costPerDay;
    double co2 = 0;
    double degreeDays = 0;
    std::optional<double> litresPer100DegreeDays;
    // The use a normal year of the profile would have given: the part that does not
    // follow the weather per day of the year, the rest scaled to the year's degree days.
    std::optional<double> normalisedUse;
    std::vector<MonthFigure> months;  // every month of the period

    qint64 days() const { return covered ? from.daysTo(to) : 0; }
    bool anySplit() const;
};

struct SeasonStatement {
    StatementFigures current;
    std::optional<StatementFigures> before;  // the same span a year earlier
    std::optional<double> changePercent;     // of the weather-normalised use
};

// The figures of a period from the saved calculations (in date order, as
// PairCalculations gives them). `co2PerUnit`: the CO2 made by one litre (gallon).
StatementFigures BuildStatementFigures(const std::vector<SavedCalculation>& calcs,
                                       const StatementPeriod& period, const UseWeights& weights,
                                       double co2PerUnit);

// The period and the one before, and the change of the weather-normalised use.
SeasonStatement BuildSeasonStatement(const std::vector<SavedCalculation>& calcs,
                                     const StatementPeriod& period, const UseWeights& weights,
                                     double co2PerUnit);

}  // namespace tw
