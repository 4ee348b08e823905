#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/ForecastRun.h"
#include "calc/StatementPeriod.h"
#include "logs/SavedCalculation.h"
#include "logs/StatementText.h"

namespace tw {
class Files;
class Program;

// What a statement takes from the settings and the folder besides the logs.
struct StatementSource {
    TaxRates rates;           // for periods no saved delivery gives rates for
    double co2PerUnit = 0;    // kg (lb) of CO2 per litre (gallon)
    double capacity = 0;
    bool gallons = false, pounds = false;
    QString household;        // the working folder's name
};

// The saved calculations and the forecast's profile and fitted use: every
// statement of one folder is worked out from these.
struct StatementData {
    std::vector<SavedCalculation> calcs;
    ForecastRun forecast;
    StatementSource source;
    QLocale locale;
    bool read = false;  // false: a log could not be read
};

StatementData ReadStatementData(const Files& files, const LogPaths& paths, const QLocale& locale,
                                const StatementSource& source);
StatementData ReadStatementData(Program& p);

UseWeights WeightsOf(const StatementData& data);
SeasonStatement StatementFor(const StatementData& data, const StatementPeriod& period);
StatementDocument StatementDocumentFor(const StatementData& data, const StatementPeriod& period,
                                       const QDate& today);

// The heating seasons, then the calendar years, that saved calculations reach
// into, newest first.
std::vector<StatementPeriod> PeriodsWithReadings(const std::vector<SavedCalculation>& calcs);
// The latest heating season that the readings cover to its end, else the latest one.
std::optional<StatementPeriod> DefaultStatementPeriod(const std::vector<SavedCalculation>& calcs);

// The settings a statement needs, from the text of Data/Tankwise.ini.
StatementSource StatementSourceFromConfiguration(const QStringList& lines, const QLocale& locale);

}  // namespace tw
