#include "app/Archive.h"

#include <QCoreApplication>

#include "app/FolderChecks.h"
#include "app/Program.h"
#include "platform/ProgramEnded.h"
#include "app/Startup.h"
#include "logs/LogColumns.h"
#include "app/LogFileChecks.h"

namespace tw {

namespace {

// At least one saved report: start-up records alone are no data.
bool ResultsLogHasData(Program& p) {
    bool found = false;
    p.files.forEachLine(LogPath(p, LogKind::Results), [&](const QString& line) {
        if (!found && TrimBlanks(line).startsWith(QLatin1String("Use To"))) found = true;
    });
    return found;
}

// "Log/Tankwise_130525_1.log": today's date and the first free sequence number.
QString FreeArchiveName(Program& p) {
    const QString day = p.desktop.now().date().toString(QStringLiteral("yyMMdd"));
    for (int n = 1;; ++n) {
        const QString path = "Log/Tankwise_" + day + "_" + QString::number(n) + ".log";
        if (!p.files.fileExists(path)) return path;
    }
}

// The results log started again with its header block (two empty lines at its
// end). It replaces the old log in one step, so a failure leaves the old one.
void MakeFreshResultsLog(Program& p) {
    p.files.writeAtomic(LogPath(p, LogKind::Results),
                        LogCreationBlock(LogKind::Results, NowStamp(p)));
}

void ArchiveOrClear(Program& p) {
    CheckDirectory(p, "Log");
    if (CheckLogFile(p, LogKind::Results)) return;
    const bool hasData = ResultsLogHasData(p);
    const Answer answer =
        p.say(QCoreApplication::translate("Messages", "Archive Tankwise Results Log File"),
              QCoreApplication::translate("Messages",
                                          "Do you want to archive the log file?\n"
                                          "To Archive the results log file and create a new one click Yes\n"
                                          "To Clear the results log file without archiving it click No\n"
                                          "Click Cancel to return")
                  .split('\n'),
              Icon::Warning, Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes) {
        if (!hasData) {
            p.say(LogErrorTitle(LogKind::Results),
                  QCoreApplication::translate("Messages", "There is no data to archive!\nResults log file not archived.")
                      .split('\n'),
                  Icon::Warning);
            return;
        }
        p.files.copy(LogPath(p, LogKind::Results), FreeArchiveName(p));
        p.setStatus(QCoreApplication::translate("MainWindow", "Results Log File Archived"));
        MakeFreshResultsLog(p);
        return;
    }
    if (hasData && p.say(QCoreApplication::translate("Messages", "Tankwise Create New Log File"),
                         {QCoreApplication::translate("Messages", "Are you sure you want to create a new results log file?")},
                         Icon::None, Buttons::YesNo) == Answer::No)
        return;
    MakeFreshResultsLog(p);
    p.setStatus(QCoreApplication::translate("MainWindow", "Results Log File Cleared"));
}

}  // namespace

void ArchiveClick(Program& p) {
    p.main.setText(Ctl::Status, QString());
    p.timer1.stop();
    if (p.savingRefused(LogErrorTitle(LogKind::Results))) return;
    try {
        ArchiveOrClear(p);
    } catch (const FileError&) {
        p.say(LogErrorTitle(LogKind::Results),
              {QCoreApplication::translate("Messages", "Unable to archive the results log file %1.")
                   .arg(LogFullPath(p, LogKind::Results)),
               QCoreApplication::translate("Messages", "This may be a permissions problem.")},

              Icon::Warning);
    }
}

}  // namespace tw
