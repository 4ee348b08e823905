#include "app/SaveData.h"

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "app/RefreshCurrency.h"
#include "calc/Formats.h"
#include "app/Tidying.h"
#include "config/ConfigWriter.h"
#include "app/TankOilCheck.h"

namespace tw {

namespace {
const QString kConfigPath = "Data/Tankwise.ini";
}  // namespace

ShownSettings SettingsShown(const Program& p) {
    const MainModel& m = p.main;
    ShownSettings s;
    s.AutoSave = m.state(Ctl::AutoSave);
    s.OnTop = m.state(Ctl::OnTop);
    s.UpEnable = m.state(Ctl::UpEnableT);
    s.CORate = m.text(Ctl::CORate);
    s.DVRate = m.text(Ctl::DVRate);
    s.Predict = m.text(Ctl::Predict);
    s.TankACap = m.text(Ctl::TankACap);
    s.TankBCap = m.text(Ctl::TankBCap);
    // The shape boxes keep the stored values up to date (selection + 1).
    s.TankAS = p.st.TankAS;
    s.TankBS = p.st.TankBS;
    s.TankAD = m.text(Ctl::TankAD);
    s.TankBD = m.text(Ctl::TankBD);
    s.TankAU = m.state(Ctl::TankAU);
    s.TankBU = m.state(Ctl::TankBU);
    s.TankOffA = m.text(Ctl::TankOffA);
    s.TankOffB = m.text(Ctl::TankOffB);
    s.TUnitsA = m.state(Ctl::TUnitsAT);
    s.TUnitsB = m.state(Ctl::TUnitsBT);
    s.TUnitsC = m.state(Ctl::TUnitsCT);
    s.VRate = m.text(Ctl::VRate);
    return s;
}

namespace {

// Everything from creating the file to closing it reports one message and ends the
// program; the old file is only replaced once the new text is complete on disk.
void WriteConfigurationFile(Program& p, const QString& text) {
    CheckDirectory(p, "Data");
    try {
        p.files.writeAtomic(kConfigPath, text + "\r\n");
    } catch (const std::exception&) {
        p.say("Tankwise Configuration File Error",
              {"Unable to write to the configuration file.", "This may be a permissions problem.",
               "The program will now terminate."},
              Icon::Warning);
        p.end();
    }
}

}  // namespace

void SaveDefaultsClick(Program& p) {
    Trapped(p, "Save Config Error", [&] {
        p.step(201);
        p.st.SaveError.clear();
        CheckTankAndOilData(p);
        TidyOutput(p);
        if (!p.st.SaveError.isEmpty()) {
            p.say("Tankwise Data Error", {p.st.SaveError}, Icon::Warning);
            return;
        }

        p.step(202);
        const QString text = ComposeConfiguration(
            SettingsShown(p), ShortStamp(p.desktop.now(), p.desktop.locale()), p.desktop.locale());

        p.step(203);
        WriteConfigurationFile(p, text);

        p.step(204);
        p.setStatus("Tank And Oil Data Saved");
        RefreshCurrency(p, true, true);
    });
}

}  // namespace tw
