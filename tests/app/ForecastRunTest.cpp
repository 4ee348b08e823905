#include "app/ForecastRun.h"

#include <gtest/gtest.h>

#include "WorkFolder.h"

namespace tw {
namespace {

HistoryTableRow Row(QDate date, double oil, std::optional<qint64> days = {},
                    std::optional<double> used = {}) {
    return {date, oil, days, used, {}, {}, 0};
}

const std::vector<HistoryTableRow> kSaved = {Row({2020, 1, 1}, 900),
                                             Row({2020, 1, 31}, 600, 30, 300),
                                             Row({2020, 3, 1}, 1200, 30, 400)};
const CurrentCalculation kOlder{{2020, 1, 1}, {2020, 1, 31}, 300, 600};
const CurrentCalculation kNewer{{2020, 3, 1}, {2020, 3, 21}, 180, 1020};

struct BasisCase {
    const char* name;
    std::vector<HistoryTableRow> rows;
    std::optional<CurrentCalculation> current;
    std::vector<UsePeriod> periods;
    std::optional<QDate> start;
    double oilLeft;
};

class ForecastBasisFromLogs : public testing::TestWithParam<BasisCase> {};

TEST_P(ForecastBasisFromLogs, TakesTheTablesPeriodsAndTheNewestReading) {
    const BasisCase& c = GetParam();
    const ForecastBasis basis = BuildForecastBasis(c.rows, c.current);
    ASSERT_EQ(basis.periods.size(), c.periods.size());
    for (size_t i = 0; i < c.periods.size(); ++i) {
        EXPECT_EQ(basis.periods[i].start, c.periods[i].start) << i;
        EXPECT_EQ(basis.periods[i].end, c.periods[i].end) << i;
        EXPECT_EQ(basis.periods[i].used, c.periods[i].used) << i;
    }
    EXPECT_EQ(basis.startDate, c.start);
    EXPECT_EQ(basis.oilLeft, c.oilLeft);
}

const std::vector<UsePeriod> kSavedPeriods = {{{2020, 1, 1}, {2020, 1, 31}, 300},
                                              {{2020, 1, 31}, {2020, 3, 1}, 400}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ForecastBasisFromLogs,
    testing::Values(
        BasisCase{"SavedPeriodsAndLastReading", kSaved, kOlder, kSavedPeriods, QDate(2020, 3, 1), 1200},
        BasisCase{"UnsavedNewerReadingStarts", kSaved, kNewer, kSavedPeriods, QDate(2020, 3, 21), 1020},
        BasisCase{"NoSavedPeriodTakesTheCalculation", {Row({2019, 12, 1}, 100)}, kOlder,
                  {{{2020, 1, 1}, {2020, 1, 31}, 300}}, QDate(2020, 1, 31), 600},
        BasisCase{"PeriodsWithoutDaysLeftOut",
                  {Row({2020, 1, 1}, 900), Row({2020, 1, 1}, 800, 0, 100),
                   Row({2019, 12, 1}, 700, -31, 100)},
                  std::nullopt, {}, QDate(2019, 12, 1), 700},
        BasisCase{"NothingSavedNothingCalculated", {}, std::nullopt, {}, std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct FileCase {
    const char* name;
    QStringList settings;  // Data/Forecast.ini; none written when empty
    std::optional<QStringList> csv;
    bool csvUnreadable;
    const char* locale;
    const char* profile;
    const char* status;
};

class ForecastFiles : public testing::TestWithParam<FileCase> {};

TEST_P(ForecastFiles, UnusableFilesFallBackWithOneStatusLine) {
    const FileCase& c = GetParam();
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

const QStringList kTwelve = {"395,342,297,233,151,77,42,45,83,177,275,346"};

INSTANTIATE_TEST_SUITE_P(
    Cases, ForecastFiles,
    testing::Values(
        FileCase{"AutoWithoutFileIsSilent", {}, std::nullopt, false, "en_GB", "UK", ""},
        FileCase{"AutoTakesAUsableFile", {}, kTwelve, false, "en_GB", "DegreeDays.csv", ""},
        FileCase{"ShortFile", {}, QStringList{"Jan,395", "Feb,342"}, false, "de_DE", "German",
                 "DegreeDays.csv has 2 monthly values, not 12. The German profile is used."},
        FileCase{"NonNumericValue", {}, QStringList{"Jan,395", "Feb,lots"}, false, "en_GB", "UK",
                 "DegreeDays.csv has \"lots\", not a number, on line 2. The UK profile is used."},
        FileCase{"FileAskedForButMissing", {"Profile=File"}, std::nullopt, false, "en_GB", "UK",
                 "DegreeDays.csv is missing. The UK profile is used."},
        FileCase{"FileUnreadable", {}, kTwelve, true, "en_GB", "UK",
                 "DegreeDays.csv cannot be read. The UK profile is used."},
        FileCase{"ChosenProfileIgnoresABadFile", {"Profile=German"}, QStringList{"x"}, false,
                 "en_GB", "German", ""},
        FileCase{"BadSettingKeepsItsDefault", {"LeadDays=soon"}, std::nullopt, false, "en_GB", "UK",
                 "Forecast.ini: LeadDays=soon is not a whole number of days from 0 to 90; the "
                 "default is used."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ForecastFiles, NoReadingsGiveNoForecastAndSayWhy) {
    WorkFolder work;
    const ForecastRun run = RunForecast(work.files(), LogPaths{}, QLocale("en_GB"), 1200, std::nullopt);
    EXPECT_FALSE(run.fit.model.has_value());
    EXPECT_EQ(run.fit.reason, "No period with readings to fit.");
    EXPECT_FALSE(run.dates.orderBy.has_value());
}

}  // namespace
}  // namespace tw
