#pragma once
#include <QString>

namespace tw {
class Program;

// The command-line switch mode: 0 none, 1, 2, 5 or 6; the last matching switch wins.
int InhibitModeFor(const QString& arguments);

// The main window's load sequence (folders, switches, configuration, logs, start-up
// record, units, tank snapshot, automatic update check).
void LoadMainWindow(Program& p, const QString& arguments);

// Each time the main window becomes active: topmost, Save disabled, last data restored.
void ActivateMainWindow(Program& p);

// The start-up record and log time stamps: short date, blank, hh:mm:ss.
QString NowStamp(Program& p);

}  // namespace tw
