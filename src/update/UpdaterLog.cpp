#include "update/UpdaterLog.h"

#include "platform/Files.h"
#include "app/FolderChecks.h"
#include "app/Program.h"
#include "platform/Version.h"
#include "calc/Formats.h"

namespace tw {

namespace {

[[noreturn]] void LogFailure(Program& p, const QString& title, const QString& firstLine) {
    p.say(title, {firstLine, "This may be a permissions problem.", "The program will now terminate."},
          Icon::Warning);
    p.end();
}

}  // namespace

bool UpdaterLogOn(Program& p) { return p.files.fileExists(kUpdaterSwitchPath); }

QString UpdaterStamp(Program& p) { return ShortStamp(p.desktop.now(), p.desktop.locale()); }

void CreateUpdaterLog(Program& p) {
    if (!UpdaterLogOn(p) || p.files.fileExists(kUpdaterLogPath)) return;
    try {
        p.files.createEmpty(kUpdaterLogPath);
        p.files.appendLine(kUpdaterLogPath, "Updater\r\nVersion " + VersionText() +
                                                "\r\nFile Created\r\n" + UpdaterStamp(p) + "\r\n");
    } catch (const FileError&) {
        LogFailure(p, "Updater Log File Error", "Unable to create the log file Updater.log.");
    }
}

void WriteUpdaterLog(Program& p, const QString& entry) {
    if (!UpdaterLogOn(p)) return;
    // The check names the log by its real name: file names here are case-sensitive.
    const bool present = CheckFile(p, "log", "Log/", "Updater.log");
    try {
        // Appending makes a missing log anew, as it always did on the desktop.
        if (!present) p.files.createEmpty(kUpdaterLogPath);
        p.files.appendLine(kUpdaterLogPath, entry);
    } catch (const FileError&) {
        LogFailure(p, "Updater Log File Write Error", "Unable to write to the log file Updater.log.");
    }
}

}  // namespace tw
