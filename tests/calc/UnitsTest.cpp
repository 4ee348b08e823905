// Units and reading modes: the unit words, the volume headings, the boxes while
// start-up sets them, and the value of a restored first reading.
#include <gtest/gtest.h>

#include "RunningProgram.h"
#include "app/Units.h"

namespace tw {
namespace {

void Click(RunningProgram& run, Ctl c) { run.p.click(WindowId::Main, int(c)); }

TEST(Units, WordsFollowTheirOwnBoxOnly) {
    RunningProgram run;
    Click(run, Ctl::TUnitsBT);
    EXPECT_EQ(run.p.st.DepthUnit, "cm");
    EXPECT_EQ(run.p.st.VolumeUnit, "Gal");
    EXPECT_EQ(run.p.st.MassUnit, "Kgm");

    Click(run, Ctl::TUnitsCT);
    Click(run, Ctl::TUnitsBT);
    EXPECT_EQ(run.text(Ctl::CORateH), "lb/Litre");
    EXPECT_EQ(run.text(Ctl::DepthAH), "cm");

    Click(run, Ctl::TUnitsAT);
    EXPECT_EQ(run.p.st.DepthUnit, "inches");
    EXPECT_EQ(run.p.st.VolumeUnit, "Litre");
    EXPECT_EQ(run.p.st.MassUnit, "lb");
}

TEST(Units, VolumeReadingsNameTheVolumeInTheHeading) {
    RunningProgram run;
    Click(run, Ctl::TankAU);
    EXPECT_EQ(run.text(Ctl::TankAH), "Tank A (litres)");
    Click(run, Ctl::TUnitsBT);
    Click(run, Ctl::TankBU);
    EXPECT_EQ(run.text(Ctl::TankBH), "Tank B (gals)");
    EXPECT_EQ(run.p.main.tooltip(Ctl::TBRead1), "Tank B Reading 1 (0 - Tank Capacity)");
}

// While start-up fills the boxes from the configuration the unit boxes do nothing
// (start-up applies the units once at its end), but the reading-mode boxes still
// empty their tank's readings.
TEST(Units, BoxesWhileStartUpSetsThem) {
    RunningProgram run;
    run.p.st.StartupComplete = false;
    Click(run, Ctl::TUnitsBT);
    Click(run, Ctl::TUnitsCT);
    EXPECT_EQ(run.p.st.VolumeUnit, "Litre");
    EXPECT_EQ(run.text(Ctl::TotalLH), "Total Litres");
    EXPECT_EQ(run.text(Ctl::CO2Gen), "CO2 Kgm Generated");

    for (Ctl c : {Ctl::TARead1, Ctl::TARead2, Ctl::TBRead1}) run.set(c, "42.0");
    Click(run, Ctl::TankAU);
    EXPECT_EQ(run.text(Ctl::TARead1), "");
    EXPECT_EQ(run.text(Ctl::TARead2), "");
    EXPECT_EQ(run.text(Ctl::TBRead1), "42.0");

    run.p.st.StartupComplete = true;
    ApplyUnits(run.p);
    EXPECT_EQ(run.text(Ctl::TotalLH), "Total Gallons");
    EXPECT_EQ(run.text(Ctl::CO2Gen), "CO2 lb Generated");
}

// A restored first reading carries the value of the oil then in hand; editing it
// drops that value once. Other readings, or a first reading that was not restored,
// leave the value alone.
TEST(Units, EditingARestoredFirstReadingDropsTheOilValueOnce) {
    for (Ctl first : {Ctl::TARead1, Ctl::TBRead1}) {
        RunningProgram run;
        run.p.st.ReadingRestored = true;
        run.p.st.OilValue = "312.5";

        run.set(Ctl::TARead2, "30.0");
        run.set(Ctl::TBRead2, "30.0");
        EXPECT_EQ(run.p.st.OilValue, "312.5");

        run.set(first, "61.0");
        EXPECT_EQ(run.p.st.OilValue, "0");
        EXPECT_FALSE(run.p.st.ReadingRestored);

        run.p.st.OilValue = "99";
        run.set(first, "62.0");
        EXPECT_EQ(run.p.st.OilValue, "99");
    }
}

}  // namespace
}  // namespace tw
