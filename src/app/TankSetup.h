#pragma once
#include <QString>

#include "logs/TankLines.h"

namespace tw {
class Program;

// A tank's header-line values as the main window holds them.
TankLineInput TankLineInputOf(Program& p, bool tankB);
// The tank's header line for the logs.
QString TankLineOf(Program& p, bool tankB);

}  // namespace tw
