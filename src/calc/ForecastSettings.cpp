#include "calc/ForecastSettings.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>
#include <optional>

#include "calc/Formats.h"

namespace tw {

namespace {

struct ProfileName {
    ProfileChoice choice;
    const char* name;
};
constexpr ProfileName kProfileNames[] = {{ProfileChoice::Auto, "Auto"},
                                         {ProfileChoice::Uk, "UK"},
                                         {ProfileChoice::German, "German"},
                                         {ProfileChoice::File, "File"}};

std::optional<double> PeriodNumber(const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);  // C locale: never a decimal comma
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

ForecastSettingsRead ReadForecastSettings(const QString& text) {
    ForecastSettingsRead out;
    const auto problem = [&](const QString& key, const QString& value, const QString& allowed) {
        out.problems << QCoreApplication::translate("Forecast", "Forecast.ini: %1=%2 is not %3; the default is used.")
                            .arg(key, value, allowed);
    };
    for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString line = raw.trimmed();
        const qsizetype eq = line.indexOf('=');
        if (line.startsWith('#') || line.startsWith(';') || eq < 1) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();

        if (key.compare(QLatin1String("Reserve"), Qt::CaseInsensitive) == 0) {
            const auto v = PeriodNumber(value);
            if (v && *v >= 0 && *v <= kMaxReservePercent)
                out.settings.reservePercent = *v;
            else
                problem(key, value,
                        QCoreApplication::translate("Forecast", "a percentage from 0 to %1").arg(kMaxReservePercent));
        } else if (key.compare(QLatin1String("LeadDays"), Qt::CaseInsensitive) == 0) {
            bool ok = false;
            const int v = value.toInt(&ok);
            if (ok && v >= 0 && v <= kMaxLeadDays)
                out.settings.leadDays = v;
            else
                problem(key, value,
                        QCoreApplication::translate("Forecast", "a whole number of days from 0 to %1").arg(kMaxLeadDays));
        } else if (key.compare(QLatin1String("Profile"), Qt::CaseInsensitive) == 0) {
            bool known = false;
            for (const ProfileName& p : kProfileNames)
                if (value.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0) {
                    out.settings.profile = p.choice;
                    known = true;
                }
            if (!known) problem(key, value, QCoreApplication::translate("Forecast", "Auto, UK, German or File"));

        }
    }
    return out;
}

QString ComposeForecastSettings(const ForecastSettings& settings) {
    QString profile;
    for (const ProfileName& p : kProfileNames)
        if (p.choice == settings.profile) profile = QLatin1String(p.name);
    return QStringLiteral(
               "# Tankwise forecast settings\r\n"
               "# Reserve: percent of the tanks' capacity; LeadDays: days from order to "
               "delivery;\r\n"
               "# Profile: Auto, UK, German or File (Data/DegreeDays.csv)\r\n"
               "[Forecast]\r\n"
               "Reserve=%1\r\n"
               "LeadDays=%2\r\n"
               "Profile=%3\r\n")
        .arg(GeneralNumber(settings.reservePercent))
        .arg(settings.leadDays)
        .arg(profile);
}

}  // namespace tw
