#include "logs/SeasonStatement.h"

#include <algorithm>

namespace tw {

namespace {

// A normal year, for the weather-normalised use.
constexpr double kYearDays = 365;

StockFigure ReadingStock(const SavedReading& r) { return {r.date, r.oil(), r.value, false, {}, {}}; }

StockFigure WorkedOutStock(const SavedCalculation& c, const UseWeights& w, const QDate& day) {
    return {day, StockAt(c, w, day), ValueAt(c, w, day), true, c.from.date, c.to.date};
}

bool InPart(const SavedDelivery& d, const SavedCalculation& c, const QDate& lo, const QDate& hi) {
    return (lo == c.from.date || d.date >= lo) && (hi == c.to.date || d.date < hi);
}

StatementDelivery PriceDelivery(const SavedDelivery& d, const TaxRates& rates) {
    const double oil = Cents(d.price * d.amount);
    const double tax = Cents(oil * rates.oil / 100) + Cents(d.charge * rates.charges / 100);
    return {d.date, d.amount, d.price, d.charge, tax, Cents(oil + d.charge + tax)};
}

// The share of a calculation on lo..hi-1, priced first in, first out from the value
// of the oil at either end.
StatementPart PartOf(const SavedCalculation& c, const UseWeights& w, const QDate& lo, const QDate& hi) {
    StatementPart part{lo, hi, 0, lo != c.from.date || hi != c.to.date, std::nullopt};
    if (!part.split) {
        part.used = c.used();
        part.costs = c.costs();
        return part;
    }
    part.used = UsedBetween(c, w, lo, hi);
    if (!c.costs()) return part;
    const double startValue = lo == c.from.date ? c.from.value.value_or(0) : *ValueAt(c, w, lo);
    const double endValue = hi == c.to.date ? c.to.value.value_or(0) : *ValueAt(c, w, hi);
    double bought = 0, charges = 0;
    for (const SavedDelivery& d : c.deliveries) {
        if (!InPart(d, c, lo, hi)) continue;
        bought += d.price * d.amount;
        charges += d.charge;
    }
    part.costs = SummariseCosts(UsedOilCostFromValues(startValue, bought, endValue), charges,
                                c.rates.oil, c.rates.charges);
    return part;
}

// Spreads a part's use over the months of the period, day by day.
void AddToMonths(std::vector<MonthFigure>& months, const StatementPart& part, const UseWeights& w) {
    const double total = w.between(part.from, part.to);
    const double days = double(part.from.daysTo(part.to));
    for (QDate d = part.from; d < part.to; d = d.addDays(1)) {
        const auto month = std::find_if(months.begin(), months.end(), [&](const MonthFigure& m) {
            return m.month.year() == d.year() && m.month.month() == d.month();
        });
        if (month != months.end()) month->used += part.used * (total > 0 ? w.on(d) / total : 1 / days);
    }
}

std::optional<double> NormalisedUse(const StatementFigures& f, const UseWeights& w) {
    double yearDegreeDays = 0;
    for (double v : w.profile().months) yearDegreeDays += v;
    const double base = w.model() ? w.model()->base : 0;
    const double baseUse = std::min(f.used, base * double(f.days()));
    const double heating = f.used - baseUse;
    if (heating <= 0) return base * kYearDays;
    if (!(f.degreeDays > 0)) return std::nullopt;
    return base * kYearDays + heating * yearDegreeDays / f.degreeDays;
}

}  // namespace

bool StatementFigures::anySplit() const {
    return std::any_of(parts.begin(), parts.end(), [](const StatementPart& p) { return p.split; });
}

StatementFigures BuildStatementFigures(const std::vector<SavedCalculation>& calcs,
                                       const StatementPeriod& period, const UseWeights& weights,
                                       double co2PerUnit) {
    StatementFigures f;
    f.period = period;
    for (QDate m = period.start; m < period.end; m = m.addMonths(1))
        f.months.push_back({m, 0, weights.profile().months[size_t(m.month() - 1)]});

    std::vector<const SavedCalculation*> in;
    for (const SavedCalculation& c : calcs)
        if (c.days() >= 1 && c.from.date < period.end && c.to.date > period.start) in.push_back(&c);
    if (in.empty()) return f;
    f.covered = true;
    const SavedCalculation& first = *in.front();
    const SavedCalculation& last = *in.back();
    f.from = std::max(period.start, first.from.date);
    f.to = std::min(period.end, last.to.date);
    f.opening = f.from == first.from.date ? ReadingStock(first.from) : WorkedOutStock(first, weights, f.from);
    f.closing = f.to == last.to.date ? ReadingStock(last.to) : WorkedOutStock(last, weights, f.to);

    for (const SavedCalculation* c : in) {
        const QDate lo = std::max(c->from.date, f.from), hi = std::min(c->to.date, f.to);
        const StatementPart part = PartOf(*c, weights, lo, hi);
        f.used += part.used;
        if (part.costs) {
            f.costBeforeTax += part.costs->tCost;
            f.tax += part.costs->vCost;
            f.totalCost += part.costs->tCost + part.costs->vCost;
        } else if (part.used > 0.5) {
            ++f.unpricedParts;
        }
        for (const SavedDelivery& d : c->deliveries) {
            if (!InPart(d, *c, lo, hi)) continue;
            f.deliveries.push_back(PriceDelivery(d, c->rates));
            f.delivered += d.amount;
        }
        AddToMonths(f.months, part, weights);
        f.parts.push_back(part);
    }
    f.costBeforeTax = Cents(f.costBeforeTax);
    f.tax = Cents(f.tax);
    f.totalCost = Cents(f.totalCost);
    if (f.unpricedParts == 0 && f.totalCost > 0) f.costPerDay = f.totalCost / double(f.days());
    f.co2 = f.used * co2PerUnit;
    for (QDate d = f.from; d < f.to; d = d.addDays(1)) f.degreeDays += DegreeDaysOn(weights.profile(), d);
    if (f.degreeDays > 0) f.litresPer100DegreeDays = f.used / f.degreeDays * 100;
    f.normalisedUse = NormalisedUse(f, weights);
    return f;
}

SeasonStatement BuildSeasonStatement(const std::vector<SavedCalculation>& calcs,
                                     const StatementPeriod& period, const UseWeights& weights,
                                     double co2PerUnit) {
    SeasonStatement s;
    s.current = BuildStatementFigures(calcs, period, weights, co2PerUnit);
    StatementFigures before = BuildStatementFigures(calcs, period.previous(), weights, co2PerUnit);
    if (!before.covered) return s;
    if (s.current.normalisedUse && before.normalisedUse && *before.normalisedUse > 0)
        s.changePercent = (*s.current.normalisedUse / *before.normalisedUse - 1) * 100;
    s.before = std::move(before);
    return s;
}

}  // namespace tw
