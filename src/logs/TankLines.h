#pragma once
#include <QString>

namespace tw {
class Program;

// The volume unit as the logs write it: "litre" or "gal", always followed by "s".
QString VolumeWord(Program& p);
// "Tank A: 1200litres Cylindrical (H), Depth: 120cm Offset: 2.0cm (Depth)"; a tank
// without capacity shows only its depth phrase ("Tank B: Not Set").
QString TankLine(Program& p, bool tankB);

}  // namespace tw
