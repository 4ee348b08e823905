// The run-out forecast: degree-day profiles, the fitted use, the day-by-day stepping,
// its settings file and its texts.
#include <gtest/gtest.h>

#include "calc/Forecast.h"
#include "calc/ForecastFit.h"
#include "calc/ForecastSettings.h"
#include "calc/ForecastText.h"

using namespace tw;

TEST(DegreeDays, ProfilesAndTheUsersFile) {
    EXPECT_DOUBLE_EQ(DegreeDaysOn(UkProfile(), {2027, 2, 28}), 342.0 / 28);
    EXPECT_DOUBLE_EQ(DegreeDaysOn(UkProfile(), {2028, 2, 29}), 342.0 / 29);
    for (int year : {2027, 2028}) {
        double uk = 0, de = 0;
        for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1))
            uk += DegreeDaysOn(UkProfile(), d), de += DegreeDaysOn(GermanProfile(), d);
        EXPECT_NEAR(uk + de * 1000, 2463 + 999900, 1e-6);
    }
    EXPECT_EQ(DefaultProfile(QLocale("de_AT")).name + DefaultProfile(QLocale("fr_FR")).name, "GermanUK");

    const QString twelve = "395\n342\n297\n233\n151\n77\n42\n45\n83\n177\n275\n346\n";
    struct Row { const char* name; std::optional<QString> text; double january; const char* reason; };
    const Row rows[] = {
        {"oneALine", twelve, 395, ""}, {"headerLabelsComments", "# mine\r\nMonth,HDD\r\nJan,400.5\r\n" + QString("x,77\r\n").repeated(11), 400.5, ""},
        {"rowWithDecimalCommas", "170;150;130;80;40;77;13,3;13,3;30;80;120;160", 170, ""}, {"missing", std::nullopt, 0, "DegreeDays.csv is missing."},
        {"short", "395\n342\n297\n", 0, "DegreeDays.csv has 3 monthly values, not 12."},
        {"word", "395\n342\nlots\n", 0, "DegreeDays.csv has \"lots\", not a number, on line 3."},
        {"negative", "395\n-342\n", 0, "DegreeDays.csv has a negative value on line 2."},
        {"noHeating", QString("0\n").repeated(12), 0, "DegreeDays.csv has no heating month."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ProfileRead read = ReadDegreeDays(r.text);
        EXPECT_EQ(read.reason, r.reason);
        EXPECT_EQ(read.profile ? read.profile->months[0] : 0, r.january);
        EXPECT_EQ(read.profile ? read.profile->months[5] : 77, 77);
    }
}

// Readings every `step` days, each period's use made from known base and k.
static std::vector<UsePeriod> History(const DegreeDayProfile& profile, double base, double k, QDate from,
                               QDate to, int step) {
    std::vector<UsePeriod> periods;
    for (QDate a = from; a < to; a = a.addDays(step)) {
        const QDate b = std::min(a.addDays(step), to);
        double used = 0;
        for (QDate d = a; d < b; d = d.addDays(1)) used += base + k * DegreeDaysOn(profile, d);
        periods.push_back({a, b, used});
    }
    return periods;
}

TEST(ForecastFit, RecoversKnownBaseAndKToOnePercent) {
    struct Row { const char* name; const DegreeDayProfile& profile; double base, k; QDate from, to; int step; };
    const Row rows[] = {
        {"ukMonthlyLeapYear", UkProfile(), 3.2, 0.85, {2027, 9, 1}, {2028, 9, 1}, 30},
        {"germanMonthly", GermanProfile(), 2.5, 3.1, {2026, 1, 1}, {2027, 1, 1}, 31},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const FitResult fit = FitUseModel(History(r.profile, r.base, r.k, r.from, r.to, r.step), r.profile);
        ASSERT_TRUE(fit.model);
        EXPECT_EQ(fit.model->method, FitMethod::Both);
        EXPECT_NEAR(fit.model->base, r.base, 0.01 * r.base);
        EXPECT_NEAR(fit.model->k, r.k, 0.01 * r.k);
    }
}

TEST(ForecastFit, FallsBackWithoutNegativeValues) {
    struct Row { const char* name; std::vector<UsePeriod> periods; FitMethod method; double base; bool heating; };
    const Row rows[] = {
        {"allInWinter", {{{2026, 12, 1}, {2027, 1, 1}, 310}, {{2027, 1, 1}, {2027, 2, 1}, 620}, {{2027, 2, 1}, {2027, 3, 1}, 560}},
         FitMethod::NarrowSeason, 0.15 * 1490 / 90, true},
        {"moreInSummer", {{{2027, 1, 1}, {2027, 2, 1}, 31}, {{2027, 4, 1}, {2027, 5, 1}, 60}, {{2027, 7, 1}, {2027, 8, 1}, 93}},
         FitMethod::NoHeating, 184.0 / 92, false},
        {"negativeBase", {{{2027, 1, 1}, {2027, 2, 1}, 1.2 * 395 - 15.5}, {{2027, 4, 1}, {2027, 5, 1}, 1.2 * 233 - 15},
                          {{2027, 7, 1}, {2027, 8, 1}, 1.2 * 42 - 15.5}}, FitMethod::NoBase, 0, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const FitResult fit = FitUseModel(r.periods, UkProfile());
        ASSERT_TRUE(fit.model);
        EXPECT_EQ(fit.model->method, r.method);
        EXPECT_NEAR(fit.model->base, r.base, 1e-9);
        EXPECT_EQ(fit.model->k > 0, r.heating);
    }
    const FitResult none = FitUseModel({{{2027, 1, 1}, {2027, 1, 1}, 10}, {{2027, 2, 1}, {2027, 1, 1}, 10},
                                        {{2027, 1, 1}, {2027, 2, 1}, -40}, {QDate(), {2027, 2, 1}, 40}}, UkProfile());
    EXPECT_FALSE(none.model);
    EXPECT_EQ(none.reason, "No period with readings to fit.");
}

TEST(Forecast, StepsDayByDayToTheReserveAndRunOut) {
    const UseModel k25{25, 0, FitMethod::Both};
    struct Row { const char* name; UseModel model; ForecastStart start; std::optional<QDate> runOut, reserve, orderBy; };
    const Row rows[] = {
        {"wholeDays", k25, {{2027, 5, 10}, 100, 0, 15, 10}, QDate(2027, 5, 14), QDate(2027, 5, 14), QDate(2027, 5, 4)},
        {"partDayIsTheNextDate", k25, {{2027, 5, 10}, 101, 0, 15, 10}, QDate(2027, 5, 15), QDate(2027, 5, 15), QDate(2027, 5, 5)},
        {"acrossTheYearEnd", k25, {{2026, 12, 30}, 100, 0, 15, 10}, QDate(2027, 1, 3), QDate(2027, 1, 3), QDate(2026, 12, 24)},
        {"acrossALeapDay", k25, {{2028, 2, 27}, 100, 0, 15, 0}, QDate(2028, 3, 2), QDate(2028, 3, 2), QDate(2028, 3, 2)},
        // 15% of 1000 is 150, reached after 10 days of 25; ordered 10 days before.
        {"reserveLessLead", k25, {{2027, 5, 10}, 400, 1000, 15, 10}, QDate(2027, 5, 26), QDate(2027, 5, 20), QDate(2027, 5, 10)},
        {"alreadyInReserve", k25, {{2027, 5, 10}, 100, 1000, 15, 10}, QDate(2027, 5, 14), QDate(2027, 5, 10), QDate(2027, 4, 30)},
        // Heating alone: 342.1 from 1 February, 0.1 left for 1 March.
        {"heatingFollowsMonths", {0, 1, FitMethod::NoBase}, {{2027, 2, 1}, 342.1, 0, 0, 0}, QDate(2027, 3, 2), QDate(2027, 3, 2), QDate(2027, 3, 2)},
        {"noUse", {0, 0, FitMethod::NoHeating}, {{2027, 5, 10}, 500, 1000, 15, 10}, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ForecastDates f = ForecastOil(r.model, UkProfile(), r.start);
        EXPECT_EQ(f.runOut, r.runOut);
        EXPECT_EQ(f.reserve, r.reserve);
        EXPECT_EQ(f.orderBy, r.orderBy);
    }
    // The chart's points: the start, each first of a month (a straight line between them,
    // the use being steady within a month), and the run-out date at zero.
    const ForecastDates f = ForecastOil({0, 1, FitMethod::NoBase}, UkProfile(), {{2027, 1, 20}, 600, 0, 0, 0});
    const std::vector<std::pair<QDate, double>> levels = {{{2027, 1, 20}, 600}, {{2027, 2, 1}, 600 - 12 * 395.0 / 31},
                                                          {{2027, 3, 1}, 600 - 12 * 395.0 / 31 - 342}, {{2027, 3, 12}, 0}};
    ASSERT_EQ(f.levels.size(), levels.size());
    for (size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(f.levels[i].date, levels[i].first);
        EXPECT_NEAR(f.levels[i].oil, levels[i].second, 1e-9);
    }
}

TEST(ForecastSettings, ReadInBoundsAndWrittenBack) {
    struct Row { const char* name; QString text; ForecastSettings settings; qsizetype problems; };
    const Row rows[] = {
        {"noFile", "", {15, 10, ProfileChoice::Auto}, 0},
        {"allSet", "[Forecast]\r\nReserve=12.5\r\nLeadDays=0\r\nprofile=german\r\n", {12.5, 0, ProfileChoice::German}, 0},
        {"upperBoundsAndComments", "# Reserve=50\nColour=red\nReserve=90\nLeadDays=90\nProfile=Uk\n", {90, 90, ProfileChoice::Uk}, 0},
        {"outOfBounds", "Reserve=90.5\nLeadDays=-1\nProfile=File\n", {15, 10, ProfileChoice::File}, 2},
        {"commaAndFractions", "Reserve=12,5\nLeadDays=2.5\nProfile=Moon\n", {15, 10, ProfileChoice::Auto}, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ForecastSettingsRead read = ReadForecastSettings(r.text);
        EXPECT_EQ(read.settings, r.settings);
        EXPECT_EQ(read.problems.size(), r.problems);
        EXPECT_EQ(ReadForecastSettings(ComposeForecastSettings(r.settings)).settings, r.settings);
    }
}

TEST(ForecastText, ReportAndTooltip) {
    const FitResult fit{UseModel{12.4, 0.6149, FitMethod::Both}, QString()};
    const FitResult noFit{std::nullopt, "No period with readings to fit."};
    const ForecastDates dates{QDate(2027, 2, 14), std::nullopt, QDate(2027, 1, 9), {}};
    EXPECT_EQ(ForecastReport(fit, dates), "run-out: 2027-02-14\norder-by: 2027-01-09\nbase: 12.40\nk: 0.615\n");
    EXPECT_EQ(ForecastReport(fit, {}), "run-out: none\norder-by: none\nbase: 12.40\nk: 0.615\n");
    EXPECT_EQ(ForecastReport(noFit, {}), "forecast: none\nreason: No period with readings to fit.\n");
    EXPECT_EQ(OrderByTooltip(fit, {}, GermanProfile(), "l", QLocale("de_DE")),
              QString::fromUtf8("Does not run out within ten years; 12,4 l/day base + 0,61 l per ‰ of the heating year"));
    EXPECT_EQ(OrderByTooltip(noFit, {}, UkProfile(), "l", QLocale("fr_FR")), "No forecast: No period with readings to fit.");
}
