#pragma once
#include <QString>

#include "platform/Files.h"

namespace tw {

// The updater log records every step of an update check, but only while the switch
// file "Log/LogOn.txt" exists.
inline constexpr const char* kUpdaterLogPath = "Log/Updater.log";
inline constexpr const char* kUpdaterSwitchPath = "Log/LogOn.txt";

bool UpdaterLogOn(const Files& files);

// Creates the log with its header block (stamped `stamp`); the caller has found the
// switch on and the log missing. Throws FileError when it cannot.
void CreateUpdaterLogFile(Files& files, const QString& stamp);

// Appends one entry and a line end; a log that is not `present` is made anew first,
// as appending always did on the desktop. Throws FileError when it cannot.
void AppendUpdaterLog(Files& files, const QString& entry, bool present);

}  // namespace tw
