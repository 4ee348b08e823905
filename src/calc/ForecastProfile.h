#pragma once
#include <QLocale>
#include <QString>
#include <optional>

#include "calc/DegreeDays.h"
#include "calc/ForecastSettings.h"

namespace tw {

struct ChosenProfile {
    DegreeDayProfile profile;
    QString status;  // one line when the user's file was not usable; else empty
};

// The profile the settings ask for. `csv` is Data/DegreeDays.csv as read (nothing
// when the file is missing). Automatic takes the file when there is one and the
// locale's default otherwise, silently; asking for the file when it is missing, or
// a file that cannot be used, falls back to the default and says so.
ChosenProfile ChooseProfile(ProfileChoice choice, const std::optional<ProfileRead>& csv,
                            const QLocale& locale);

}  // namespace tw
