#include <gtest/gtest.h>

#include "calc/DegreeDays.h"

namespace tw {
namespace {

TEST(DegreeDays, MonthSpreadEvenlyAndAYearSumsToTheProfile) {
    EXPECT_DOUBLE_EQ(DegreeDaysOn(UkProfile(), {2027, 1, 31}), 395.0 / 31);
    EXPECT_DOUBLE_EQ(DegreeDaysOn(UkProfile(), {2027, 2, 28}), 342.0 / 28);
    EXPECT_DOUBLE_EQ(DegreeDaysOn(UkProfile(), {2028, 2, 29}), 342.0 / 29);
    EXPECT_DOUBLE_EQ(DegreeDaysOn(GermanProfile(), {2027, 6, 1}), 13.3 / 30);
    for (int year : {2027, 2028}) {
        double uk = 0, de = 0;
        for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
            uk += DegreeDaysOn(UkProfile(), d);
            de += DegreeDaysOn(GermanProfile(), d);
        }
        EXPECT_NEAR(uk, 2463, 1e-9) << year;
        EXPECT_NEAR(de, 999.9, 1e-9) << year;
    }
}

TEST(DegreeDays, DefaultFollowsTheLocalesCountry) {
    EXPECT_EQ(DefaultProfile(QLocale("en_GB")).name, "UK");
    EXPECT_EQ(DefaultProfile(QLocale("en_IE")).name, "UK");
    EXPECT_EQ(DefaultProfile(QLocale("de_DE")).name, "German");
    EXPECT_EQ(DefaultProfile(QLocale("de_AT")).name, "German");
    EXPECT_EQ(DefaultProfile(QLocale("fr_FR")).name, "UK");
    EXPECT_EQ(DefaultProfile(QLocale::c()).name, "UK");
}

struct CsvRow {
    const char* name;
    std::optional<QString> text;
    double january, december;  // when read
    const char* reason;        // when not read
};

class DegreeDaysCsv : public testing::TestWithParam<CsvRow> {};

TEST_P(DegreeDaysCsv, ReadsAllTwelveOrSaysWhyNot) {
    const CsvRow& r = GetParam();
    const ProfileRead read = ReadDegreeDays(r.text);
    if (r.reason) {
        EXPECT_FALSE(read.profile);
        EXPECT_EQ(read.reason, QString::fromUtf8(r.reason));
    } else {
        ASSERT_TRUE(read.profile) << read.reason.toStdString();
        EXPECT_EQ(read.profile->months[0], r.january);
        EXPECT_EQ(read.profile->months[11], r.december);
        EXPECT_EQ(read.profile->months[5], 77);
    }
}

const QString kTwelve = "395\n342\n297\n233\n151\n77\n42\n45\n83\n177\n275\n346\n";

INSTANTIATE_TEST_SUITE_P(
    DegreeDays, DegreeDaysCsv,
    testing::Values(
        CsvRow{"oneValueALine", kTwelve, 395, 346, nullptr},
        CsvRow{"headerLabelsAndComments",
               "# my village\r\nMonth,HDD\r\nJan,400.5\r\nFeb,1\r\nMar,1\r\nApr,1\r\nMay,1\r\n"
               "Jun,77\r\nJul,1\r\nAug,1\r\nSep,1\r\nOct,1\r\nNov,1\r\nDec,350\r\n",
               400.5, 350, nullptr},
        CsvRow{"twelveInARowWithDecimalCommas", "170;150;130;80;40;77;13,3;13,3;30;80;120;160",
               170, 160, nullptr},
        CsvRow{"missing", std::nullopt, 0, 0, "DegreeDays.csv is missing."},
        CsvRow{"short", "395\n342\n297\n", 0, 0, "DegreeDays.csv has 3 monthly values, not 12."},
        CsvRow{"tooLong", kTwelve + "1\n", 0, 0, "DegreeDays.csv has more than 12 monthly values."},
        CsvRow{"nonNumeric", "395\n342\nlots\n", 0, 0,
               "DegreeDays.csv has \"lots\", not a number, on line 3."},
        CsvRow{"negative", "395\n-342\n", 0, 0, "DegreeDays.csv has a negative value on line 2."},
        CsvRow{"negativeInARow", "1,2,3,4,5,6,7,8,9,10,11,-12", 0, 0,
               "DegreeDays.csv has a negative value."},
        CsvRow{"noHeatingAtAll", QString("0\n").repeated(12), 0, 0,
               "DegreeDays.csv has no heating month."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw
