#include "app/TankOilCheck.h"

#include "app/FatalDump.h"
#include "app/Program.h"
#include "app/WindowFields.h"
#include "config/TankOilValidation.h"

namespace tw {

namespace {

StoredSwitches SwitchesOf(const State& st) {
    return {st.LogLevel, st.RunOnTop, st.TankAU, st.TankBU, st.TUnitsA,
            st.TUnitsB,  st.TUnitsC,  st.UpEnable, st.TankAS, st.TankBS};
}

}  // namespace

void CheckTankAndOilData(Program& p, bool modesFromFile) {
    Trapped(p, "Check Default Error", [&] {
        State& st = p.st;
        const QLocale locale = p.desktop.locale();
        TankOilInput in;
        in.fields = TakeFields(p.main, kTankOilFields);
        in.stored = SwitchesOf(st);
        in.aIsVolume = modesFromFile ? st.TankAU == 2.0f : p.main.checked(Ctl::TankAU);
        in.bIsVolume = modesFromFile ? st.TankBU == 2.0f : p.main.checked(Ctl::TankBU);
        in.depthUnit = st.DepthUnit;
        in.taxWord = st.TaxWord;

        for (int step = 131; step <= 135; ++step) p.step(step);
        for (const QString& message : TankOilMessages(in, locale)) st.SaveError += message + "\n";
        if (st.InhibitMode == 1) st.SaveError.clear();

        p.step(136);
        if (st.SaveError.isEmpty()) ShowFields(p.main, NormalisedTankOil(in.fields, locale));
    });
}

}  // namespace tw
