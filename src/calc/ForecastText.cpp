#include "calc/ForecastText.h"

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
    if (!fit.model) return QStringLiteral("No forecast: ") + fit.reason;
    const QString runOut = dates.runOut
                               ? QStringLiteral("Runs out ") + ShortDate(*dates.runOut, locale)
                               : QStringLiteral("Does not run out within ten years");
    return QStringLiteral("%1; %2 %3/day base + %4 %3 per %5")
        .arg(runOut, FixedNumber(fit.model->base, 1, locale), unit,
             FixedNumber(fit.model->k, 2, locale), profile.unit);
}

}  // namespace tw
