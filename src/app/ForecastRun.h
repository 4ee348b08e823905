#pragma once
#include <QLocale>
#include <QString>
#include <optional>

#include "calc/DegreeDays.h"
#include "calc/Forecast.h"
#include "calc/ForecastFit.h"
#include "calc/ForecastSettings.h"
#include "logs/ForecastBasis.h"
#include "logs/LogFiles.h"

namespace tw {
class Files;
class Program;

inline const QString kForecastSettingsPath = QStringLiteral("Data/Forecast.ini");
inline const QString kDegreeDaysPath = QStringLiteral("Data/DegreeDays.csv");

// Everything one forecast worked out, for the Order By field, the History chart and
// `tankwise --forecast`.
struct ForecastRun {
    ForecastSettings settings;
    DegreeDayProfile profile;
    FitResult fit;
    ForecastStart start;
    ForecastDates dates;  // orderBy: the earlier of the two estimates less the lead time
    std::optional<QDate> fillUpBy;  // the last saved calculation's Fill Up By
    bool orderBySetByFillUp = false;  // Fill Up By, not the weather-aware reserve date
    QString status;  // one line when a file was not usable; else empty
};

// Reads Data/Forecast.ini, Data/DegreeDays.csv and the saved logs, fits the use and
// steps the oil forward. Only saved calculations count, so the Order By field, the
// History window and `tankwise --forecast` give one answer for the same logs. Never
// throws: a file that cannot be read gives its defaults and the status line, logs
// that give nothing to fit give no model and its reason. `saved`: the history table
// as a caller already read it (the History window), so the logs are not read a
// second time.
ForecastRun RunForecast(const Files& files, const LogPaths& paths, const QLocale& locale,
                        double capacity, const std::vector<HistoryTableRow>* saved = nullptr);
// The same for the running program: its logs and tanks.
ForecastRun RunForecast(Program& p, const std::vector<HistoryTableRow>* saved = nullptr);

// The Order By field, its tooltip, the forecast line and any status line, from the
// saved logs. A calculation not saved yet empties them and says so: saving it
// brings the forecast back.
void ShowOrderBy(Program& p);
// The order-by date in the user's short form; empty without a forecast.
QString OrderByText(const ForecastRun& run, const QLocale& locale);

// The run-out date and the fitted use in the window's units, or why there is no
// forecast (the Order By tooltip).
QString DescribeForecast(Program& p, const ForecastRun& run);

// The History window's words on the forecast: the order-by date, then the above.
QString SummariseForecast(Program& p, const ForecastRun& run);

// Writes Data/Forecast.ini; empty on success, else the line saying why not.
QString SaveForecastSettings(Program& p, const ForecastSettings& settings);

}  // namespace tw
