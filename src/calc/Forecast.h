#pragma once
#include <QDate>
#include <optional>
#include <vector>

#include "calc/DegreeDays.h"
#include "calc/ForecastFit.h"

namespace tw {

struct ForecastStart {
    QDate date;              // the last reading
    double oilLeft = 0;      // oil in the tanks on that date
    double capacity = 0;     // of all tanks, for the reserve
    double reservePercent = 15;
    int leadDays = 10;
};

// The oil left on a date, for the chart.
struct LevelPoint {
    QDate date;
    double oil = 0;
};

struct ForecastDates {
    std::optional<QDate> runOut;   // first date with no oil left
    std::optional<QDate> reserve;  // first date at or below the reserve
    std::optional<QDate> orderBy;  // the reserve date less the lead time
    // The level at the start, on the first of each month and on the run-out date
    // (never below zero); the use is steady within a month, so straight lines between
    // the points draw the daily level exactly.
    std::vector<LevelPoint> levels;
};

// About ten years: a use too small to empty the tanks by then gives no date.
inline constexpr int kForecastHorizonDays = 3653;

// Steps day by day from the start: the oil left on a date is the start's oil less the
// modelled use of every day before it. Already at or below the reserve, the order-by
// date lies before the start (the order is late).
ForecastDates ForecastOil(const UseModel& model, const DegreeDayProfile& profile,
                          const ForecastStart& start, int horizonDays = kForecastHorizonDays);

}  // namespace tw
