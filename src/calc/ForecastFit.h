#pragma once
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "calc/DegreeDays.h"

namespace tw {

// Oil used between two readings: the days from `start` up to (not including) `end`.
struct UsePeriod {
    QDate start;
    QDate end;
    double used = 0;
};

// How base and k were found.
enum class FitMethod {
    Both,           // both fitted by least squares
    NarrowSeason,   // base set to 15% of the mean use, only k fitted
    NoHeating,      // k came out negative, or no period had degree days: base alone
    NoBase,         // base came out negative: k alone, through zero
};

// Use per day = base + k x degree days of the day.
struct UseModel {
    double base = 0;  // per day, whatever the weather (hot water)
    double k = 0;     // per degree day (in the profile's unit)
    FitMethod method = FitMethod::Both;
};

struct FitResult {
    std::optional<UseModel> model;
    QString reason;  // why there is no model
};

// Periods whose mean degree days per day spread less than this share of the
// profile's yearly mean cannot tell the base from the heating (all in winter, or all
// whole years).
inline constexpr double kNarrowSeasonSpread = 0.2;
inline constexpr double kNarrowSeasonBaseShare = 0.15;

// Fits base and k to the periods by least squares on the use per day, each period
// weighted by its days. Periods with no days, invalid dates or a negative or unknown
// use are left out. Neither base nor k is ever negative.
FitResult FitUseModel(const std::vector<UsePeriod>& periods, const DegreeDayProfile& profile);

}  // namespace tw
