#include "calc/TankVolume.h"

#include "calc/Fields.h"
#include "calc/ShownValue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tw {

namespace {

// The circle constant as the volume tables of this program have always used it;
// the full-precision value would move some results by a tenth.
constexpr double kPi = 3.14159265358979;

// Depth step of the dipstick search.
constexpr double kSearchStep = 0.005;

// A reading outside the tank is physically impossible: below the bottom means
// empty, above the top means full. Holding it to 0..D keeps the square roots of
// the horizontal formula real and the straight-line shapes non-negative.
double DepthInsideTank(double h, double d) {
    if (!(h > 0)) return 0;  // also catches NaN
    return std::min(h, d);
}

// D × 100 as a loop count, saturated to the 16-bit range instead of overflowing.
int SearchRounds(float depth) {
    const double n = std::nearbyint(double(depth) * 100);  // halves to even
    return int(std::clamp(n, double(INT16_MIN), double(INT16_MAX)));
}

}  // namespace

float TankVolume(int readingIsVolume, const QString& capacity, const QString& depth,
                 const QString& reading, int shape, const QLocale& locale) {
    const double c = NumberValue(capacity, locale);
    const double d = NumberValue(depth, locale);
    // The reading is the program's own plain number (a depth above the offset).
    const double r = ShownValue(reading, locale);

    // No capacity, no tank: this is how the second tank is made optional.
    if (!(c > 0)) return 0;
    if (readingIsVolume == 1) return float(r);
    return DepthVolume(c, d, r, shape);
}

float DepthVolume(double c, double d, double r, int shape) {
    if (!(c > 0)) return 0;
    // A depth reading needs a tank depth to be measured against.
    if (!(d > 0)) return 0;

    const double h = DepthInsideTank(r, d);
    switch (shape) {
    case 0:
        return HorizontalCylinderVolume(float(h), float(d), float(c));
    case 1:
    case 2:
        // Straight walls: volume grows in proportion to depth; whole units, rounded down.
        return float(std::floor(c * (h / d)));
    default:
        return 0;
    }
}

float HorizontalCylinderVolume(float h, float d, float c) {
    if (!(d > 0) || !(c > 0) || !std::isfinite(d) || !std::isfinite(c)) return 0;
    const double D = d;
    const double H = DepthInsideTank(h, D);

    // Nudges x off exactly ±1 for an empty or full tank, so that s is never 0.
    double eps = 0;
    if (H == 0) eps = double(-1e-8f);
    if (H == D) eps = double(1e-8f);

    const double x = 2 * ((D / 2 - H) / D) + eps;  // cosine of half the segment angle
    const double s = std::sqrt((-x) * x + 1);
    const double theta = std::atan(-x / s) + 2 * std::atan(1.0);  // arc cosine of x
    const double area = (D * D / 4) * theta - (D / 2 - H) * std::sqrt(H * D - H * H);
    const double fraction = (area * 4) / (D * kPi * D);
    const double v = double(c) * fraction;
    return float(std::nearbyint(v * 10) / 10);  // one decimal, halves to even
}

float DepthForVolume(float capacity, float depth, float volume, int shape) {
    // No tank, or no depth to scale to: there is no dipstick depth to give.
    if (!(capacity > 0) || !(depth > 0)) return 0;

    if (shape == 1 || shape == 2) return float(double(volume) / capacity * depth);
    if (shape != 0) return 0;

    // Aim just inside the tank so that the search always has a target to reach.
    float target = volume;
    if (target == capacity) target = float(double(target) - 0.001);
    if (target == 0) target = 0.001f;

    // Start at the straight-line depth and walk towards the middle: in the lower
    // half of a lying cylinder the oil stands higher than the straight line, in
    // the upper half lower.
    float g = float(double(target) / capacity * depth);
    const float half = float(double(depth) / 2);
    const int dir = half > g ? 1 : -1;

    const int rounds = SearchRounds(depth);
    for (int i = 1; i <= rounds; ++i) {
        const float v = HorizontalCylinderVolume(g, depth, capacity);
        const bool reached = (target <= v && dir == 1) || (target > v && dir == -1);
        g = float(double(g) + dir * kSearchStep);
        if (reached) break;
    }
    return g;
}

}  // namespace tw
