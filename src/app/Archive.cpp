#include "app/Archive.h"

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
        p.say("Archive Tankwise Results Log File",
              {"Do you want to archive the log file?",
               "To Archive the results log file and create a new one click Yes",
               "To Clear the results log file without archiving it click No",
               "Click Cancel to return"},
              Icon::Warning, Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes) {
        if (!hasData) {
            p.say(LogErrorTitle(LogKind::Results),
                  {"There is no data to archive!", "Results log file not archived."},
                  Icon::Warning);
            return;
        }
        p.files.copy(LogPath(p, LogKind::Results), FreeArchiveName(p));
        p.setStatus(QT_TRANSLATE_NOOP("MainWindow", "Results Log File Archived"));
        MakeFreshResultsLog(p);
        return;
    }
    if (hasData && p.say("Tankwise Create New Log File",
                         {"Are you sure you want to create a new results log file?"}, Icon::None,
                         Buttons::YesNo) == Answer::No)
        return;
    MakeFreshResultsLog(p);
    p.setStatus(QT_TRANSLATE_NOOP("MainWindow", "Results Log File Cleared"));
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
              {"Unable to archive the results log file " + LogFullPath(p, LogKind::Results) + ".",
               "This may be a permissions problem."},
              Icon::Warning);
    }
}

}  // namespace tw
