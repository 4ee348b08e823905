#include "app/FolderChecks.h"

#include <QCoreApplication>

#include "app/Program.h"

namespace tw {

void CheckDirectory(Program& p, const QString& name) {
    // Folder names are matched without regard to case, as on the desktop the
    // program was made for ("log" finds "Log").
    const QString folder = name.compare("log", Qt::CaseInsensitive) == 0 ? "Log" : name;
    if (p.files.dirExists(folder)) return;
    // The folder's own name is kept: it is the name on the disk.
    p.say(QCoreApplication::translate("Messages", "Tankwise %1 Directory Error").arg(name),
          QCoreApplication::translate("Messages", "The %1 directory does not exist.\nTo restore the %1 directory\n"
                                                  "reinstall the program.\nThe program will now terminate.")
              .arg(name)
              .split('\n'),
          Icon::Stop);
    p.end();
}

bool CheckFile(Program& p, const QString& name, const QString& folder, const QString& file) {
    if (p.files.fileExists(folder + file)) return true;
    // `name` is marked for the translations in the "Messages" context.
    const QString shown = QCoreApplication::translate("Messages", name.toUtf8().constData());
    const QString lower = QCoreApplication::translate("Messages", name.toLower().toUtf8().constData());
    p.say(QCoreApplication::translate("Messages", "Tankwise %1 File Error").arg(shown),
          QCoreApplication::translate("Messages", "The %1 file is either missing or\ncorrupted. Delete the %1 file if\n"
                                                  "it exists and restart the program.")
              .arg(lower)
              .split('\n'),
          Icon::Warning);
    return false;
}

}  // namespace tw
