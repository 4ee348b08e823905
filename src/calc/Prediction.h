#pragma once
#include <QDate>
#include <optional>

namespace tw {

// The prediction period starts at reading 1 and runs a number of calendar months;
// a day missing from the last month becomes that month's last day.
QDate PredictionEnd(const QDate& date1, int months);
qint64 PredictionDays(const QDate& date1, int months);

// The use of the measured period scaled to the prediction period, to the nearest
// whole unit, halves up.
double PredictedUse(double used, double days, double predictionDays);

// Whole days until the oil left runs out at the daily use shown; none when the use
// shows as 0 (a use too small to show has no run-out date).
std::optional<qint64> DaysUntilEmpty(double oilLeft, double perDay);

// The tanks run dry more than a day before the prediction period ends.
bool RunsOutBeforeEnd(const std::optional<QDate>& emptyDate, const QDate& periodEnd);

}  // namespace tw
