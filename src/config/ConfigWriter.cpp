#include "config/ConfigWriter.h"

#include <QStringList>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "app/Version.h"
#include "calc/Clearing.h"
#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "calc/Tidy.h"
#include "config/ConfigReader.h"
#include "config/TankOilValidation.h"

namespace tw {

namespace {

const QString kConfigPath = "Data/Tankwise.ini";

// The file keeps every check box and most numbers one higher than the window shows,
// so that an empty field is stored as 1.
QString StatePlusOne(const MainModel& main, Ctl box) {
    return QString::number(main.state(box) + 1);
}

QString ValuePlusOne(const MainModel& main, Ctl field, const QLocale& locale) {
    return GeneralNumber(NumberValue(main.text(field), locale) + 1);
}

// The file is machine data: its numbers keep a period in every locale, so that it
// reads the same on any machine.
QString PeriodNumber(const QString& fieldText, const QLocale& locale) {
    QString text = fieldText;
    return text.replace(locale.decimalPoint(), QStringLiteral("."));
}

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

QString ComposeConfiguration(Program& p) {
    const MainModel& m = p.main;
    const QLocale locale = p.desktop.locale();
    const auto plusOne = [&](Ctl field) { return ValuePlusOne(m, field, locale); };
    const QStringList lines{
        "# Tankwise Version " + VersionText(),
        "# Configuration File",
        "# " + ShortStamp(p.desktop.now(), p.desktop.locale()),
        QString(),
        "[Run]",
        "LogLevel=" + StatePlusOne(m, Ctl::AutoSave),
        "RunOnTop=" + StatePlusOne(m, Ctl::OnTop),
        "UpEnable=" + StatePlusOne(m, Ctl::UpEnableT),
        QString(),
        "[Data]",
        "CORate=" + PeriodNumber(m.text(Ctl::CORate), locale),
        "DVRate=" + plusOne(Ctl::DVRate),
        "Predict=" + plusOne(Ctl::Predict),
        "TankACap=" + plusOne(Ctl::TankACap),
        "TankBCap=" + plusOne(Ctl::TankBCap),
        // The shape boxes keep the stored values up to date (selection + 1).
        "TankAS=" + GeneralNumber(p.st.TankAS),
        "TankBS=" + GeneralNumber(p.st.TankBS),
        "TankAD=" + plusOne(Ctl::TankAD),
        "TankBD=" + plusOne(Ctl::TankBD),
        "TankAU=" + StatePlusOne(m, Ctl::TankAU),
        "TankBU=" + StatePlusOne(m, Ctl::TankBU),
        "TankOffA=" + plusOne(Ctl::TankOffA),
        "TankOffB=" + plusOne(Ctl::TankOffB),
        "TUnitsA=" + StatePlusOne(m, Ctl::TUnitsAT),
        "TUnitsB=" + StatePlusOne(m, Ctl::TUnitsBT),
        "TUnitsC=" + StatePlusOne(m, Ctl::TUnitsCT),
        "VRate=" + plusOne(Ctl::VRate),
    };
    return lines.join("\r\n");
}

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
        const QString text = ComposeConfiguration(p);

        p.step(203);
        WriteConfigurationFile(p, text);

        p.step(204);
        p.setStatus("Tank And Oil Data Saved");
        RefreshCurrency(p, true, true);
    });
}

void ResetDefaultsClick(Program& p) {
    // No trap of its own: the reader and the clearing operations handle their failures.
    ReadConfiguration(p);
    RefreshCurrency(p, true, true);
    ClearActualResults(p);
    ClearPredictedResults(p);
    p.st.InputFingerprint.clear();
    p.st.LastInputFingerprint.clear();
    p.main.setEnabled(Ctl::Save, false);
    p.setStatus("Data Restored");
}

}  // namespace tw
