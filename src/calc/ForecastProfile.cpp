#include "calc/ForecastProfile.h"

namespace tw {

ChosenProfile ChooseProfile(ProfileChoice choice, const std::optional<ProfileRead>& csv,
                            const QLocale& locale) {
    switch (choice) {
    case ProfileChoice::Uk: return {UkProfile(), QString()};
    case ProfileChoice::German: return {GermanProfile(), QString()};
    case ProfileChoice::Auto:
    case ProfileChoice::File: break;
    }
    const DegreeDayProfile& fallback = DefaultProfile(locale);
    if (!csv) {
        if (choice == ProfileChoice::Auto) return {fallback, QString()};
        return {fallback, ReadDegreeDays(std::nullopt).reason + QStringLiteral(" The ") +
                              fallback.name + QStringLiteral(" profile is used.")};
    }
    if (csv->profile) return {*csv->profile, QString()};
    return {fallback, csv->reason + QStringLiteral(" The ") + fallback.name +
                          QStringLiteral(" profile is used.")};
}

}  // namespace tw
