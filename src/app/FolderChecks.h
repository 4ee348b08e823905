#pragma once
#include <QString>

namespace tw {
class Program;

// A program folder ("Data", "Help", "Log") must exist; otherwise the user is told
// and the program ends.
void CheckDirectory(Program& p, const QString& name);

// A file that should exist: true when folder + file is there; otherwise the user is
// warned (title "Tankwise <name> File Error") and false comes back.
bool CheckFile(Program& p, const QString& name, const QString& folder, const QString& file);

}  // namespace tw
