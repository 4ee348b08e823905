#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace tw {

// A monthly climate profile: how much heating each calendar month needs, in degree
// days or in shares of the heating year. Only the months' proportions and scale
// matter to the forecast, which fits its own litres per unit.
struct DegreeDayProfile {
    QString name;                   // "UK", "German" or "DegreeDays.csv"
    QString unit;                   // what one unit is, for the tooltip ("degree day")
    std::array<double, 12> months;  // January first
};

// Monthly heating degree days to base 15.5 C, the standard UK figures.
const DegreeDayProfile& UkProfile();
// The monthly per-mille shares of the heating year used for German heating-cost bills.
const DegreeDayProfile& GermanProfile();
// The German shares where the locale's country is German-speaking, else the UK figures.
const DegreeDayProfile& DefaultProfile(const QLocale& locale);

// The month's value spread evenly over its days (a leap February has 29 shares).
double DegreeDaysOn(const DegreeDayProfile& profile, const QDate& day);

// A user's own profile: either all twelve values or one line saying why not, so the
// caller falls back to its default and never forecasts from half a file.
struct ProfileRead {
    std::optional<DegreeDayProfile> profile;
    QString reason;
};

// Reads the text of Data/DegreeDays.csv (std::nullopt: the file is missing). Lines
// starting with '#' are comments; a first line whose value is not a number is a
// header. The values are one a line (after an optional label, as in "Jan,395") or
// twelve on one line; with ';' as the separator a comma is a decimal comma.
ProfileRead ReadDegreeDays(const std::optional<QString>& text);

}  // namespace tw
