#include "calc/ForecastText.h"

#include <QCoreApplication>
#include <QStringList>

#include "calc/Formats.h"

namespace tw {

namespace {

QString IsoDate(const std::optional<QDate>& date) {
    return date ? date->toString(Qt::ISODate) : QStringLiteral("none");
}

}  // namespace

QString ForecastReport(const FitResult& fit, const ForecastDates& dates) {
    if (!fit.model) return QStringLiteral("forecast: none\nreason: ") + fit.reason + '\n';
    const QLocale c = QLocale::c();
    return QStringList{QStringLiteral("run-out: ") + IsoDate(dates.runOut),
                       QStringLiteral("order-by: ") + IsoDate(dates.orderBy),
                       QStringLiteral("base: ") + FixedNumber(fit.model->base, 2, c),
                       QStringLiteral("k: ") + FixedNumber(fit.model->k, 3, c)}
               .join('\n') +
           '\n';
}

QString OrderByTooltip(const FitResult& fit, const ForecastDates& dates,
                       const DegreeDayProfile& profile, const QString& unit,
                       const QLocale& locale) {
    // The reason and the profile's unit are kept in English and shown translated.
    const auto shown = [](const QString& text) {
        return QCoreApplication::translate("Forecast", text.toUtf8().constData());
    };
    if (!fit.model) return QCoreApplication::translate("Forecast", "No forecast: %1").arg(shown(fit.reason));
    const QString runOut =
        dates.runOut ? QCoreApplication::translate("Forecast", "Runs out %1").arg(ShortDate(*dates.runOut, locale))
                     : QCoreApplication::translate("Forecast", "Does not run out within ten years");
    return QCoreApplication::translate("Forecast", "%1; %2 %3/day base + %4 %3 per %5")
        .arg(runOut, FixedNumber(fit.model->base, 1, locale), unit,
             FixedNumber(fit.model->k, 2, locale), shown(profile.unit));
}


}  // namespace tw
