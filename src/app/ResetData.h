#pragma once

namespace tw {
class Program;

// The Reset Data button: reads the configuration file again and clears the results.
void ResetDefaultsClick(Program& p);

}  // namespace tw
