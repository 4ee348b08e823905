#pragma once
#include <QString>

namespace tw {
class Program;

// The updater log records every step of an update check, but only while the switch
// file "Log/LogOn.txt" exists.
inline constexpr const char* kUpdaterLogPath = "Log/Updater.log";
inline constexpr const char* kUpdaterSwitchPath = "Log/LogOn.txt";

bool UpdaterLogOn(Program& p);

// Creates the log with its header block when the switch is on and the log is
// missing. A log that cannot be created ends the program.
void CreateUpdaterLog(Program& p);

// Appends one entry and a line end while the switch is on. A log that cannot be
// written ends the program.
void WriteUpdaterLog(Program& p, const QString& entry);

// "dd-mmm-yy hh:mm:ss", the updater log's time stamp.
QString UpdaterStamp(Program& p);

}  // namespace tw
