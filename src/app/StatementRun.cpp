#include "app/StatementRun.h"

#include <QDir>
#include <QFileInfo>

#include "app/ForecastCommand.h"
#include "app/LogFileChecks.h"
#include "app/Program.h"
#include "app/ViewLog.h"
#include "calc/Fields.h"
#include "calc/ShownValue.h"
#include "logs/HistoryTable.h"
#include "logs/SavedReports.h"
#include "platform/Files.h"
#include "platform/Version.h"

namespace tw {

StatementData ReadStatementData(const Files& files, const LogPaths& paths, const QLocale& locale,
                                const StatementSource& source) {
    StatementData data;
    data.source = source;
    data.locale = locale;
    std::vector<HistoryTableRow> rows;
    try {
        const SavedHistory history = ReadSavedHistory(files, paths.history, paths.delivery, locale);
        data.calcs = PairCalculations(history, source.rates, ReportedUseFrom(files, paths.results, locale));
        rows = BuildHistoryTable(history, data.calcs);
        data.read = true;
    } catch (const FileError&) {
        data.calcs.clear();
    }
    // The forecast's own profile and fit, so the two never disagree on the weather.
    data.forecast = RunForecast(files, paths, locale, source.capacity, &rows);
    return data;
}

StatementData ReadStatementData(Program& p) {
    const QLocale locale = p.desktop.locale();
    StatementSource source;
    source.rates = CurrentTaxRates(p);
    source.co2PerUnit = ShownValue(p.main.text(Ctl::CORate), locale);
    source.capacity =
        ShownValue(p.main.text(Ctl::TankACap), locale) + ShownValue(p.main.text(Ctl::TankBCap), locale);
    source.gallons = p.st.VolumeUnit == QLatin1String("Gal");
    source.pounds = p.st.MassUnit == QLatin1String("lb");
    source.household = QDir(p.files.root()).dirName();
    return ReadStatementData(p.files, LogPathsOf(p), locale, source);
}

UseWeights WeightsOf(const StatementData& data) {
    return UseWeights(data.forecast.fit.model, data.forecast.profile);
}

SeasonStatement StatementFor(const StatementData& data, const StatementPeriod& period) {
    return BuildSeasonStatement(data.calcs, period, WeightsOf(data), data.source.co2PerUnit);
}

StatementDocument StatementDocumentFor(const StatementData& data, const StatementPeriod& period,
                                       const QDate& today) {
    const StatementWords words{data.source.household, VersionText(), today, data.locale,
                               data.source.gallons, data.source.pounds, data.forecast.profile.name};
    return ComposeStatement(StatementFor(data, period), WeightsOf(data), words);
}

std::vector<StatementPeriod> PeriodsWithReadings(const std::vector<SavedCalculation>& calcs) {
    std::vector<StatementPeriod> periods;
    QDate first, last;
    for (const SavedCalculation& c : calcs) {
        if (c.days() < 1) continue;
        if (!first.isValid() || c.from.date < first) first = c.from.date;
        if (!last.isValid() || c.to.date > last) last = c.to.date;
    }
    if (!first.isValid()) return periods;
    const QDate lastDay = last.addDays(-1);
    for (int y = SeasonOf(lastDay).start.year(); y >= SeasonOf(first).start.year(); --y)
        periods.push_back(HeatingSeason(y));
    for (int y = lastDay.year(); y >= first.year(); --y) periods.push_back(CalendarYear(y));
    return periods;
}

std::optional<StatementPeriod> DefaultStatementPeriod(const std::vector<SavedCalculation>& calcs) {
    const auto periods = PeriodsWithReadings(calcs);
    if (periods.empty()) return std::nullopt;
    QDate last;
    for (const SavedCalculation& c : calcs) last = std::max(last, c.to.date);
    for (const StatementPeriod& p : periods)
        if (p.season && p.end <= last) return p;
    return periods.front();
}

StatementSource StatementSourceFromConfiguration(const QStringList& lines, const QLocale& locale) {
    StatementSource source;
    source.rates = TaxRatesFromConfiguration(lines, locale);
    source.capacity = CapacityFromConfiguration(lines, locale);
    for (const QString& line : lines) {
        // The CO2 factor is kept as it is; the unit choices plus one.
        if (line.startsWith(QLatin1String("CORate="))) source.co2PerUnit = SettingNumber(line.mid(7), locale);
        if (line.startsWith(QLatin1String("TUnitsB="))) source.gallons = SettingNumber(line.mid(8), locale) == 2;
        if (line.startsWith(QLatin1String("TUnitsC="))) source.pounds = SettingNumber(line.mid(8), locale) == 2;
    }
    return source;
}

}  // namespace tw
