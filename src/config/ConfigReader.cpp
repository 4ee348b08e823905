#include "config/ConfigReader.h"

#include <iterator>

#include "app/FatalDump.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "calc/Currency.h"
#include "calc/Fields.h"
#include "calc/Formats.h"
#include "config/TankOilValidation.h"

namespace tw {

namespace {

const QString kConfigPath = "Data/Tankwise.ini";

// A key either fills a window field (value less its offset) or a stored value.
struct Key {
    const char* text;
    Ctl field;        // used when stored is null
    int offset;       // subtracted from the value for a field
    float State::*stored;
};

const Key kKeys[] = {
    {"CORate=", Ctl::CORate, 0, nullptr},
    {"DVRate=", Ctl::DVRate, 1, nullptr},
    {"LogLevel=", Ctl::Title, 0, &State::LogLevel},
    {"Predict=", Ctl::Predict, 1, nullptr},
    {"RunOnTop=", Ctl::Title, 0, &State::RunOnTop},
    {"TankACap=", Ctl::TankACap, 1, nullptr},
    {"TankBCap=", Ctl::TankBCap, 1, nullptr},
    {"TankAS=", Ctl::Title, 0, &State::TankAS},
    {"TankBS=", Ctl::Title, 0, &State::TankBS},
    {"TankAD=", Ctl::TankAD, 1, nullptr},
    {"TankBD=", Ctl::TankBD, 1, nullptr},
    {"TankAU=", Ctl::Title, 0, &State::TankAU},
    {"TankBU=", Ctl::Title, 0, &State::TankBU},
    {"TankOffA=", Ctl::TankOffA, 1, nullptr},
    {"TankOffB=", Ctl::TankOffB, 1, nullptr},
    {"TUnits=", Ctl::Title, 0, &State::TUnits},
    {"TUnitsA=", Ctl::Title, 0, &State::TUnitsA},
    {"TUnitsB=", Ctl::Title, 0, &State::TUnitsB},
    {"TUnitsC=", Ctl::Title, 0, &State::TUnitsC},
    {"UpEnable=", Ctl::Title, 0, &State::UpEnable},
    {"VRate=", Ctl::VRate, 1, nullptr},
};

// Only blanks are trimmed; a tab stays part of the line.
QString TrimBlanks(const QString& line) {
    qsizetype start = 0, end = line.size();
    while (start < end && line.at(start) == ' ') ++start;
    while (end > start && line.at(end - 1) == ' ') --end;
    return line.mid(start, end - start);
}

// A number put into a field reads as a number in the user's locale: general format
// with the locale's decimal separator ("2,54" where a comma is the decimal point).
QString FieldNumber(double value, const QLocale& locale) {
    QString text = GeneralNumber(value);
    if (!text.contains('E')) text.replace('.', locale.decimalPoint());
    return text;
}

// Applies a key line; the index of the key the line held, or -1.
int ApplyKey(Program& p, const QString& line) {
    for (int i = 0; i < int(std::size(kKeys)); ++i) {
        const Key& key = kKeys[i];
        const QString name = QString::fromLatin1(key.text);
        if (!line.startsWith(name)) continue;
        const double value = NumberValue(line.mid(name.size()), p.desktop.locale());
        if (key.stored)
            p.st.*key.stored = static_cast<float>(value);
        else
            p.main.setText(key.field, FieldNumber(value - key.offset, p.desktop.locale()));
        return i;
    }
    return -1;
}

const int kOldUnitsKey = 15;  // "TUnits=" in kKeys

// Keys given more than once and keys missing. Every key but the old combined
// "TUnits=" must be there exactly once; that one may be there once at most.
struct KeyErrors {
    int doubled = 0;
    int missing = 0;
};

KeyErrors CountKeyErrors(const int (&seen)[std::size(kKeys)]) {
    KeyErrors errors;
    for (int i = 0; i < int(std::size(kKeys)); ++i) {
        const bool optional = i == kOldUnitsKey;
        if (seen[i] > 1) errors.doubled += seen[i] - 1;
        if (seen[i] == 0 && !optional) ++errors.missing;
    }
    return errors;
}

// The key line of the diagnostic: a doubled key counts -1 and a missing one 1,
// each kind on its own line so that one cannot hide the other.
QString KeyErrorLines(const KeyErrors& errors) {
    QString text;
    if (errors.doubled > 0) text += QString::number(-errors.doubled) + " Key Errors\r\n";
    if (errors.missing > 0) text += QString::number(errors.missing) + " Key Errors\r\n";
    return text.isEmpty() ? QString("0 Key Errors\r\n") : text;
}

[[noreturn]] void Reject(Program& p, const QStringList& lines) {
    p.say("Tankwise Configuration File Error", lines, Icon::Stop);
    p.end();
}

}  // namespace

void ReadConfiguration(Program& p) {
    Trapped(p, "Config Read Error", [&] {
        State& st = p.st;
        p.step(161);
        st.ConfigEcho = "Tankwise Configuration\r\n" + QString(22, '-');
        int seen[std::size(kKeys)] = {};
        int sectionCount = 2;
        CheckDirectory(p, "Data");
        if (!p.files.fileExists(kConfigPath)) {
            Reject(p, {"The configuration file is missing or corrupted.",
                       "Reinstall the program to restore the file.",
                       "The program will now terminate."});
        }
        const QStringList lines = p.files.readLines(kConfigPath);
        p.step(162);
        for (const QString& raw : lines) {
            if (raw.isEmpty() || raw.startsWith('#')) continue;
            const QString line = TrimBlanks(raw);
            if (const int key = ApplyKey(p, line); key >= 0) ++seen[key];
            if (line == "[Run]" || line == "[Data]") --sectionCount;
            st.ConfigEcho += "\r\n" + line;
        }
        st.ConfigEcho += "\r\n\r\n";

        p.step(163);
        KeyErrors keyErrors = CountKeyErrors(seen);
        // The old combined unit key is forgiven only beside three non-zero new ones.
        if (seen[kOldUnitsKey] == 1 &&
            (st.TUnits == 0 || st.TUnitsA == 0 || st.TUnitsB == 0 || st.TUnitsC == 0))
            ++keyErrors.doubled;
        const bool keysWrong = keyErrors.doubled != 0 || keyErrors.missing != 0;

        st.SaveError.clear();
        CheckTankAndOilData(p, true);
        if (st.SaveError.isEmpty()) {
            RefreshCurrency(p, true, true);
            p.main.setIndex(Ctl::TankAS, static_cast<int>(st.TankAS) - 1);
            p.main.setIndex(Ctl::TankBS, static_cast<int>(st.TankBS) - 1);
        }
        if (!st.SaveError.isEmpty() || keysWrong || sectionCount != 0) {
            QStringList message;
            if (st.InhibitMode != 0) {
                QString diagnostic = QString::number(sectionCount) + " Section Errors\r\n" +
                                     KeyErrorLines(keyErrors);
                diagnostic += st.SaveError.isEmpty() ? QString("0 Value Errors\r\n")
                                                     : st.SaveError + "\r\n";
                message << diagnostic + "The configuration file is corrupted.";
            } else {
                message << "The configuration file is corrupted.";
            }
            message << "Reinstall the program to restore the file."
                    << "The program will now terminate.";
            Reject(p, message);
        }

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
