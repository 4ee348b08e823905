#pragma once

namespace tw {
class Program;

// Checks the tank description and oil settings against their bounds, appending one
// message per failed check to SaveError; when nothing failed, normalises the fields.
// While the configuration file is being read the reading-mode boxes are not set yet,
// so the reader asks for the modes the file itself gives.
void CheckTankAndOilData(Program& p, bool modesFromFile = false);

}  // namespace tw
