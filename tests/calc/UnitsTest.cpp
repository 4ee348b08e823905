// Units and reading modes: the unit words, every caption and tooltip that names a
// unit, and the reactions to the unit boxes, the reading-mode boxes, the shape
// lists and the first readings.
#include <gtest/gtest.h>

#include <ostream>

#include "RunningProgram.h"
#include "calc/Units.h"

namespace tw {
namespace {

void Click(RunningProgram& run, Ctl c) { run.p.click(WindowId::Main, int(c)); }

struct UnitText {
    const char* name;
    Ctl control;
    bool tooltip;
    const char* metric;    // cm, litres, kilograms
    const char* imperial;  // inches, gallons, pounds
};

void PrintTo(const UnitText& row, std::ostream* os) { *os << row.name; }

QString Shown(const RunningProgram& run, const UnitText& row) {
    return row.tooltip ? run.p.main.tooltip(row.control) : run.p.main.text(row.control);
}

class UnitTexts : public testing::TestWithParam<UnitText> {};

// The default configuration: all units metric, both tanks read as depths.
TEST_P(UnitTexts, NameTheMetricUnitsAfterStartUp) {
    RunningProgram run;
    EXPECT_EQ(Shown(run, GetParam()), GetParam().metric);
}

TEST_P(UnitTexts, NameTheImperialUnitsOnceAllThreeBoxesAreTicked) {
    RunningProgram run;
    for (Ctl box : {Ctl::TUnitsAT, Ctl::TUnitsBT, Ctl::TUnitsCT}) Click(run, box);
    EXPECT_EQ(Shown(run, GetParam()), GetParam().imperial);
}

TEST_P(UnitTexts, ReturnToMetricWhenTheBoxesAreUnticked) {
    RunningProgram run;
    for (Ctl box : {Ctl::TUnitsAT, Ctl::TUnitsBT, Ctl::TUnitsCT}) Click(run, box);
    for (Ctl box : {Ctl::TUnitsAT, Ctl::TUnitsBT, Ctl::TUnitsCT}) Click(run, box);
    EXPECT_EQ(Shown(run, GetParam()), GetParam().metric);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnitTexts,
    testing::Values(
        UnitText{"LtrsH", Ctl::LtrsH, false, "Litres/Day:", "Gallons/Day:"},
        UnitText{"OLeftL", Ctl::OLeftL, false, "Litres", "Gallons"},
        UnitText{"OLeftTip", Ctl::OLeft, true, "Amount of oil left in litres",
                 "Amount of oil left in gallons"},
        UnitText{"CostH", Ctl::CostH, false, "Oil Cost per Litre", "Oil Cost per Gallon"},
        UnitText{"AddH", Ctl::AddH, false, "Litres Added", "Gallons Added"},
        UnitText{"TotalLH", Ctl::TotalLH, false, "Total Litres", "Total Gallons"},
        UnitText{"TankTTip", Ctl::TankT, true, "Total number of litres used",
                 "Total number of gallons used"},
        UnitText{"TankAUTip", Ctl::TankAU, true,
                 "Enter Tank A Readings in litres if ticked and cm if unticked",
                 "Enter Tank A Readings in gallons if ticked and inches if unticked"},
        UnitText{"TankBUTip", Ctl::TankBU, true,
                 "Enter Tank B Readings in litres if ticked and cm if unticked",
                 "Enter Tank B Readings in gallons if ticked and inches if unticked"},
        UnitText{"TankTPTip", Ctl::TankTP, true, "Total number of litres predicted",
                 "Total number of gallons predicted"},
        UnitText{"LAdd1Tip", Ctl::LAdd1, true, "Number litres added (1 - 9999)",
                 "Number gallons added (1 - 9999)"},
        UnitText{"LAdd2Tip", Ctl::LAdd2, true, "Number litres added (1 - 9999)",
                 "Number gallons added (1 - 9999)"},
        UnitText{"VDayTip", Ctl::VDay, true, "Litres of oil used per day",
                 "Gallons of oil used per day"},
        UnitText{"CO2Gen", Ctl::CO2Gen, false, "CO2 Kgm Generated", "CO2 lb Generated"},
        UnitText{"DCO2L", Ctl::DCO2L, false, "CO2 Kgm/Day:", "CO2 lb/Day:"},
        UnitText{"DCO2Tip", Ctl::DCO2, true, "CO2 generated daily in Kgm",
                 "CO2 generated daily in lb"},
        UnitText{"TCO2Tip", Ctl::TCO2, true, "Amount of CO2 generated in Kgm",
                 "Amount of CO2 generated in lb"},
        UnitText{"TCO2PTip", Ctl::TCO2P, true, "Predicted amount of CO2 generated in Kgm",
                 "Predicted amount of CO2 generated in lb"},
        UnitText{"DepthAH", Ctl::DepthAH, false, "cm", "inches"},
        UnitText{"DepthBH", Ctl::DepthBH, false, "cm", "inches"},
        UnitText{"TankAH", Ctl::TankAH, false, "Tank A (cm)", "Tank A (inches)"},
        UnitText{"TankBH", Ctl::TankBH, false, "Tank B (cm)", "Tank B (inches)"},
        UnitText{"TARead1Tip", Ctl::TARead1, true, "Tank A Reading 1 (0 - Tank Depth plus Offset)",
                 "Tank A Reading 1 (0 - Tank Depth plus Offset)"},
        UnitText{"TBRead2Tip", Ctl::TBRead2, true, "Tank B Reading 2 (0 - Tank Depth plus Offset)",
                 "Tank B Reading 2 (0 - Tank Depth plus Offset)"},
        UnitText{"CORateH", Ctl::CORateH, false, "Kgm/Litre", "lb/Gal"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Units, WordsFollowTheirOwnBoxOnly) {
    RunningProgram run;
    EXPECT_EQ(run.p.st.DepthUnit, "cm");
    EXPECT_EQ(run.p.st.VolumeUnit, "Litre");
    EXPECT_EQ(run.p.st.MassUnit, "Kgm");

    Click(run, Ctl::TUnitsBT);
    EXPECT_EQ(run.p.st.DepthUnit, "cm");
    EXPECT_EQ(run.p.st.VolumeUnit, "Gal");
    EXPECT_EQ(run.p.st.MassUnit, "Kgm");
    EXPECT_EQ(run.text(Ctl::CORateH), "Kgm/Gal");

    Click(run, Ctl::TUnitsCT);
    EXPECT_EQ(run.text(Ctl::CORateH), "lb/Gal");
    Click(run, Ctl::TUnitsBT);
    EXPECT_EQ(run.text(Ctl::CORateH), "lb/Litre");
    EXPECT_EQ(run.text(Ctl::DepthAH), "cm");

    Click(run, Ctl::TUnitsAT);
    EXPECT_EQ(run.p.st.DepthUnit, "inches");
    EXPECT_EQ(run.p.st.VolumeUnit, "Litre");
    EXPECT_EQ(run.p.st.MassUnit, "lb");
}

TEST(Units, ChangeWordsButNeverNumbers) {
    RunningProgram run;
    run.set(Ctl::TankACap, "1000");
    run.set(Ctl::TankAD, "120.0");
    run.set(Ctl::TARead1, "60.0");
    run.set(Ctl::LAdd1, "500");
    for (Ctl box : {Ctl::TUnitsAT, Ctl::TUnitsBT, Ctl::TUnitsCT}) Click(run, box);
    EXPECT_EQ(run.text(Ctl::TankACap), "1000");
    EXPECT_EQ(run.text(Ctl::TankAD), "120.0");
    EXPECT_EQ(run.text(Ctl::TARead1), "60.0");
    EXPECT_EQ(run.text(Ctl::LAdd1), "500");
    EXPECT_EQ(run.text(Ctl::TotalLH), "Total Gallons");
}

TEST(Units, VolumeReadingsNameTheVolumeInTheHeadingAndTheCapacityInTheTooltips) {
    RunningProgram run;
    Click(run, Ctl::TankAU);
    EXPECT_EQ(run.text(Ctl::TankAH), "Tank A (litres)");
    EXPECT_EQ(run.text(Ctl::TankBH), "Tank B (cm)");
    EXPECT_EQ(run.p.main.tooltip(Ctl::TARead1), "Tank A Reading 1 (0 - Tank Capacity)");
    EXPECT_EQ(run.p.main.tooltip(Ctl::TARead2), "Tank A Reading 2 (0 - Tank Capacity)");
    EXPECT_EQ(run.p.main.tooltip(Ctl::TBRead1), "Tank B Reading 1 (0 - Tank Depth plus Offset)");

    Click(run, Ctl::TUnitsBT);
    EXPECT_EQ(run.text(Ctl::TankAH), "Tank A (gals)");

    Click(run, Ctl::TankBU);
    EXPECT_EQ(run.text(Ctl::TankBH), "Tank B (gals)");
    EXPECT_EQ(run.p.main.tooltip(Ctl::TBRead1), "Tank B Reading 1 (0 - Tank Capacity)");
    EXPECT_EQ(run.p.main.tooltip(Ctl::TBRead2), "Tank B Reading 2 (0 - Tank Capacity)");
}

TEST(Units, UnitBoxesChangeNothingWhileStartUpSetsThem) {
    RunningProgram run;
    run.p.st.StartupComplete = false;
    Click(run, Ctl::TUnitsBT);
    Click(run, Ctl::TUnitsCT);
    EXPECT_EQ(run.p.st.VolumeUnit, "Litre");
    EXPECT_EQ(run.text(Ctl::TotalLH), "Total Litres");
    EXPECT_EQ(run.text(Ctl::CO2Gen), "CO2 Kgm Generated");

    // Start-up applies the units once at its end.
    run.p.st.StartupComplete = true;
    ApplyUnits(run.p);
    EXPECT_EQ(run.text(Ctl::TotalLH), "Total Gallons");
    EXPECT_EQ(run.text(Ctl::CO2Gen), "CO2 lb Generated");
}

// The reading-mode boxes react whether or not start-up is complete.
TEST(Units, SwitchingTankAModeEmptiesOnlyTankAReadings) {
    for (bool startupComplete : {true, false}) {
        RunningProgram run;
        run.p.st.StartupComplete = startupComplete;
        for (Ctl c : {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2}) run.set(c, "42.0");
        Click(run, Ctl::TankAU);
        EXPECT_EQ(run.text(Ctl::TARead1), "");
        EXPECT_EQ(run.text(Ctl::TARead2), "");
        EXPECT_EQ(run.text(Ctl::TBRead1), "42.0");
        EXPECT_EQ(run.text(Ctl::TBRead2), "42.0");
        EXPECT_EQ(run.text(Ctl::TankAH), "Tank A (litres)");

        // Back to depths: the readings typed in the meantime go too.
        run.set(Ctl::TARead1, "500");
        Click(run, Ctl::TankAU);
        EXPECT_EQ(run.text(Ctl::TARead1), "");
        EXPECT_EQ(run.text(Ctl::TankAH), "Tank A (cm)");
    }
}

TEST(Units, SwitchingTankBModeEmptiesOnlyTankBReadings) {
    RunningProgram run;
    for (Ctl c : {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1, Ctl::TBRead2}) run.set(c, "42.0");
    Click(run, Ctl::TankBU);
    EXPECT_EQ(run.text(Ctl::TARead1), "42.0");
    EXPECT_EQ(run.text(Ctl::TARead2), "42.0");
    EXPECT_EQ(run.text(Ctl::TBRead1), "");
    EXPECT_EQ(run.text(Ctl::TBRead2), "");
    EXPECT_EQ(run.text(Ctl::TankBH), "Tank B (litres)");
}

TEST(Units, ShapeSelectionSetsTheStoredShape) {
    RunningProgram run;
    run.p.selected(WindowId::Main, int(Ctl::TankBS), 2);
    EXPECT_EQ(run.p.st.TankBS, 3.0f);
    EXPECT_EQ(run.p.main.itemText(Ctl::TankBS), "Rectangular");
    run.p.selected(WindowId::Main, int(Ctl::TankAS), 1);
    EXPECT_EQ(run.p.st.TankAS, 2.0f);
    EXPECT_EQ(run.p.st.TankBS, 3.0f);
    run.p.selected(WindowId::Main, int(Ctl::TankAS), 0);
    EXPECT_EQ(run.p.st.TankAS, 1.0f);
}

// A restored first reading carries the value of the oil then in hand; editing
// it drops that value once.
TEST(Units, EditingARestoredFirstReadingDropsTheOilValueOnce) {
    for (Ctl first : {Ctl::TARead1, Ctl::TBRead1}) {
        RunningProgram run;
        run.p.st.ReadingRestored = true;
        run.p.st.OilValue = "312.5";

        run.set(Ctl::TARead2, "30.0");
        run.set(Ctl::TBRead2, "30.0");
        EXPECT_EQ(run.p.st.OilValue, "312.5");
        EXPECT_TRUE(run.p.st.ReadingRestored);

        run.set(first, "61.0");
        EXPECT_EQ(run.p.st.OilValue, "0");
        EXPECT_FALSE(run.p.st.ReadingRestored);

        run.p.st.OilValue = "99";
        run.set(first, "62.0");
        EXPECT_EQ(run.p.st.OilValue, "99");
    }
}

TEST(Units, EditingAFirstReadingThatWasNotRestoredKeepsTheOilValue) {
    RunningProgram run;
    run.p.st.ReadingRestored = false;
    run.p.st.OilValue = "312.5";
    run.set(Ctl::TARead1, "61.0");
    EXPECT_EQ(run.p.st.OilValue, "312.5");
}

}  // namespace
}  // namespace tw
