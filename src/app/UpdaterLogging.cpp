#include "app/UpdaterLogging.h"

#include <QCoreApplication>

#include "app/FolderChecks.h"
#include "app/Program.h"
#include "calc/Formats.h"
#include "update/UpdaterLog.h"

namespace tw {

namespace {

[[noreturn]] void LogFailure(Program& p, const QString& title, const QString& firstLine) {
    p.say(title,
          {firstLine, QCoreApplication::translate("Messages", "This may be a permissions problem."),
           QCoreApplication::translate("Messages", "The program will now terminate.")},
          Icon::Warning);
    p.end();
}

}  // namespace

QString UpdaterStamp(Program& p) { return ShortStamp(p.desktop.now(), p.desktop.locale()); }

void CreateUpdaterLog(Program& p) {
    if (!UpdaterLogOn(p.files) || p.files.fileExists(kUpdaterLogPath)) return;
    try {
        CreateUpdaterLogFile(p.files, UpdaterStamp(p));
    } catch (const FileError&) {
        LogFailure(p, QCoreApplication::translate("Messages", "Updater Log File Error"),
                   QCoreApplication::translate("Messages", "Unable to create the log file %1.")
                       .arg(p.files.absolute(kUpdaterLogPath)));
    }
}

void WriteUpdaterLog(Program& p, const QString& entry) {
    if (!UpdaterLogOn(p.files)) return;
    // The check names the log by its real name: file names here are case-sensitive.
    const bool present = CheckFile(p, QT_TRANSLATE_NOOP("Messages", "log"), "Log/", "Updater.log");
    try {
        AppendUpdaterLog(p.files, entry, present);
    } catch (const FileError&) {
        LogFailure(p, QCoreApplication::translate("Messages", "Updater Log File Write Error"),
                   QCoreApplication::translate("Messages", "Unable to write to the log file %1.")
                       .arg(p.files.absolute(kUpdaterLogPath)));

    }
}

}  // namespace tw
