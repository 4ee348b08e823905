#include "logs/SavedHistory.h"

#include <gtest/gtest.h>

#include "LogTestSupport.h"
#include "logs/HistoryTable.h"

namespace tw {
namespace {

const QLocale kUk(QLocale::English, QLocale::UnitedKingdom);

const QString kFirst = "01-Jan-2013,     910,       0,   78.5,       ,                    ";
const QString kSecond = "15-Feb-2013,     460,     120,   45.0,       , £1,123.45,  On, Off";
const QString kDelivery =
    " 20/01/2013,      1000, £0.4500,    £25.00, 17.5%,  £556.25,    5%, Off,  On";

struct ParseCase {
    const char* name;
    QStringList history, delivery;
    int readings, deliveries, skippedHistory, skippedDelivery;
};

class SavedHistoryParsing : public testing::TestWithParam<ParseCase> {};

TEST_P(SavedHistoryParsing, KeepsDataLinesAndCountsOnlyDamagedOnes) {
    const ParseCase& c = GetParam();
    SavedHistoryReader reader(kUk);
    for (const QString& line : c.history) reader.addHistoryLine(line);
    for (const QString& line : c.delivery) reader.addDeliveryLine(line);
    const SavedHistory& h = reader.result();
    EXPECT_EQ(int(h.readings.size()), c.readings);
    EXPECT_EQ(int(h.deliveries.size()), c.deliveries);
    EXPECT_EQ(h.skippedHistoryLines, c.skippedHistory);
    EXPECT_EQ(h.skippedDeliveryLines, c.skippedDelivery);
}

const QStringList kHistoryHeader = {
    "Tankwise History Log", "Version 3.0", "File Created", "01/06/2020 12:00:00", "", "",
    "Tank A: 1200litres Cylindrical (H), Depth: 120cm Offset: 2.0cm (Depth)", "Tank B: Not Set", "",
    "Date       , Tank A , Tank B , Tank A, Tank B, Oil Value, CH , HW ",
    "           , Volume , Volume , Depth , Depth , (no VAT) ,    ,    ",
    "-----------, -------, -------, ------, ------, ---------, ---, ---"};
const QStringList kDeliveryHeader = {
    "Tankwise Delivery Log", "Version 3.0", "File Created", "01/06/2020 12:00:00", "", "",
    "Delivery   , Amount   , Oil    , Delivery , Oil  , Total   , Del  , CH , HW ",
    "Date       , Delivered, Cost   , Charge   , VAT  , Cost    , VAT  ,    ,    ",
    "-----------, ---------, -------, ---------, -----, --------, -----, ---, ---"};

INSTANTIATE_TEST_SUITE_P(
    Lines, SavedHistoryParsing,
    testing::Values(
        ParseCase{"OnlyHeaders", kHistoryHeader, kDeliveryHeader, 0, 0, 0, 0},
        ParseCase{"FirstReadingAndDataLine", kHistoryHeader + QStringList{kFirst, kSecond},
                  kDeliveryHeader + QStringList{kDelivery}, 2, 1, 0, 0},
        ParseCase{"LastLineCutShort", {kFirst, kSecond.left(50)}, {kDelivery.left(60)}, 1, 0, 1, 1},
        ParseCase{"DateOfAnotherLocale", {"2013-02-15" + kSecond.mid(10)}, {}, 0, 0, 1, 0},
        ParseCase{"GarbageAndTabs", {"\t#~~ 12, ,, ", QString(66, ',')}, {"x"}, 0, 0, 2, 1},
        ParseCase{"EmptyTankIsAReading", {kFirst.left(16) + "  0" + kFirst.mid(19)}, {}, 1, 0, 0, 0},
        ParseCase{"VolumeNotANumber", {kFirst.left(16) + "  ?" + kFirst.mid(19)}, {}, 0, 0, 1, 0},
        ParseCase{"TenMegabyteLine", {kFirst, QString(10 * 1024 * 1024, 'x')}, {}, 1, 0, 1, 0},
        ParseCase{"DataLineRunningOn", {kSecond + QString(100000, '9')}, {}, 0, 0, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedHistoryParsing, ReadsOilBothTanksValueAndDeliveryCost) {
    SavedHistoryReader reader(kUk);
    reader.addHistoryLine(kFirst);
    reader.addHistoryLine(kSecond);
    reader.addDeliveryLine(kDelivery);
    const SavedHistory& h = reader.result();
    ASSERT_EQ(h.readings.size(), 2u);
    EXPECT_EQ(h.readings[0].date, QDate(2013, 1, 1));
    EXPECT_EQ(h.readings[0].oil, 910);
    EXPECT_FALSE(h.readings[0].value);
    EXPECT_EQ(h.readings[1].oil, 580);
    EXPECT_DOUBLE_EQ(h.readings[1].value.value_or(0), 1123.45);
    ASSERT_EQ(h.deliveries.size(), 1u);
    EXPECT_EQ(h.deliveries[0].date, QDate(2013, 1, 20));
    EXPECT_EQ(h.deliveries[0].amount, 1000);
    EXPECT_DOUBLE_EQ(h.deliveries[0].cost.value_or(0), 556.25);
}

TEST(MoneyValues, ReadCurrencyTextsOfTheLocale) {
    const QLocale de(QLocale::German, QLocale::Germany);
    EXPECT_DOUBLE_EQ(MoneyValue("  £1,234.50", "£", kUk).value_or(-1), 1234.5);
    EXPECT_DOUBLE_EQ(MoneyValue("1.234,50 €", "€", de).value_or(-1), 1234.5);
    EXPECT_DOUBLE_EQ(MoneyValue("123.45", "£", kUk).value_or(-1), 123.45);
    EXPECT_FALSE(MoneyValue("   ", "£", kUk));
    EXPECT_FALSE(MoneyValue("£abc", "£", kUk));
}

SavedReading Reading(QDate date, double oil, std::optional<double> value = std::nullopt) {
    return {date, oil, value};
}

TEST(HistoryTableRows, PeriodsCountDeliveriesAfterTheEarlierReadingUpToTheLater) {
    SavedHistory h;
    h.readings = {Reading({2013, 1, 1}, 900, 450.0), Reading({2013, 1, 11}, 1500, 700.0),
                  Reading({2013, 1, 21}, 1300), Reading({2013, 1, 21}, 1250)};
    // On the first reading's day: belongs to no period; on the second's: to the first.
    h.deliveries = {{{2013, 1, 11}, 1000, 500.0}, {{2013, 1, 1}, 300, 99.0}};
    const auto rows = BuildHistoryTable(h);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_FALSE(rows[0].days);
    EXPECT_FALSE(rows[0].used);
    EXPECT_EQ(rows[1].days.value_or(-1), 10);
    EXPECT_EQ(rows[1].used.value_or(-1), 400);  // 900 - 1500 + 1000
    EXPECT_EQ(rows[1].delivered, 1000);
    EXPECT_DOUBLE_EQ(rows[1].perDay.value_or(-1), 40);
    EXPECT_DOUBLE_EQ(rows[1].costPerDay.value_or(-1), 25);  // (450 + 500 - 700) / 10
    EXPECT_DOUBLE_EQ(rows[2].perDay.value_or(-1), 20);
    EXPECT_FALSE(rows[2].costPerDay);  // the later reading has no value
    EXPECT_EQ(rows[3].days.value_or(-1), 0);
    EXPECT_EQ(rows[3].used.value_or(-1), 50);
    EXPECT_FALSE(rows[3].perDay);  // no days, no rate
}

}  // namespace
}  // namespace tw
