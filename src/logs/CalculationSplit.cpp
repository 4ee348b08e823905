#include "logs/CalculationSplit.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "calc/Costs.h"

namespace tw {

UseWeights::UseWeights(std::optional<UseModel> model, DegreeDayProfile profile)
    : model_(std::move(model)), profile_(std::move(profile)) {
    if (model_ && !(model_->base > 0) && !(model_->k > 0)) model_.reset();
}

double UseWeights::on(const QDate& day) const {
    const double dd = DegreeDaysOn(profile_, day);
    return model_ ? model_->base + model_->k * dd : dd;
}

double UseWeights::between(const QDate& from, const QDate& to) const {
    double sum = 0;
    for (QDate d = from; d < to; d = d.addDays(1)) sum += on(d);
    return sum;
}

double UsedBetween(const SavedCalculation& c, const UseWeights& w, const QDate& lo, const QDate& hi) {
    const QDate a = std::max(lo, c.from.date), b = std::min(hi, c.to.date);
    if (!(a < b)) return 0;
    const double whole = w.between(c.from.date, c.to.date);
    // Days the weights cannot tell apart (no degree days, no model) share evenly.
    const double share = whole > 0 ? w.between(a, b) / whole
                                   : double(a.daysTo(b)) / double(c.days());
    return c.used() * share;
}

namespace {

double DeliveredBefore(const SavedCalculation& c, const QDate& day) {
    double sum = 0;
    for (const SavedDelivery& d : c.deliveries)
        if (d.date < day) sum += d.amount;
    return sum;
}

}  // namespace

double StockAt(const SavedCalculation& c, const UseWeights& w, const QDate& day) {
    return c.from.oil() + DeliveredBefore(c, day) - UsedBetween(c, w, c.from.date, day);
}

std::optional<double> ValueAt(const SavedCalculation& c, const UseWeights& w, const QDate& day) {
    if (!c.costs()) return std::nullopt;
    // The oil in hand as lots of litres and their value, oldest first.
    std::vector<std::pair<double, double>> lots;
    if (c.from.oil() > 0) lots.push_back({c.from.oil(), c.from.value.value_or(0)});
    for (const SavedDelivery& d : c.deliveries)
        if (d.date < day && d.amount > 0) lots.push_back({d.amount, d.price * d.amount});
    double toTake = UsedBetween(c, w, c.from.date, day);
    double value = 0;
    for (const auto& [litres, worth] : lots) {
        const double taken = std::clamp(toTake, 0.0, litres);
        toTake -= taken;
        value += worth * (litres - taken) / litres;
    }
    return Cents(value);
}

}  // namespace tw
