#include "calc/ForecastProfile.h"

#include <QCoreApplication>

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
    const auto fellBack = [&](const QString& reason) {
        return QCoreApplication::translate("Forecast", "%1 The %2 profile is used.")
            .arg(reason, QCoreApplication::translate("Forecast", fallback.name.toUtf8().constData()));
    };
    if (!csv) {
        if (choice == ProfileChoice::Auto) return {fallback, QString()};
        return {fallback, fellBack(ReadDegreeDays(std::nullopt).reason)};
    }
    if (csv->profile) return {*csv->profile, QString()};
    return {fallback, fellBack(csv->reason)};

}

}  // namespace tw
