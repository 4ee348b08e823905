#include "update/UpdaterLog.h"

#include "platform/Version.h"

namespace tw {

bool UpdaterLogOn(const Files& files) { return files.fileExists(kUpdaterSwitchPath); }

void CreateUpdaterLogFile(Files& files, const QString& stamp) {
    files.createEmpty(kUpdaterLogPath);
    files.appendLine(kUpdaterLogPath,
                     "Updater\r\nVersion " + VersionText() + "\r\nFile Created\r\n" + stamp + "\r\n");
}

void AppendUpdaterLog(Files& files, const QString& entry, bool present) {
    if (!present) files.createEmpty(kUpdaterLogPath);
    files.appendLine(kUpdaterLogPath, entry);
}

}  // namespace tw
