#pragma once
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QString>
#include <vector>

namespace tw {

// A day on the chart's time axis: its midnight in milliseconds since the epoch, UTC,
// worked out by arithmetic (a chart of years of readings converts each one).
inline qreal ChartMs(const QDate& date) {
    return qreal(date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400000.0;
}
QDate ChartDate(qreal ms);

// A label on the time axis at a moment (milliseconds since the epoch).
struct AxisLabel {
    qreal at = 0;
    QString text;
};

// The labels of a time axis `width` pixels long from `min` to `max`: the marks first
// (the earlier of two that would overlap wins), then the first day of the months at
// the finest step of 1, 2, 3, 4, 6 or 12 months whose labels ("Oct 24", or the year
// alone at a step of 12) stand apart, leaving out those a mark covers; over a few
// weeks, days ("7 Oct") every 1, 2, 7 or 14 days come first. Each month is named
// once; when not even the years fit, only the marks are left. Sorted by `at`.
// A label may break into lines with "<br>". The chart cuts short any label wider
// than the axis shared among all labels, so no more are given than that allows.
std::vector<AxisLabel> TimeAxisLabels(qreal min, qreal max, qreal width,
                                      const std::vector<AxisLabel>& marks,
                                      const QFontMetricsF& metrics, const QLocale& locale);

// A value axis from 0 with round steps: the top at or above `top` and the number of
// ticks, at most `maxTicks` (at least 2).
struct ValueScale {
    double top = 1;
    int ticks = 2;
};
ValueScale RoundScale(double top, int maxTicks);
// The same with exactly `ticks` ticks, so the grid lines of several axes meet.
ValueScale RoundScaleWithTicks(double top, int ticks);

}  // namespace tw
