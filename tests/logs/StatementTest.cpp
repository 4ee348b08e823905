// Statements of a generated household whose true use is known, read from its logs
// as the program reads them.
#include <gtest/gtest.h>

#include "GeneratedHistory.h"
#include "LogTestSupport.h"
#include "app/StatementRun.h"
#include "logs/HistoryTable.h"

namespace tw {
namespace {

TEST(StatementPeriod, NamesSeasonsAndYears) {
    EXPECT_EQ(ParseStatementPeriod("2024/25"), HeatingSeason(2024));
    EXPECT_EQ(ParseStatementPeriod("1999/00"), HeatingSeason(1999));
    EXPECT_EQ(ParseStatementPeriod(" 2024 "), CalendarYear(2024));
    for (const char* bad : {"2024/26", "24/25", "2024/", "last year", ""}) EXPECT_FALSE(ParseStatementPeriod(bad)) << bad;
    EXPECT_EQ(HeatingSeason(2024).name(), "2024/25");
}

TEST(StatementSplit, StockAtACutIsTheNewestOilFirstInFirstOut) {
    // 1000 l worth £500, 1000 l bought at £1.00 on day 10, 1200 l used evenly over 30 days.
    SavedCalculation c{{}, {}, {}, {}};
    c.from.date = QDate(2024, 6, 16);
    c.to.date = c.from.date.addDays(30);
    c.from.volumeA = 1000;
    c.from.value = 500;
    c.to.volumeA = 800;
    c.deliveries.push_back({c.from.date.addDays(10), 1000, 1.0, 0, {}, {}, {}, false, false, 0});
    const UseWeights even(std::nullopt, DegreeDayProfile{"none", "", {}});
    EXPECT_DOUBLE_EQ(StockAt(c, even, c.from.date.addDays(20)), 1200);
    EXPECT_EQ(ValueAt(c, even, c.from.date.addDays(20)), 200 * 0.5 + 1000);
}

class Statements : public testing::Test {
protected:
    WorkFolder work;
    GeneratedHistory truth{work};
    StatementData data = ReadStatementData(work.files(), LogPaths{}, kUk, {{5, 20}, 2.54, 2500, false, false, "Home"});
};

TEST_F(Statements, OilUsedPerSeasonIsTheTruthAndStockCarriesAcross) {
    ASSERT_TRUE(data.read);
    ASSERT_TRUE(data.forecast.fit.model);
    std::optional<StockFigure> carried;
    for (int year : {2021, 2022, 2023, 2024}) {
        SCOPED_TRACE(year);
        const StatementFigures f = StatementFor(data, HeatingSeason(year)).current;
        ASSERT_TRUE(f.covered);
        const double expected = truth.trueUse(f.from, f.to);
        EXPECT_NEAR(f.used, expected, expected * 0.01);
        // Nothing is lost at the cuts: what was there, plus what came, less what is left.
        EXPECT_NEAR(f.opening.litres + f.delivered - f.closing.litres, f.used, 0.01);
        EXPECT_NEAR(f.co2, f.used * 2.54, 1e-6);
        // One price throughout: the oil used costs that price, first in, first out.
        // A delivery counts in the season its day falls in, never in the one beside it.
        for (const StatementDelivery& d : f.deliveries)
            EXPECT_TRUE(d.date >= f.from && d.date < f.to) << d.date.toString(Qt::ISODate).toStdString();
        const double charges = double(f.deliveries.size()) * GeneratedHistory::kCharge;
        EXPECT_NEAR(f.costBeforeTax, f.used * GeneratedHistory::kPrice + charges, 0.02 * double(f.parts.size()));
        EXPECT_NEAR(f.tax, f.used * GeneratedHistory::kPrice * 0.05 + charges * 0.2, 0.02 * double(f.parts.size()));
        if (carried) {
            EXPECT_DOUBLE_EQ(f.opening.litres, carried->litres);
            EXPECT_EQ(f.opening.value, carried->value);
            EXPECT_TRUE(f.opening.interpolated);
        }
        carried = f.closing;
        double monthly = 0;
        for (const MonthFigure& m : f.months) monthly += m.used;
        EXPECT_NEAR(monthly, f.used, 0.01);
    }
    // The same house in the same weather: no change once the weather is allowed for.
    const SeasonStatement s = StatementFor(data, HeatingSeason(2023));
    ASSERT_TRUE(s.changePercent);
    EXPECT_NEAR(*s.changePercent, 0, 2);
    EXPECT_TRUE(s.current.anySplit());
}

TEST_F(Statements, AYearBetweenReadingsAddsUpTheHistoryTable) {
    // Readings on 1 January: no period of 2023 is split.
    const StatementFigures f = StatementFor(data, CalendarYear(2023)).current;
    EXPECT_FALSE(f.anySplit());
    EXPECT_FALSE(f.opening.interpolated || f.closing.interpolated);
    const auto rows = BuildHistoryTable(ReadSavedHistory(work.files(), LogPaths{}.history, LogPaths{}.delivery, kUk),
                                        data.calcs);
    double used = 0, cost = 0;
    for (const SavedCalculation& c : data.calcs) {
        if (c.from.date < f.from || c.to.date > f.to) continue;
        used += c.used();
        cost += c.costs()->tvCost.value_or(0);
    }
    double tableUsed = 0;
    for (const HistoryTableRow& r : rows)
        if (r.used && r.date > f.from && r.date <= f.to) tableUsed += *r.used;
    EXPECT_DOUBLE_EQ(f.used, tableUsed);
    EXPECT_DOUBLE_EQ(f.used, used);
    EXPECT_NEAR(f.totalCost, cost, 0.005);
    ASSERT_TRUE(f.costPerDay);
    EXPECT_NEAR(*f.costPerDay * 365, f.totalCost, 0.01);
}

TEST_F(Statements, APeriodWithoutReadingsSaysSo) {
    const SeasonStatement s = StatementFor(data, HeatingSeason(2019));
    EXPECT_FALSE(s.current.covered);
    EXPECT_FALSE(s.before);
    const StatementDocument doc = StatementDocumentFor(data, HeatingSeason(2019), QDate(2026, 1, 1));
    EXPECT_TRUE(doc.sections.empty());
    EXPECT_TRUE(doc.notes.join(' ').contains("No saved readings"));
    EXPECT_EQ(DefaultStatementPeriod(data.calcs), HeatingSeason(2023));
}

}  // namespace
}  // namespace tw
