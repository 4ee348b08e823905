#include "app/ReadConfiguration.h"

#include <QCoreApplication>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "app/RefreshCurrency.h"
#include "app/TankOilCheck.h"
#include "app/WindowFields.h"
#include "config/ConfigReader.h"

namespace tw {

namespace {

const QString kConfigPath = "Data/Tankwise.ini";

struct StoredValue {
    std::optional<float> ConfigSwitches::*given;
    float State::*stored;
};

const StoredValue kStoredValues[] = {
    {&ConfigSwitches::LogLevel, &State::LogLevel}, {&ConfigSwitches::RunOnTop, &State::RunOnTop},
    {&ConfigSwitches::TankAS, &State::TankAS},     {&ConfigSwitches::TankBS, &State::TankBS},
    {&ConfigSwitches::TankAU, &State::TankAU},     {&ConfigSwitches::TankBU, &State::TankBU},
    {&ConfigSwitches::TUnits, &State::TUnits},     {&ConfigSwitches::TUnitsA, &State::TUnitsA},
    {&ConfigSwitches::TUnitsB, &State::TUnitsB},   {&ConfigSwitches::TUnitsC, &State::TUnitsC},
    {&ConfigSwitches::UpEnable, &State::UpEnable},
};

[[noreturn]] void Reject(Program& p, const QStringList& lines) {
    p.say(QCoreApplication::translate("Messages", "Tankwise Configuration File Error"), lines, Icon::Stop);
    p.end();
}

}  // namespace

void ReadConfiguration(Program& p) {
    Trapped(p, "Config Read Error", [&] {
        State& st = p.st;
        p.step(161);
        st.ConfigEcho = "Tankwise Configuration\r\n" + QString(22, '-');
        CheckDirectory(p, "Data");
        if (!p.files.fileExists(kConfigPath)) {
            Reject(p, {QCoreApplication::translate("Messages", "The configuration file is missing or corrupted."),
                       QCoreApplication::translate("Messages", "Reinstall the program to restore the file."),
                       QCoreApplication::translate("Messages", "The program will now terminate.")});

        }
        const QStringList lines = p.files.readLines(kConfigPath);
        p.step(162);
        const ConfigFile file = ParseConfiguration(lines, p.desktop.locale());
        ShowFields(p.main, file.fields);
        for (const StoredValue& v : kStoredValues)
            if (const auto& given = file.switches.*v.given) st.*v.stored = *given;
        st.ConfigEcho += file.echo;

        p.step(163);
        const KeyErrors keyErrors =
            ConfigKeyErrors(file, {st.TUnits, st.TUnitsA, st.TUnitsB, st.TUnitsC});
        const bool keysWrong = keyErrors.doubled != 0 || keyErrors.missing != 0;

        st.SaveError.clear();
        CheckTankAndOilData(p, true);
        if (st.SaveError.isEmpty()) {
            RefreshCurrency(p, true, true);
            p.main.setIndex(Ctl::TankAS, static_cast<int>(st.TankAS) - 1);
            p.main.setIndex(Ctl::TankBS, static_cast<int>(st.TankBS) - 1);
        }
        if (!st.SaveError.isEmpty() || keysWrong || file.sectionErrors != 0)
            Reject(p, ConfigRejection(file.sectionErrors, keyErrors, st.SaveError,
                                      st.InhibitMode != 0));

        p.main.setChecked(Ctl::OnTop, st.RunOnTop - 1 != 0);
        p.main.setChecked(Ctl::AutoSave, st.LogLevel - 1 != 0);
        p.main.setChecked(Ctl::TankAU, st.TankAU - 1 != 0);
        p.main.setChecked(Ctl::TankBU, st.TankBU - 1 != 0);
        p.main.setChecked(Ctl::UpEnableT, st.UpEnable - 1 != 0);
        p.main.setChecked(Ctl::TUnitsAT, st.TUnitsA - 1 != 0);
        p.main.setChecked(Ctl::TUnitsBT, st.TUnitsB - 1 != 0);
        p.main.setChecked(Ctl::TUnitsCT, st.TUnitsC - 1 != 0);

        // The stored unit values follow the old combined code (0 when absent).
        st.TUnitsA = (st.TUnits == 1 || st.TUnits == 3) ? 2 : 1;
        st.TUnitsB = (st.TUnits == 3 || st.TUnits == 4) ? 2 : 1;
    });
}

}  // namespace tw
