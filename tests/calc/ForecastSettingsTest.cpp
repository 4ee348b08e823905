#include <gtest/gtest.h>

#include <QLocale>

#include "calc/ForecastSettings.h"

namespace tw {
namespace {

struct SettingsRow {
    const char* name;
    QString text;
    ForecastSettings settings;
    int problems;
};

class ForecastIni : public testing::TestWithParam<SettingsRow> {};

TEST_P(ForecastIni, ReadsValuesInBoundsKeepsDefaultsOtherwise) {
    const SettingsRow& r = GetParam();
    const ForecastSettingsRead read = ReadForecastSettings(r.text);
    EXPECT_EQ(read.settings, r.settings);
    EXPECT_EQ(read.problems.size(), r.problems) << read.problems.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Forecast, ForecastIni,
    testing::Values(
        SettingsRow{"missingFileGivesDefaults", "", {15, 10, ProfileChoice::Auto}, 0},
        SettingsRow{"allSet", "[Forecast]\r\nReserve=12.5\r\nLeadDays=0\r\nprofile=german\r\n",
                    {12.5, 0, ProfileChoice::German}, 0},
        SettingsRow{"commentsAndUnknownKeysPassedOver", "# Reserve=50\nColour=red\nLeadDays=21\n",
                    {15, 21, ProfileChoice::Auto}, 0},
        SettingsRow{"outOfBounds", "Reserve=95\nLeadDays=-1\nProfile=File\n",
                    {15, 10, ProfileChoice::File}, 2},
        SettingsRow{"decimalCommaAndFractionalDays", "Reserve=12,5\nLeadDays=2.5\nProfile=Moon\n",
                    {15, 10, ProfileChoice::Auto}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Forecast, SettingsTextReadsBackTheSameInEveryLocale) {
    QLocale::setDefault(QLocale("de_DE"));
    const ForecastSettings s{17.5, 14, ProfileChoice::Uk};
    const QString text = ComposeForecastSettings(s);
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(text.contains("Reserve=17.5\r\n"));
    const ForecastSettingsRead read = ReadForecastSettings(text);
    EXPECT_EQ(read.settings, s);
    EXPECT_TRUE(read.problems.isEmpty());
}

TEST(Forecast, SettingsProblemSaysWhatIsAllowed) {
    EXPECT_EQ(ReadForecastSettings("LeadDays=200").problems,
              QStringList{"Forecast.ini: LeadDays=200 is not a whole number of days from 0 to "
                          "90; the default is used."});
}

}  // namespace
}  // namespace tw
