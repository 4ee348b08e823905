#pragma once
#include <QLocale>
#include <QString>

#include "calc/DegreeDays.h"
#include "calc/Forecast.h"
#include "calc/ForecastFit.h"

namespace tw {

// `tankwise --forecast`: one "name: value" a line for scripts, the same in every
// locale (ISO 8601 dates, a period in numbers, "none" for a date beyond the horizon).
// Without a model: "forecast: none" and the reason.
QString ForecastReport(const FitResult& fit, const ForecastDates& dates);

// The "Order By" field's tooltip: the run-out date in the user's short form and the
// fitted use, e.g. "Runs out 14/02/2027; 12.4 l/day base + 0.61 l per degree day";
// `unit` is the short volume unit ("l" or "gal"). Without a model, the reason.
QString OrderByTooltip(const FitResult& fit, const ForecastDates& dates,
                       const DegreeDayProfile& profile, const QString& unit,
                       const QLocale& locale);

}  // namespace tw
