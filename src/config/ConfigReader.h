#pragma once
#include <QLocale>
#include <QStringList>
#include <array>
#include <optional>

#include "calc/FieldTexts.h"

namespace tw {

// The stored switches and codes the file gives; a key the file lacks stays unset.
struct ConfigSwitches {
    std::optional<float> LogLevel, RunOnTop, TankAS, TankBS, TankAU, TankBU, TUnits, TUnitsA,
        TUnitsB, TUnitsC, UpEnable;
};

inline constexpr int kConfigKeyCount = 21;

// What the lines of Data/Tankwise.ini hold.
struct ConfigFile {
    FieldTexts fields;        // the settings shown in the window, as the last key gave them
    ConfigSwitches switches;  // the stored values
    QString echo;             // each line read, after CR LF, and a closing blank line
    int sectionErrors = 2;    // 2 less one for each "[Run]" and "[Data]" line
    std::array<int, kConfigKeyCount> seen{};  // how often each key was given
};

// Reads the lines: comment ("#") and empty lines skipped, blanks trimmed, a key's
// number read by the user's locale; a field shows the number less the key's offset.
ConfigFile ParseConfiguration(const QStringList& lines, const QLocale& locale);

// Keys given more than once and keys missing. Every key but the old combined
// "TUnits=" must be there exactly once; that one may be there once at most, and is
// forgiven only beside three non-zero new unit codes (`units`: TUnits, TUnitsA,
// TUnitsB, TUnitsC as they stand after the file was read).
struct KeyErrors {
    int doubled = 0;
    int missing = 0;
};
KeyErrors ConfigKeyErrors(const ConfigFile& file, const std::array<float, 4>& units);

// The message of a rejected file; with `diagnostic`, the section, key and value
// errors (`valueErrors`: the check messages, each ending in a line feed) head it.
QStringList ConfigRejection(int sectionErrors, const KeyErrors& keys, const QString& valueErrors,
                            bool diagnostic);

}  // namespace tw
