#include "calc/Prediction.h"

#include <cmath>

namespace tw {

QDate PredictionEnd(const QDate& date1, int months) { return date1.addMonths(months); }

qint64 PredictionDays(const QDate& date1, int months) {
    return date1.daysTo(PredictionEnd(date1, months));
}

double PredictedUse(double used, double days, double predictionDays) {
    if (!(days > 0)) return 0;
    return std::floor(used * (predictionDays / days) + 0.5);
}

std::optional<qint64> DaysUntilEmpty(double oilLeft, double perDay) {
    if (!(perDay > 0)) return std::nullopt;
    const double days = std::floor(oilLeft / perDay);
    // Beyond any calendar the program can show: no run-out date.
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return std::nullopt;
    return qint64(days);
}

bool RunsOutBeforeEnd(const std::optional<QDate>& emptyDate, const QDate& periodEnd) {
    if (!emptyDate || !emptyDate->isValid() || !periodEnd.isValid()) return false;
    return emptyDate->daysTo(periodEnd) > 1;
}

}  // namespace tw
