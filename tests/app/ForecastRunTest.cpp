#include "app/ForecastRun.h"

#include <gtest/gtest.h>

#include "WorkFolder.h"

namespace tw {
namespace {

HistoryTableRow Row(QDate date, double oil, std::optional<qint64> days = {}, std::optional<double> used = {}) {
    return {date, oil, days, used, {}, {}, 0, 0, {}, {}};
}

// "start end used" per period, one per line, so a whole list compares at once.
QString Text(const std::vector<UsePeriod>& periods) {
    QString text;
    for (const UsePeriod& p : periods)
        text += p.start.toString(Qt::ISODate) + " " + p.end.toString(Qt::ISODate) + " " + QString::number(p.used) + "\n";
    return text;
}

// A winter and spring of saved periods, the last ending on 21 March with 1020 l.
std::vector<HistoryTableRow> Saved() {
    std::vector<HistoryTableRow> rows = {Row({2020, 1, 1}, 900), Row({2020, 1, 31}, 600, 30, 300),
                                         Row({2020, 3, 1}, 1200, 30, 400), Row({2020, 3, 21}, 1020, 20, 180)};
    rows.back().perDay = 9;
    return rows;
}

TEST(ForecastBasis, TakesTheSavedPeriodsAndTheLastReading) {
    const QString savedPeriods =
        "2020-01-01 2020-01-31 300\n2020-01-31 2020-03-01 400\n2020-03-01 2020-03-21 180\n";
    struct Case { const char* name; std::vector<HistoryTableRow> rows; QString periods;
                  std::optional<QDate> start; double oilLeft; std::optional<QDate> fillUpBy; };
    const Case cases[] = {
        // 1020 l at 9 l a day: 113 whole days.
        {"savedPeriodsAndLastReading", Saved(), savedPeriods, QDate(2020, 3, 21), 1020, QDate(2020, 7, 12)},
        {"periodsWithoutDaysLeftOut", {Row({2020, 1, 1}, 900), Row({2020, 1, 1}, 800, 0, 100), Row({2019, 12, 1}, 700, -31, 100)},
         "", QDate(2019, 12, 1), 700, std::nullopt},
        {"nothingSaved", {}, "", std::nullopt, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ForecastBasis basis = BuildForecastBasis(c.rows);
        EXPECT_EQ(Text(basis.periods), c.periods);
        EXPECT_EQ(basis.startDate, c.start);
        EXPECT_EQ(basis.oilLeft, c.oilLeft);
        EXPECT_EQ(basis.fillUpBy, c.fillUpBy);
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
        const auto saved = Saved();
        const ForecastRun run = RunForecast(work.files(), LogPaths{}, QLocale(c.locale), 1200, &saved);
        EXPECT_EQ(run.profile.name, c.profile);
        EXPECT_EQ(run.status, c.status);
        // Whatever the files held, the saved periods still give a forecast, and its
        // order-by date is never after Fill Up By less the lead time.
        ASSERT_TRUE(run.fit.model.has_value());
        EXPECT_EQ(run.start.date, QDate(2020, 3, 21));
        EXPECT_TRUE(run.dates.runOut.has_value());
        ASSERT_TRUE(run.dates.orderBy.has_value());
        EXPECT_LE(*run.dates.orderBy, QDate(2020, 7, 12).addDays(-run.settings.leadDays));
        EXPECT_EQ(run.orderBySetByFillUp, *run.dates.orderBy == QDate(2020, 7, 12).addDays(-run.settings.leadDays));
    }
    WorkFolder work;
    const ForecastRun none = RunForecast(work.files(), LogPaths{}, QLocale("en_GB"), 1200);
    EXPECT_FALSE(none.fit.model.has_value());
    EXPECT_EQ(none.fit.reason, "No period with readings to fit.");
    EXPECT_FALSE(none.dates.orderBy.has_value());
}

}  // namespace
}  // namespace tw
