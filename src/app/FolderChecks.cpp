#include "app/FolderChecks.h"

#include "app/Program.h"

namespace tw {

void CheckDirectory(Program& p, const QString& name) {
    // Folder names are matched without regard to case, as on the desktop the
    // program was made for ("log" finds "Log").
    const QString folder = name.compare("log", Qt::CaseInsensitive) == 0 ? "Log" : name;
    if (p.files.dirExists(folder)) return;
    p.say("Tankwise " + name + " Directory Error",
          {"The " + name + " directory does not exist.", "To restore the " + name + " directory",
           "reinstall the program.", "The program will now terminate."},
          Icon::Stop);
    p.end();
}

bool CheckFile(Program& p, const QString& name, const QString& folder, const QString& file) {
    if (p.files.fileExists(folder + file)) return true;
    const QString lower = name.toLower();
    p.say("Tankwise " + name + " File Error",
          {"The " + lower + " file is either missing or", "corrupted. Delete the " + lower + " file if",
           "it exists and restart the program."},
          Icon::Warning);
    return false;
}

}  // namespace tw
