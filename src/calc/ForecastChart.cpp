#include "calc/ForecastChart.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "calc/Formats.h"

namespace tw {

double LevelOn(const std::vector<LevelPoint>& levels, const QDate& date) {
    if (levels.empty()) return 0;
    if (date <= levels.front().date) return levels.front().oil;
    for (size_t i = 1; i < levels.size(); ++i) {
        const LevelPoint& a = levels[i - 1];
        const LevelPoint& b = levels[i];
        if (date > b.date) continue;
        const double span = double(a.date.daysTo(b.date));
        return span > 0 ? a.oil + (b.oil - a.oil) * double(a.date.daysTo(date)) / span : b.oil;
    }
    return levels.back().oil;
}

ForecastChartSeries BuildForecastChart(const ForecastDates& dates, const ForecastStart& start,
                                       const QLocale& locale) {
    ForecastChartSeries chart;
    if (dates.levels.empty()) return chart;
    const QDate last = start.date.addDays(kChartedForecastDays);
    for (const LevelPoint& point : dates.levels)
        if (point.date <= last) chart.projected.push_back(point);
    if (chart.projected.back().date < last && dates.levels.back().date > last)
        chart.projected.push_back({last, LevelOn(dates.levels, last)});

    if (std::isfinite(start.capacity) && start.capacity > 0 && std::isfinite(start.reservePercent))
        chart.reserve = start.capacity * std::clamp(start.reservePercent, 0.0, 100.0) / 100;

    // The chart names each mark with its date last, on a line of its own.
    const auto mark = [&](const std::optional<QDate>& date, const char* text) {
        if (!date || *date > last) return;
        const QDate at = std::max(*date, start.date);
        chart.marks.push_back({at, LevelOn(dates.levels, at),
                               QCoreApplication::translate("ForecastChart", text).arg(ShortDate(*date, locale))});
    };
    if (dates.orderBy && *dates.orderBy < start.date)
        mark(dates.orderBy, QT_TRANSLATE_NOOP("ForecastChart", "Order now, due %1"));
    else
        mark(dates.orderBy, QT_TRANSLATE_NOOP("ForecastChart", "Order by %1"));
    mark(dates.runOut, QT_TRANSLATE_NOOP("ForecastChart", "Runs out %1"));
    return chart;
}

}  // namespace tw
