#include "app/ForecastRun.h"

#include <QCoreApplication>

#include "app/LogFileChecks.h"
#include "app/Program.h"
#include "calc/Fields.h"
#include "calc/ForecastProfile.h"
#include "calc/ForecastText.h"
#include "calc/Formats.h"
#include "calc/ShownValue.h"
#include "logs/RecentHistory.h"
#include "platform/Files.h"

namespace tw {

namespace {

// A missing file is nothing; one that cannot be read throws FileError.
std::optional<QString> TextOf(const Files& files, const QString& path) {
    if (!files.fileExists(path)) return std::nullopt;
    return files.readLines(path).join('\n');
}

ForecastSettingsRead ReadSettings(const Files& files) {
    try {
        if (const auto text = TextOf(files, kForecastSettingsPath)) return ReadForecastSettings(*text);
        return {};
    } catch (const FileError&) {
        return {{}, {QCoreApplication::translate("Forecast", "Forecast.ini cannot be read; the defaults are used.")}};
    }
}

std::optional<ProfileRead> ReadProfileFile(const Files& files) {
    try {
        const auto text = TextOf(files, kDegreeDaysPath);
        if (!text) return std::nullopt;
        return ReadDegreeDays(text);
    } catch (const FileError&) {
        return ProfileRead{std::nullopt, QCoreApplication::translate("Forecast", "DegreeDays.csv cannot be read.")};
    }
}


}  // namespace

ForecastRun RunForecast(const Files& files, const LogPaths& paths, const QLocale& locale,
                        double capacity, const std::vector<HistoryTableRow>* saved) {
    ForecastRun run;
    const ForecastSettingsRead read = ReadSettings(files);
    run.settings = read.settings;
    ChosenProfile chosen = ChooseProfile(run.settings.profile, ReadProfileFile(files), locale);
    run.profile = chosen.profile;
    run.status = chosen.status;
    if (run.status.isEmpty() && !read.problems.isEmpty()) run.status = read.problems.first();

    // The logs' own operations report a log that cannot be read; the forecast only
    // says so when it has nothing else to go on.
    std::vector<HistoryTableRow> rows;
    bool logsRead = true;
    if (!saved) {
        try {
            rows = ReadRecentHistoryTable(files, paths, locale);
        } catch (const FileError&) {
            logsRead = false;
        }
    }
    const ForecastBasis basis = BuildForecastBasis(saved ? *saved : rows);
    run.fit = FitUseModel(basis.periods, run.profile);
    if (!run.fit.model && !logsRead)
        run.fit.reason = QString::fromUtf8(QT_TRANSLATE_NOOP("Forecast", "The history log cannot be read."));
    if (run.fit.model && !basis.startDate)
        run.fit = {std::nullopt, QString::fromUtf8(QT_TRANSLATE_NOOP("Forecast", "No reading to start from."))};
    if (!run.fit.model) return run;

    run.start = {*basis.startDate, basis.oilLeft, capacity, run.settings.reservePercent,
                 run.settings.leadDays};
    run.dates = ForecastOil(*run.fit.model, run.profile, run.start);
    // Never order later than the lead time before the tanks empty by the plain
    // estimate of the last period either.
    run.fillUpBy = basis.fillUpBy;
    if (basis.fillUpBy) {
        const QDate byFillUp = basis.fillUpBy->addDays(-run.settings.leadDays);
        if (!run.dates.orderBy || byFillUp < *run.dates.orderBy) {
            run.dates.orderBy = byFillUp;
            run.orderBySetByFillUp = true;
        }
    }
    return run;
}

ForecastRun RunForecast(Program& p, const std::vector<HistoryTableRow>* saved) {
    const QLocale locale = p.desktop.locale();
    const MainModel& m = p.main;
    const double capacity =
        ShownValue(m.text(Ctl::TankACap), locale) + ShownValue(m.text(Ctl::TankBCap), locale);
    return RunForecast(p.files, LogPathsOf(p), locale, capacity, saved);
}

QString OrderByText(const ForecastRun& run, const QLocale& locale) {
    if (!run.fit.model || !run.dates.orderBy) return QString();
    return ShortDate(*run.dates.orderBy, locale);
}

QString DescribeForecast(Program& p, const ForecastRun& run) {
    const QString unit = p.st.VolumeUnit == QLatin1String("Gal") ? QStringLiteral("gal")
                                                                 : QStringLiteral("l");
    const QLocale locale = p.desktop.locale();
    QString text = OrderByTooltip(run.fit, run.dates, run.profile, unit, locale);
    if (!run.fit.model || !run.dates.orderBy) return text;
    const QString lead = QString::number(run.settings.leadDays);
    if (run.orderBySetByFillUp)
        text += QCoreApplication::translate("Forecast", ". Order by is set by Fill Up By %1 less %2 days' lead time, "
                                                        "which comes before the weather-aware date")
                    .arg(ShortDate(*run.fillUpBy, locale), lead);
    else
        text += QCoreApplication::translate("Forecast", ". Order by is set by the weather-aware date the tanks reach "
                                                        "the reserve, less %1 days' lead time")
                    .arg(lead);
    return text + QCoreApplication::translate("Forecast", ". From saved readings only.");
}

QString SummariseForecast(Program& p, const ForecastRun& run) {
    const QString orderBy = OrderByText(run, p.desktop.locale());
    const QString about = DescribeForecast(p, run);
    return orderBy.isEmpty() ? about
                             : QCoreApplication::translate("Forecast", "Order by %1.").arg(orderBy) + '\n' + about;
}

void ShowOrderBy(Program& p) {
    if (p.main.enabled(Ctl::Save)) {
        const QString unsaved = QCoreApplication::translate("MainWindow",
            "The forecast uses saved readings only: save this calculation to see when to order oil");
        p.main.setText(Ctl::OrderBy, QString());
        p.main.setTooltip(Ctl::OrderBy, unsaved);
        p.main.setText(Ctl::Forecast, unsaved);
        return;
    }
    const ForecastRun run = RunForecast(p);
    p.main.setText(Ctl::OrderBy, OrderByText(run, p.desktop.locale()));
    const QString about = DescribeForecast(p, run);
    p.main.setTooltip(Ctl::OrderBy, about);
    // Shown in the window too, so the keyboard and screen readers reach it.
    p.main.setText(Ctl::Forecast, about);
    if (!run.status.isEmpty()) p.setStatus(run.status);
}

QString SaveForecastSettings(Program& p, const ForecastSettings& settings) {
    try {
        p.files.writeAtomic(kForecastSettingsPath, ComposeForecastSettings(settings));
    } catch (const FileError&) {
        return QCoreApplication::translate("Forecast", "Unable to save the forecast settings to Data/Forecast.ini.");

    }
    // An Order By already shown follows the new settings.
    if (p.main.tooltip(Ctl::OrderBy) != DesignTooltip(Ctl::OrderBy)) ShowOrderBy(p);
    return QString();
}

}  // namespace tw
