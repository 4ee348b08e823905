#pragma once

namespace tw {
class Program;

// The Save Data button: checks the tank and oil settings and writes them to the
// configuration file.
void SaveDefaultsClick(Program& p);

}  // namespace tw
