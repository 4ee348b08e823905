#include "app/ForecastRun.h"

#include <gtest/gtest.h>

#include "WorkFolder.h"

namespace tw {
namespace {

HistoryTableRow Row(QDate date, double oil, std::optional<qint64> days = {}, std::optional<double> used = {}) {
    return {date, oil, days, used, {}, {}, 0};
}

// "start end used" per period, one per line, so a whole list compares at once.
QString Text(const std::vector<UsePeriod>& periods) {
    QString text;
    for (const UsePeriod& p : periods)
        text += p.start.toString(Qt::ISODate) + " " + p.end.toString(Qt::ISODate) + " " + QString::number(p.used) + "\n";
    return text;
}

const CurrentCalculation kOlder{{2020, 1, 1}, {2020, 1, 31}, 300, 600};
const CurrentCalculation kNewer{{2020, 3, 1}, {2020, 3, 21}, 180, 1020};

TEST(ForecastBasis, TakesTheTablesPeriodsAndTheNewestReading) {
    const std::vector<HistoryTableRow> saved = {Row({2020, 1, 1}, 900), Row({2020, 1, 31}, 600, 30, 300),
                                                Row({2020, 3, 1}, 1200, 30, 400)};
    const QString savedPeriods = "2020-01-01 2020-01-31 300\n2020-01-31 2020-03-01 400\n";
    struct Case { const char* name; std::vector<HistoryTableRow> rows; std::optional<CurrentCalculation> current;
                  QString periods; std::optional<QDate> start; double oilLeft; };
    const Case cases[] = {
        {"savedPeriodsAndLastReading", saved, kOlder, savedPeriods, QDate(2020, 3, 1), 1200},
        {"unsavedNewerReadingStarts", saved, kNewer, savedPeriods, QDate(2020, 3, 21), 1020},
        {"noSavedPeriodTakesTheCalculation", {Row({2019, 12, 1}, 100)}, kOlder, "2020-01-01 2020-01-31 300\n",
         QDate(2020, 1, 31), 600},
        {"periodsWithoutDaysLeftOut", {Row({2020, 1, 1}, 900), Row({2020, 1, 1}, 800, 0, 100), Row({2019, 12, 1}, 700, -31, 100)},
         std::nullopt, "", QDate(2019, 12, 1), 700},
        {"nothingSavedNothingCalculated", {}, std::nullopt, "", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ForecastBasis basis = BuildForecastBasis(c.rows, c.current);
        EXPECT_EQ(Text(basis.periods), c.periods);
        EXPECT_EQ(basis.startDate, c.start);
        EXPECT_EQ(basis.oilLeft, c.oilLeft);
    }
}

TEST(ForecastFiles, UnusableFilesFallBackWithOneStatusLine) {
    const QStringList twelve = {"395,342,297,233,151,77,42,45,83,177,275,346"};
    // settings: Data/Forecast.ini, none written when empty.
    struct Case { const char* name; QStringList settings; std::optional<QStringList> csv; bool csvUnreadable;
                  const char* locale, *profile, *status; };
    const Case cases[] = {
        {"autoTakesAUsableFile", {}, twelve, false, "en_GB", "DegreeDays.csv", ""},
        {"shortFile", {}, QStringList{"Jan,395", "Feb,342"}, false, "de_DE", "German",
         "DegreeDays.csv has 2 monthly values, not 12. The German profile is used."},
        {"fileAskedForButMissing", {"Profile=File"}, std::nullopt, false, "en_GB", "UK",
         "DegreeDays.csv is missing. The UK profile is used."},
        {"fileUnreadable", {}, twelve, true, "en_GB", "UK", "DegreeDays.csv cannot be read. The UK profile is used."},
        {"chosenProfileIgnoresABadFile", {"Profile=German"}, QStringList{"x"}, false, "en_GB", "German", ""},
        {"badSettingKeepsItsDefault", {"LeadDays=soon"}, std::nullopt, false, "en_GB", "UK",
         "Forecast.ini: LeadDays=soon is not a whole number of days from 0 to 90; the default is used."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkFolder work;
        ASSERT_TRUE(c.settings.isEmpty() || work.write(kForecastSettingsPath, c.settings));
        ASSERT_TRUE(!c.csv || work.write(kDegreeDaysPath, *c.csv));
        if (c.csvUnreadable) work.denyRead(kDegreeDaysPath);
        const ForecastRun run = RunForecast(work.files(), LogPaths{}, QLocale(c.locale), 1200, kNewer);
        EXPECT_EQ(run.profile.name, c.profile);
        EXPECT_EQ(run.status, c.status);
        // Whatever the files held, the calculation alone still gives a forecast.
        ASSERT_TRUE(run.fit.model.has_value());
        EXPECT_EQ(run.start.date, QDate(2020, 3, 21));
        EXPECT_TRUE(run.dates.runOut.has_value());
    }
    WorkFolder work;
    const ForecastRun none = RunForecast(work.files(), LogPaths{}, QLocale("en_GB"), 1200, std::nullopt);
    EXPECT_FALSE(none.fit.model.has_value());
    EXPECT_EQ(none.fit.reason, "No period with readings to fit.");
    EXPECT_FALSE(none.dates.orderBy.has_value());
}

}  // namespace
}  // namespace tw
