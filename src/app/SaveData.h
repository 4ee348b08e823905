#pragma once

#include "config/ConfigWriter.h"

namespace tw {
class Program;

// The settings as the main window shows them, as Save Data writes them.
ShownSettings SettingsShown(const Program& p);

// The Save Data button: checks the tank and oil settings and writes them to the
// configuration file.
void SaveDefaultsClick(Program& p);

}  // namespace tw
