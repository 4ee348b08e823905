#pragma once

namespace tw {
class Program;

// Reads Data/Tankwise.ini into the window and the stored values, validates it and
// ends the program with its message when the file is missing or rejected.
void ReadConfiguration(Program& p);

}  // namespace tw
