#pragma once
#include <QDate>
#include <optional>

#include "calc/DegreeDays.h"
#include "calc/ForecastFit.h"
#include "logs/SavedCalculation.h"

namespace tw {

// How a calculation's use spreads over its days: by the fitted use model (so much a
// day plus so much per degree day), by the profile's degree days when there is no
// model, and evenly when neither tells the days apart.
class UseWeights {
public:
    UseWeights(std::optional<UseModel> model, DegreeDayProfile profile);
    double on(const QDate& day) const;
    double between(const QDate& from, const QDate& to) const;  // days from..to-1
    const std::optional<UseModel>& model() const { return model_; }
    const DegreeDayProfile& profile() const { return profile_; }

private:
    std::optional<UseModel> model_;
    DegreeDayProfile profile_;
};

// The part of a calculation's oil used on the days lo..hi-1 (within its period).
double UsedBetween(const SavedCalculation& c, const UseWeights& w, const QDate& lo, const QDate& hi);

// The oil in the tanks at the start of a day inside the calculation's period: the
// first reading, plus what was delivered before that day, less the share used.
double StockAt(const SavedCalculation& c, const UseWeights& w, const QDate& day);

// The value (without tax) of that oil, first in, first out: what is left of the oil
// at the first reading and of each delivery once the use so far is taken from the
// oldest. Nothing when the calculation could not be priced.
std::optional<double> ValueAt(const SavedCalculation& c, const UseWeights& w, const QDate& day);

}  // namespace tw
