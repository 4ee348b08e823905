#include <gtest/gtest.h>

#include "calc/ForecastFit.h"

namespace tw {
namespace {

// Readings every `step` days from `from` to `to`, each period's use made from the model.
std::vector<UsePeriod> History(const DegreeDayProfile& profile, double base, double k,
                               QDate from, QDate to, int step) {
    std::vector<UsePeriod> periods;
    for (QDate a = from; a < to; a = a.addDays(step)) {
        const QDate b = std::min(a.addDays(step), to);
        double used = 0;
        for (QDate d = a; d < b; d = d.addDays(1)) used += base + k * DegreeDaysOn(profile, d);
        periods.push_back({a, b, used});
    }
    return periods;
}

struct RecoverRow {
    const char* name;
    const DegreeDayProfile* profile;
    double base, k;
    QDate from, to;
    int step;
};

class FitRecovers : public testing::TestWithParam<RecoverRow> {};

TEST_P(FitRecovers, KnownBaseAndKToOnePercent) {
    const RecoverRow& r = GetParam();
    const FitResult fit = FitUseModel(History(*r.profile, r.base, r.k, r.from, r.to, r.step), *r.profile);
    ASSERT_TRUE(fit.model) << fit.reason.toStdString();
    EXPECT_EQ(fit.model->method, FitMethod::Both);
    EXPECT_NEAR(fit.model->base, r.base, 0.01 * r.base);
    EXPECT_NEAR(fit.model->k, r.k, 0.01 * r.k);
}

INSTANTIATE_TEST_SUITE_P(
    Forecast, FitRecovers,
    testing::Values(
        RecoverRow{"ukMonthlyOverALeapYear", &UkProfile(), 3.2, 0.85, {2027, 9, 1}, {2028, 9, 1}, 30},
        RecoverRow{"ukIrregularOverTwoYears", &UkProfile(), 1.5, 1.4, {2026, 3, 17}, {2028, 4, 2}, 47},
        RecoverRow{"germanMonthly", &GermanProfile(), 2.5, 3.1, {2026, 1, 1}, {2027, 1, 1}, 31},
        RecoverRow{"germanOctoberToMay", &GermanProfile(), 4.0, 1.9, {2027, 10, 1}, {2028, 5, 31}, 21}),
    [](const auto& info) { return std::string(info.param.name); });

struct ClampRow {
    const char* name;
    std::vector<UsePeriod> periods;
    FitMethod method;
    double base, k;  // expected exactly (to rounding); k < 0: only "some k > 0"
};

class FitFallsBack : public testing::TestWithParam<ClampRow> {};

TEST_P(FitFallsBack, NeverNegativeAndNarrowSeasonsFixTheBase) {
    const ClampRow& r = GetParam();
    const FitResult fit = FitUseModel(r.periods, UkProfile());
    ASSERT_TRUE(fit.model) << fit.reason.toStdString();
    EXPECT_EQ(fit.model->method, r.method);
    EXPECT_NEAR(fit.model->base, r.base, 1e-9);
    if (r.k >= 0) {
        EXPECT_NEAR(fit.model->k, r.k, 1e-9);
    } else {
        EXPECT_GT(fit.model->k, 0);
    }
}

// Mean use per day of the winter rows: (310 + 620 + 560) / (31 + 31 + 28) days.
INSTANTIATE_TEST_SUITE_P(
    Forecast, FitFallsBack,
    testing::Values(
        ClampRow{"allInWinter",
                 {{{2026, 12, 1}, {2027, 1, 1}, 310}, {{2027, 1, 1}, {2027, 2, 1}, 620},
                  {{2027, 2, 1}, {2027, 3, 1}, 560}},
                 FitMethod::NarrowSeason, 0.15 * 1490 / 90, -1},
        ClampRow{"twoPeriodsAcrossTheSeasons",
                 {{{2027, 1, 1}, {2027, 2, 1}, 620}, {{2027, 7, 1}, {2027, 8, 1}, 62}},
                 FitMethod::NarrowSeason, 0.15 * 682 / 62, -1},
        ClampRow{"threeWholeYears",
                 {{{2024, 1, 1}, {2025, 1, 1}, 3660}, {{2025, 1, 1}, {2026, 1, 1}, 3000},
                  {{2026, 1, 1}, {2027, 1, 1}, 3650}},
                 FitMethod::NarrowSeason, 0.15 * 10310 / 1096, -1},
        ClampRow{"moreInSummerThanWinterMeansNoHeating",
                 {{{2027, 1, 1}, {2027, 2, 1}, 31}, {{2027, 4, 1}, {2027, 5, 1}, 60},
                  {{2027, 7, 1}, {2027, 8, 1}, 93}},
                 FitMethod::NoHeating, 184.0 / 92, 0},
        // 1.2 x degree days - 0.5 a day: a negative base, so k is fitted through zero.
        ClampRow{"negativeBaseRefitsKThroughZero",
                 {{{2027, 1, 1}, {2027, 2, 1}, 1.2 * 395 - 15.5},
                  {{2027, 4, 1}, {2027, 5, 1}, 1.2 * 233 - 15},
                  {{2027, 7, 1}, {2027, 8, 1}, 1.2 * 42 - 15.5}},
                 FitMethod::NoBase, 0, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Forecast, NoUsablePeriodNoFit) {
    for (const std::vector<UsePeriod>& periods :
         {std::vector<UsePeriod>{},
          std::vector<UsePeriod>{{{2027, 1, 1}, {2027, 1, 1}, 10},    // no days
                                 {{2027, 2, 1}, {2027, 1, 1}, 10},    // backwards
                                 {{2027, 1, 1}, {2027, 2, 1}, -40},   // negative use
                                 {QDate(), {2027, 2, 1}, 40}}}) {
        const FitResult fit = FitUseModel(periods, UkProfile());
        EXPECT_FALSE(fit.model);
        EXPECT_EQ(fit.reason, "No period with readings to fit.");
    }
}

}  // namespace
}  // namespace tw
