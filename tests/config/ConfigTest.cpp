// The configuration file read and written, and the tank and oil settings checked.
#include <gtest/gtest.h>

#include "FieldsWith.h"
#include "calc/Fields.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "config/TankOilValidation.h"

using namespace tw;

static const QLocale kGb("en_GB"), kDe("de_DE");

static QStringList Shipped() {
    return QString("# Tankwise Version 3.0\n# Configuration File\n# 06-Dec-26 12:00:00\n\n[Run]\n"
                   "LogLevel=1\nRunOnTop=1\nUpEnable=1\n\n[Data]\nCORate=2.54\nDVRate=6\nPredict=7\n"
                   "TankACap=1201\nTankBCap=1\nTankAS=1\nTankBS=1\nTankAD=121\nTankBD=1\nTankAU=1\n"
                   "TankBU=1\nTankOffA=1\nTankOffB=1\nTUnitsA=1\nTUnitsB=1\nTUnitsC=1\nVRate=6")
        .split('\n');
}

TEST(ConfigReader, FieldsLessTheirOffsetAndStoredValues) {
    const ConfigFile file = ParseConfiguration(Shipped(), kGb);
    EXPECT_EQ(file.fields, FieldTexts({{Ctl::CORate, "2.54"}, {Ctl::DVRate, "5"}, {Ctl::Predict, "6"},
                                       {Ctl::TankACap, "1200"}, {Ctl::TankBCap, "0"}, {Ctl::TankAD, "120"},
                                       {Ctl::TankBD, "0"}, {Ctl::TankOffA, "0"}, {Ctl::TankOffB, "0"},
                                       {Ctl::VRate, "5"}}));
    EXPECT_EQ(QList<float>({*file.switches.LogLevel, *file.switches.TankAS, file.switches.TUnits.value_or(-1)}),
              QList<float>({1, 1, -1}));
    EXPECT_EQ(file.sectionErrors, 0);
    EXPECT_EQ(file.echo, "\r\n" + Shipped().mid(4).join("\r\n").replace("\r\n\r\n", "\r\n") + "\r\n\r\n");
    const KeyErrors none = ConfigKeyErrors(file, {0, 1, 1, 1});
    EXPECT_EQ(none.doubled + none.missing, 0);
    // Where the comma is the decimal point, the field shows one.
    EXPECT_EQ(ParseConfiguration({"  CORate=3.15 ", "TankAD=121.5"}, kDe).fields,
              FieldTexts({{Ctl::CORate, "3,15"}, {Ctl::TankAD, "120,5"}}));
}

TEST(ConfigReader, SectionAndKeyErrors) {
    struct Row { const char* name; QStringList changes; int sections, doubled, missing; };
    const Row rows[] = {
        {"doubledKey", {"+VRate=7"}, 0, 1, 0}, {"missingKey", {"-VRate=6"}, 0, 0, 1},
        {"both", {"-VRate=6", "+CORate=3", "+CORate=3"}, 0, 2, 1}, {"missingSection", {"-[Run]"}, 1, 0, 0},
        {"extraSection", {"+[Data]"}, -1, 0, 0}, {"leadingTabIsNoKey", {"-VRate=6", "+\tVRate=6"}, 0, 0, 1},
        {"commentedKey", {"-VRate=6", "+#VRate=6"}, 0, 0, 1}, {"oldUnitsBesideNewOnes", {"+TUnits=3"}, 0, 0, 0},
        {"oldUnitsTwice", {"+TUnits=3", "+TUnits=3"}, 0, 1, 0}, {"oldUnitsBesideAZero", {"+TUnits=3", "-TUnitsB=1", "+TUnitsB=0"}, 0, 1, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QStringList lines = Shipped();
        for (const QString& change : r.changes)
            change.startsWith('+') ? lines.append(change.mid(1)) : void(lines.removeAll(change.mid(1)));
        const ConfigFile file = ParseConfiguration(lines, kGb);
        const ConfigSwitches& s = file.switches;
        const KeyErrors errors = ConfigKeyErrors(file, {s.TUnits.value_or(0), s.TUnitsA.value_or(0), s.TUnitsB.value_or(0), s.TUnitsC.value_or(0)});
        EXPECT_EQ(file.sectionErrors, r.sections);
        EXPECT_EQ(errors.doubled, r.doubled);
        EXPECT_EQ(errors.missing, r.missing);
    }
}

TEST(ConfigWriter, WrittenFileReadsBackInEveryLocale) {
    for (const QLocale& locale : {kGb, kDe, QLocale("fr_FR"), QLocale("en_US")}) {
        SCOPED_TRACE(locale.name().toStdString());
        const QString point = locale.decimalPoint();
        ShownSettings s{{{Ctl::CORate, "2" + point + "6"}, {Ctl::DVRate, "17" + point + "5"}, {Ctl::VRate, "5"},
                         {Ctl::Predict, "3"}, {Ctl::TankACap, "2500"}, {Ctl::TankBCap, "1000"},
                         {Ctl::TankAD, "120" + point + "5"}, {Ctl::TankOffA, "0" + point + "5"}}, 2, 3};
        for (Ctl box : {Ctl::AutoSave, Ctl::UpEnableT, Ctl::TankBU, Ctl::TUnitsCT}) s.fields.setTicked(box, true);
        const QString text = ComposeConfiguration(s, "01-Jun-20 12:00:00", locale);
        EXPECT_TRUE(text.contains("\r\nCORate=2.6\r\nDVRate=18.5\r\n"));
        const ConfigFile file = ParseConfiguration(text.split("\r\n"), locale);
        EXPECT_EQ(file.sectionErrors, 0);
        const KeyErrors errors = ConfigKeyErrors(file, {0, 1, 1, 2});
        EXPECT_EQ(errors.doubled + errors.missing, 0);
        for (auto [c, shown] : {std::pair{Ctl::CORate, s.fields.text(Ctl::CORate)}, {Ctl::DVRate, s.fields.text(Ctl::DVRate)},
                                {Ctl::VRate, s.fields.text(Ctl::VRate)}, {Ctl::TankAD, s.fields.text(Ctl::TankAD)},
                                {Ctl::TankOffA, s.fields.text(Ctl::TankOffA)}, {Ctl::TankBCap, s.fields.text(Ctl::TankBCap)},
                                {Ctl::TankBD, QString("0")}})
            EXPECT_EQ(NumberValue(file.fields.text(c), locale), NumberValue(shown, locale)) << int(c);
        const ConfigSwitches& w = file.switches;
        EXPECT_EQ(QList<float>({*w.LogLevel, *w.RunOnTop, *w.TankBS, *w.TankBU, *w.TUnitsC}), QList<float>({2, 1, 3, 2, 2}));
    }
}

TEST(TankOilValidation, MessagesPerSetting) {
    const FieldTexts fine{{Ctl::TankACap, "1200"}, {Ctl::TankAD, "120.0"}, {Ctl::CORate, "2.54"},
                          {Ctl::VRate, "5.0"}, {Ctl::DVRate, "5.0"}, {Ctl::Predict, "6"}};
    const StoredSwitches ones{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    struct Row { const char* name; FieldTexts f; QStringList messages; StoredSwitches stored; bool volumeA = false; };
    const Row rows[] = {
        {"fine", fine, {}, ones},
        {"switchesOneOrTwo", fine, {"Auto Save must be '1' or '2'", "Tank B volume must be 1 or 2", "Update Enable must be '1' or '2'"}, {0, 2, 1, 3, 2, 1, 2, 2.5f, 1, 1}},
        {"shapes", fine, {"Tank A Shape must be 0 or 1", "Tank B Shape must be 0 or 1"}, {1, 1, 1, 1, 1, 1, 1, 1, 0, 4}},
        {"capacityBounds", With(fine, {{Ctl::TankACap, "100"}, {Ctl::TankBCap, "9999"}, {Ctl::TankBD, "10"}}), {}, ones},
        {"capacityA", With(fine, {{Ctl::TankACap, "99"}, {Ctl::TankAD, ""}}), {"Tank A Capacity must be between 100 and 9999"}, ones},
        {"capacityB", With(fine, {{Ctl::TankBCap, "10000"}}), {"Tank B Capacity must be empty or between 100 and 9999"}, ones},
        {"depths", With(fine, {{Ctl::TankAD, "9.9"}, {Ctl::TankBD, "300.1"}}), {"Tank A Depth must be empty or between 10 and 300", "Tank B Depth must be empty or between 10 and 300", "Tank B Capacity must be set if Tank B depth is set"}, ones},
        {"depthNeeded", With(fine, {{Ctl::TankAD, ""}, {Ctl::TankBCap, "500"}}), {"Tank A Depth must be set if Tank A measured in cm", "Tank B Depth must be set if Tank B measured in cm"}, ones},
        {"volumeNeedsNoDepth", With(fine, {{Ctl::TankAD, ""}}), {}, ones, true}, {"predictBounds", With(fine, {{Ctl::Predict, "12"}}), {}, ones},
        {"predictPart", With(fine, {{Ctl::Predict, "0.5"}}), {"Prediction Period must be either empty or between 1 and 12 months"}, ones},
        {"predictAbove", With(fine, {{Ctl::Predict, "13"}}), {"Prediction Period must be either empty or between 1 and 12 months"}, ones},
        {"rates", With(fine, {{Ctl::VRate, "50.1"}, {Ctl::DVRate, "0.9"}}), {"Delivery Tax Rate must be 0 or between 1 and 50%", "Oil Tax Rate must be 0 or between 1 and 50%"}, ones},
        {"rateBounds", With(fine, {{Ctl::VRate, "50"}, {Ctl::DVRate, "1"}}), {}, ones},
        {"oneRateOnly", With(fine, {{Ctl::DVRate, ""}}), {"Oil and delivery Tax Rates must both be either set or zero"}, ones},
        {"co2", With(fine, {{Ctl::CORate, "0.49"}}), {"The CO2 Conversion Rate must be between 0.50 and 10.00"}, ones},
        {"co2Empty", With(fine, {{Ctl::CORate, ""}}), {"The CO2 Conversion Rate must be between 0.50 and 10.00"}, ones},
        {"co2Bounds", With(fine, {{Ctl::CORate, "10"}}), {}, ones},
        {"offsets", With(fine, {{Ctl::TankOffA, "0.09"}, {Ctl::TankOffB, "10.1"}}), {"Tank A Offset must be either empty or between 0.1 and 10.0", "Tank B Offset must be either empty or between 0.1 and 10.0"}, ones},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(TankOilMessages({r.f, r.stored, r.volumeA, false, "cm", "Tax"}, kGb), r.messages);
    }
    EXPECT_EQ(TankOilMessages({With(fine, {{Ctl::CORate, "2,54"}, {Ctl::VRate, "17,5"}}), ones, false, false, "in", "VAT"}, kDe), QStringList());
}

TEST(TankOilValidation, NormalForms) {
    const struct { Ctl field; const char *typed, *normal; } rows[] = {
        {Ctl::TankACap, "1200.7", "1200"}, {Ctl::TankBCap, "0", ""}, {Ctl::TankAD, "120", "120.0"}, {Ctl::TankBD, "", ""},
        {Ctl::TankOffA, "0.55", "0.6"}, {Ctl::TankOffB, "0", ""}, {Ctl::Predict, "6.4", "6"}, {Ctl::VRate, "5", "5.0"},
        {Ctl::DVRate, "0", ""}, {Ctl::CORate, "2.5", "2.50"}};
    FieldTexts typed, normal;
    for (const auto& r : rows) typed.setText(r.field, r.typed), normal.setText(r.field, r.normal);
    EXPECT_EQ(NormalisedTankOil(typed, kGb), normal);
    EXPECT_EQ(NormalisedTankOil({{Ctl::CORate, "2.5"}, {Ctl::TankAD, "120,55"}}, kDe).text(Ctl::TankAD), "120,6");
}
