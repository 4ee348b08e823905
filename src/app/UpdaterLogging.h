#pragma once
#include <QString>

namespace tw {
class Program;

// Creates the updater log when its switch is on and the log is missing. A log that
// cannot be created ends the program.
void CreateUpdaterLog(Program& p);

// Appends one entry and a line end while the switch is on. A log that cannot be
// written ends the program.
void WriteUpdaterLog(Program& p, const QString& entry);

// "dd-mmm-yy hh:mm:ss", the updater log's time stamp.
QString UpdaterStamp(Program& p);

}  // namespace tw
