#include "logs/SavedCalculation.h"

#include <algorithm>
#include <cmath>

#include "calc/Fields.h"
#include "calc/NumberText.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"

namespace tw {

namespace {

// A valid save never leaves a period with less oil used than this: volumes are
// read back from whole-unit columns where no dipstick depth tells them exactly.
constexpr double kNegativeUse = -0.5;

bool HasRates(const SavedDelivery& d) { return d.oilTaxRate || d.chargeTaxRate; }

TaxRates RatesOf(const SavedDelivery& d) {
    return {d.oilTaxRate.value_or(0), d.chargeTaxRate.value_or(0)};
}

double UsedWith(const SavedCalculation& c, double extra) { return c.used() + extra; }

// The rates each period was priced at: those saved with its deliveries, else those
// of the delivery saved last before its end, else the first after it, else the
// rates the program has now. One sweep, however long the logs.
void SetRatesInForce(std::vector<SavedCalculation>& calcs,
                     const std::vector<SavedDelivery>& deliveries, const TaxRates& fallback) {
    std::vector<const SavedDelivery*> rated;
    for (const SavedDelivery& d : deliveries)
        if (HasRates(d)) rated.push_back(&d);
    std::stable_sort(rated.begin(), rated.end(),
                     [](const SavedDelivery* a, const SavedDelivery* b) { return a->date < b->date; });
    size_t next = 0;
    const SavedDelivery* before = nullptr;
    for (SavedCalculation& c : calcs) {
        while (next < rated.size() && rated[next]->date <= c.to.date) before = rated[next++];
        const auto own = std::find_if(c.deliveries.begin(), c.deliveries.end(), HasRates);
        if (own != c.deliveries.end()) c.rates = RatesOf(*own);
        else if (before) c.rates = RatesOf(*before);
        else if (next < rated.size()) c.rates = RatesOf(*rated[next]);
        else c.rates = fallback;
    }
}

// A delivery dated on the day one period ends and the next begins.
struct Boundary {
    const SavedDelivery* delivery;
    size_t earlier, later;  // the period ending that day, and the one starting it
};

// Places the boundary deliveries. First where a period's own report tells, with no
// other undecided delivery in that period; then where only one side keeps every
// period's oil used from going negative, counting undecided deliveries in its
// favour; the rest go with the earlier period. Linear in the deliveries: a sensor's
// history may put one on every boundary.
void PlaceBoundaryDeliveries(std::vector<SavedCalculation>& calcs, const std::vector<Boundary>& pending,
                             const ReportedUse& usedOf) {
    // The undecided oil that could still belong to each period.
    std::vector<double> undecided(calcs.size(), 0);
    for (const Boundary& b : pending) {
        undecided[b.earlier] += b.delivery->amount;
        undecided[b.later] += b.delivery->amount;
    }
    std::vector<bool> placed(pending.size(), false);
    auto place = [&](size_t i, bool toLater) {
        const Boundary& b = pending[i];
        calcs[toLater ? b.later : b.earlier].deliveries.push_back(*b.delivery);
        undecided[b.earlier] -= b.delivery->amount;
        undecided[b.later] -= b.delivery->amount;
        placed[i] = true;
    };
    // Twice, as a delivery placed may leave its neighbour alone in a period.
    for (int pass = 0; pass < 2 && usedOf; ++pass) {
        for (size_t i = 0; i < pending.size(); ++i) {
            if (placed[i]) continue;
            const Boundary& b = pending[i];
            const double amount = b.delivery->amount;
            for (const size_t k : {b.earlier, b.later}) {
                if (std::abs(undecided[k] - amount) > 1e-6) continue;
                const auto reported = usedOf(calcs[k].from.date, calcs[k].to.date);
                if (!reported) continue;
                const double without = std::abs(*reported - calcs[k].used());
                const bool here = std::abs(*reported - calcs[k].used() - amount) < without;
                place(i, here == (k != b.earlier));
                break;
            }
        }
    }
    for (size_t i = 0; i < pending.size(); ++i) {
        if (placed[i]) continue;
        const Boundary& b = pending[i];
        const SavedCalculation& early = calcs[b.earlier];
        const SavedCalculation& late = calcs[b.later];
        const double amount = b.delivery->amount;
        const double earlyMore = undecided[b.earlier] - amount;
        const double lateMore = undecided[b.later] - amount;
        const bool earlierHolds = UsedWith(early, amount + earlyMore) >= kNegativeUse &&
                                  UsedWith(late, lateMore) >= kNegativeUse;
        const bool laterHolds = UsedWith(early, earlyMore) >= kNegativeUse &&
                                UsedWith(late, amount + lateMore) >= kNegativeUse;
        place(i, laterHolds && !earlierHolds);
    }
}

}  // namespace

double SavedCalculation::delivered() const {
    double sum = 0;
    for (const SavedDelivery& d : deliveries) sum += d.amount;
    return sum;
}

double SavedCalculation::used() const {
    return FloatDecimal(from.oilFloat() - to.oilFloat()) + delivered();
}

// A figure as the calculation reads it back from the plain number text it wrote
// for it, so a rate worked out from it rounds the same way.
// A value of up to fifteen significant digits is written as those digits and reads
// back as itself, without the text.
double AsWritten(double value) {
    if (value == 0) return 0;
    if (std::isnormal(value) && ShortestDigitCount(value) <= 15) return value;
    return NumberValue(GeneralNumber(value));
}

std::optional<double> SavedCalculation::usePerDay() const {
    if (days() < 1) return std::nullopt;
    return AsWritten(used()) / double(days());
}

std::optional<CostSummary> SavedCalculation::costs() const {
    const double u = used();
    const bool bothRead = from.readingA != 0 && to.readingA != 0;
    if (u == 0 || (bothRead && !from.value)) return std::nullopt;
    double available = from.value.value_or(0);
    double charges = 0;
    for (const SavedDelivery& d : deliveries) {
        available += d.price * d.amount;
        charges += d.charge;
    }
    const double usedOil = UsedOilCostFromValues(available, 0, to.value.value_or(0));
    return SummariseCosts(usedOil, charges, rates.oil, rates.charges);
}

std::optional<double> SavedCalculation::costPerDay() const {
    const auto c = costs();
    if (!c || !c->tvCost || days() < 1) return std::nullopt;
    return AsWritten(*c->tvCost) / double(days());
}

std::vector<SavedCalculation> PairCalculations(const SavedHistory& history,
                                               const TaxRates& fallback,
                                               const ReportedUse& usedOf) {
    std::vector<SavedCalculation> calcs;
    const auto& readings = history.readings;
    calcs.reserve(readings.size());
    for (size_t i = 1; i < readings.size(); ++i) calcs.push_back({readings[i - 1], readings[i], {}, {}});
    if (calcs.empty()) return calcs;

    // Each delivery goes to the period that holds its date; a delivery on a shared
    // boundary day waits until the others are placed.
    std::vector<Boundary> boundaries;
    // Periods of at least a day: a reading taken again the same day (a zero-day
    // period) holds no delivery, the calculation counted it from the later dip.
    std::vector<size_t> spans;
    for (size_t k = 0; k < calcs.size(); ++k)
        if (calcs[k].days() > 0) spans.push_back(k);
    for (const SavedDelivery& d : history.deliveries) {
        const auto it = std::lower_bound(spans.begin(), spans.end(), d.date,
                                         [&](size_t k, const QDate& date) { return calcs[k].to.date < date; });
        if (it == spans.end() || calcs[*it].from.date > d.date) continue;
        const size_t k = *it;
        const bool shared = calcs[k].to.date == d.date && it + 1 != spans.end() &&
                            calcs[*(it + 1)].from.date == d.date;
        if (shared) boundaries.push_back({&d, k, *(it + 1)});
        else calcs[k].deliveries.push_back(d);
    }
    PlaceBoundaryDeliveries(calcs, boundaries, usedOf);

    for (SavedCalculation& c : calcs)
        std::stable_sort(c.deliveries.begin(), c.deliveries.end(),
                         [](const SavedDelivery& a, const SavedDelivery& b) { return a.line < b.line; });
    SetRatesInForce(calcs, history.deliveries, fallback);
    return calcs;
}

}  // namespace tw
