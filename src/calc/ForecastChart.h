#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

#include "calc/Forecast.h"

namespace tw {

// A dated point on the chart with its label ("Order by 12/01/2021").
struct ChartMark {
    QDate date;
    double oil = 0;
    QString label;
};

// The forecast as the History chart draws it: the projected level, the reserve
// across the chart and the order-by and run-out dates marked on the projection.
struct ForecastChartSeries {
    std::vector<LevelPoint> projected;  // from the last reading on; empty without a forecast
    std::optional<double> reserve;      // the level, when the tanks' capacity is known
    std::vector<ChartMark> marks;
};

// At most this far ahead is drawn when the oil lasts longer, so the history keeps
// its room on the time axis.
inline constexpr int kChartedForecastDays = 730;

// The oil on a date between the levels, read off the straight lines joining them.
double LevelOn(const std::vector<LevelPoint>& levels, const QDate& date);

// The series of a forecast that has dates; an order-by date already past is marked
// at the start as "Order now".
ForecastChartSeries BuildForecastChart(const ForecastDates& dates, const ForecastStart& start,
                                       const QLocale& locale);

}  // namespace tw
