#include "calc/ForecastFit.h"

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

// One period as the regression sees it: use per day against degree days per day.
struct Point {
    double w, x, y;
};

double DegreeDaysOver(const DegreeDayProfile& profile, const QDate& start, const QDate& end) {
    double sum = 0;
    for (QDate d = start; d < end; d = d.addDays(1)) sum += DegreeDaysOn(profile, d);
    return sum;
}

struct Sums {
    double w = 0, x = 0, y = 0, xx = 0, xy = 0;
    explicit Sums(const std::vector<Point>& pts) {
        for (const Point& p : pts) {
            w += p.w;
            x += p.w * p.x;
            y += p.w * p.y;
            xx += p.w * p.x * p.x;
            xy += p.w * p.x * p.y;
        }
    }
    double meanX() const { return x / w; }
    double meanY() const { return y / w; }
    double varX() const { return std::max(0.0, xx / w - meanX() * meanX()); }
};

double YearlyMeanPerDay(const DegreeDayProfile& profile) {
    double total = 0;
    for (double v : profile.months) total += v;
    return total / 365.25;
}

// k with the base held fixed; a negative slope means the heating does not show.
double SlopeWithBase(const Sums& s, double base) {
    if (!(s.xx > 0)) return 0;
    return std::max(0.0, (s.xy - base * s.x) / s.xx);
}

}  // namespace

FitResult FitUseModel(const std::vector<UsePeriod>& periods, const DegreeDayProfile& profile) {
    std::vector<Point> pts;
    for (const UsePeriod& p : periods) {
        if (!p.start.isValid() || !p.end.isValid() || !std::isfinite(p.used) || p.used < 0)
            continue;
        const qint64 days = p.start.daysTo(p.end);
        // Beyond a century a period is a typing error, not a reading.
        if (days < 1 || days > 36525) continue;
        pts.push_back({double(days), DegreeDaysOver(profile, p.start, p.end) / days,
                       p.used / days});
    }
    // English, as the forecast report prints it; the window translates it.
    if (pts.empty()) return {std::nullopt, QString::fromUtf8(QT_TRANSLATE_NOOP("Forecast", "No period with readings to fit."))};


    const Sums s(pts);
    // Degree days never vary in the periods (a profile with no heating in their
    // months): the base carries all the use.
    if (!(s.xx > 0)) return {UseModel{s.meanY(), 0, FitMethod::NoHeating}, QString()};

    const double spread = std::sqrt(s.varX()) / YearlyMeanPerDay(profile);
    if (pts.size() < 3 || spread < kNarrowSeasonSpread) {
        const double base = kNarrowSeasonBaseShare * s.meanY();
        return {UseModel{base, SlopeWithBase(s, base), FitMethod::NarrowSeason}, QString()};
    }

    const double k = (s.xy / s.w - s.meanX() * s.meanY()) / s.varX();
    const double base = s.meanY() - k * s.meanX();
    if (k < 0) return {UseModel{s.meanY(), 0, FitMethod::NoHeating}, QString()};
    if (base < 0) return {UseModel{0, SlopeWithBase(s, 0), FitMethod::NoBase}, QString()};
    return {UseModel{base, k, FitMethod::Both}, QString()};
}

}  // namespace tw
