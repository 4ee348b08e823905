#include "app/SaveData.h"

#include <QCoreApplication>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "app/RefreshCurrency.h"
#include "calc/Formats.h"
#include "app/Tidying.h"
#include "config/ConfigWriter.h"
#include "app/TankOilCheck.h"
#include "app/WindowFields.h"

namespace tw {

namespace {
const QString kConfigPath = "Data/Tankwise.ini";

// The check boxes and fields the configuration file keeps.
const Ctl kSavedControls[] = {Ctl::AutoSave, Ctl::OnTop,    Ctl::UpEnableT, Ctl::TankAU,
                              Ctl::TankBU,   Ctl::TUnitsAT, Ctl::TUnitsBT,  Ctl::TUnitsCT,
                              Ctl::CORate,   Ctl::DVRate,   Ctl::Predict,   Ctl::TankACap,
                              Ctl::TankBCap, Ctl::TankAD,   Ctl::TankBD,    Ctl::TankOffA,
                              Ctl::TankOffB, Ctl::VRate};
}  // namespace

ShownSettings SettingsShown(const Program& p) {
    // The shape boxes keep the stored values up to date (selection + 1).
    return {TakeFields(p.main, kSavedControls), p.st.TankAS, p.st.TankBS};
}

namespace {

// Everything from creating the file to closing it reports one message and ends the
// program; the old file is only replaced once the new text is complete on disk.
void WriteConfigurationFile(Program& p, const QString& text) {
    CheckDirectory(p, "Data");
    try {
        p.files.writeAtomic(kConfigPath, text + "\r\n");
    } catch (const std::exception&) {
        p.say(QCoreApplication::translate("Messages", "Tankwise Configuration File Error"),
              {QCoreApplication::translate("Messages", "Unable to write to the configuration file %1.")
                   .arg(p.files.absolute(kConfigPath)),
               QCoreApplication::translate("Messages", "This may be a permissions problem."),
               QCoreApplication::translate("Messages", "The program will now terminate.")},
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
            p.say(QCoreApplication::translate("Messages", "Tankwise Data Error"), {p.st.SaveError}, Icon::Warning);
            return;
        }

        p.step(202);
        const QString text = ComposeConfiguration(
            SettingsShown(p), ShortStamp(p.desktop.now(), p.desktop.locale()), p.desktop.locale());

        p.step(203);
        if (p.savingRefused(QCoreApplication::translate("Messages", "Tankwise Save Data Error"))) return;

        WriteConfigurationFile(p, text);

        p.step(204);
        p.setStatus(QCoreApplication::translate("MainWindow", "Tank And Oil Data Saved"));
        RefreshCurrency(p, true, true);
    });
}

}  // namespace tw
