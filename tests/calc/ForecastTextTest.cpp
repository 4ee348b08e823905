#include <gtest/gtest.h>

#include "calc/ForecastText.h"

namespace tw {
namespace {

const FitResult kFit{UseModel{12.4, 0.6149, FitMethod::Both}, QString()};
const FitResult kNoFit{std::nullopt, "No period with readings to fit."};

ForecastDates Dates(std::optional<QDate> runOut, std::optional<QDate> orderBy) {
    ForecastDates d;
    d.runOut = runOut;
    d.orderBy = orderBy;
    return d;
}

TEST(Forecast, ReportForScriptsIsTheSameInEveryLocale) {
    QLocale::setDefault(QLocale("de_DE"));
    EXPECT_EQ(ForecastReport(kFit, Dates(QDate(2027, 2, 14), QDate(2027, 1, 9))),
              "run-out: 2027-02-14\norder-by: 2027-01-09\nbase: 12.40\nk: 0.615\n");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(ForecastReport(kFit, Dates(std::nullopt, std::nullopt)),
              "run-out: none\norder-by: none\nbase: 12.40\nk: 0.615\n");
    EXPECT_EQ(ForecastReport(kNoFit, {}),
              "forecast: none\nreason: No period with readings to fit.\n");
}

TEST(Forecast, OrderByTooltipInTheUsersFormats) {
    const ForecastDates d = Dates(QDate(2027, 2, 14), QDate(2027, 1, 9));
    EXPECT_EQ(OrderByTooltip(kFit, d, UkProfile(), "l", QLocale("en_GB")),
              "Runs out 14/02/2027; 12.4 l/day base + 0.61 l per degree day");
    EXPECT_EQ(OrderByTooltip(kFit, Dates(std::nullopt, std::nullopt), GermanProfile(), "l",
                             QLocale("de_DE")),
              QString::fromUtf8("Does not run out within ten years; 12,4 l/day base + 0,61 l per "
                                "‰ of the heating year"));
    EXPECT_EQ(OrderByTooltip(kNoFit, {}, UkProfile(), "gal", QLocale("en_GB")),
              "No forecast: No period with readings to fit.");
}

}  // namespace
}  // namespace tw
