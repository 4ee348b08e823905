#include "calc/Forecast.h"

#include <algorithm>
#include <cmath>

namespace tw {

ForecastDates ForecastOil(const UseModel& model, const DegreeDayProfile& profile,
                          const ForecastStart& start, int horizonDays) {
    ForecastDates out;
    if (!start.date.isValid() || !std::isfinite(start.oilLeft) || !std::isfinite(model.base) ||
        !std::isfinite(model.k))
        return out;

    const double reservePercent =
        std::isfinite(start.reservePercent) ? std::clamp(start.reservePercent, 0.0, 100.0) : 0;
    const double capacity = std::isfinite(start.capacity) ? std::max(0.0, start.capacity) : 0;
    const double reserve = capacity * reservePercent / 100;

    double oil = start.oilLeft;
    QDate day = start.date;
    out.levels.push_back({day, std::max(0.0, oil)});
    for (int i = 0;; ++i) {
        if (!out.reserve && oil <= reserve) {
            out.reserve = day;
            out.orderBy = day.addDays(-qint64(start.leadDays));
        }
        if (oil <= 0) {
            out.runOut = day;
            if (out.levels.back().date != day) out.levels.push_back({day, 0});
            break;
        }
        if (i >= horizonDays) {
            if (out.levels.back().date != day) out.levels.push_back({day, oil});
            break;
        }
        if (day.day() == 1 && day != start.date) out.levels.push_back({day, oil});
        oil -= model.base + model.k * DegreeDaysOn(profile, day);
        day = day.addDays(1);
    }
    return out;
}

}  // namespace tw
