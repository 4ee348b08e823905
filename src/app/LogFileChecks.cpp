#include "app/LogFileChecks.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

#include "app/FolderChecks.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "calc/Fields.h"
#include "platform/ProgramEnded.h"

namespace tw {

namespace {

// Appends pending texts to a log after the folder and file checks. A failed write
// is reported, the program goes on, and false comes back.
bool AppendTo(Program& p, LogKind kind, const std::vector<QString*>& texts,
              QStringList* unwritten) {
    CheckDirectory(p, "Log");
    // A missing log with something to write is a record lost, never a success.
    if (CheckLogFile(p, kind))
        return std::all_of(texts.begin(), texts.end(), [](const QString* t) { return t->isEmpty(); });
    if (AppendPending(p.files, LogPath(p, kind), texts)) return true;
    const QString path = LogFullPath(p, kind);
    if (unwritten) {
        *unwritten << path;
        return false;
    }
    p.say(LogErrorTitle(kind),
          {QCoreApplication::translate("Messages", "Unable to write to the log file %1.").arg(path),
           QCoreApplication::translate("Messages", "This may be a permissions problem.")},
          Icon::Warning);
    return false;
}

}  // namespace

QString LogFileName(Program& p, LogKind kind) {
    switch (kind) {
    case LogKind::Results: return p.st.ResultsLogName;
    case LogKind::History: return p.st.HistoryLogName;
    case LogKind::Delivery: return p.st.DeliveryLogName;
    }
    return {};
}

QString LogPath(Program& p, LogKind kind) { return LogPathFor(LogFileName(p, kind)); }

QString LogFullPath(Program& p, LogKind kind) { return p.files.absolute(LogPath(p, kind)); }

LogPaths LogPathsOf(Program& p) {
    return {LogPath(p, LogKind::Results), LogPath(p, LogKind::History),
            LogPath(p, LogKind::Delivery)};
}

bool ReadLogOrWarn(Program& p, LogKind kind, const QString& failureLine,
                   const std::function<void()>& read) {
    try {
        read();
        return true;
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception&) {
        p.say(LogErrorTitle(kind),
              {failureLine, QCoreApplication::translate("Messages", "This may be a permissions problem.")},
              Icon::Warning);
        return false;
    }
}

void CreateLogFiles(Program& p) {
    const QString stamp = NowStamp(p);
    CheckDirectory(p, "Log");
    if (CreateMissingLogs(p.files, LogPathsOf(p), stamp)) return;
    p.say(QCoreApplication::translate("Messages", "Tankwise Log File Error"),
          {QCoreApplication::translate("Messages", "Unable to create the log files in %1.").arg(p.files.absolute("Log")),
           QCoreApplication::translate("Messages", "This may be a permissions problem."),
           QCoreApplication::translate("Messages", "The program will now terminate.")},
          Icon::Warning);
    p.end();
}

bool CheckLogFile(Program& p, LogKind kind) {
    const QString name = LogFileName(p, kind);
    if (p.files.fileExists(LogPathFor(name))) return false;
    static const char* const kMissing[] = {
        QT_TRANSLATE_NOOP("Messages", "The results log file is either missing\nor corrupted. Delete the log file \n"
                                      "%1 if it exists and restart\nthe program."),
        QT_TRANSLATE_NOOP("Messages", "The history log file is either missing\nor corrupted. Delete the log file \n"
                                      "%1 if it exists and restart\nthe program."),
        QT_TRANSLATE_NOOP("Messages", "The delivery log file is either missing\nor corrupted. Delete the log file \n"
                                      "%1 if it exists and restart\nthe program.")};
    p.say(LogErrorTitle(kind),
          QCoreApplication::translate("Messages", kMissing[int(kind)]).arg(LogFullPath(p, kind)).split('\n'),
          Icon::Warning);
    return true;
}

bool AppendReport(Program& p, bool always, QStringList* unwritten) {
    if (!always && !(NumberValue(p.main.text(Ctl::TDays), p.desktop.locale()) > 0)) return true;
    return AppendTo(p, LogKind::Results, {&p.st.ReportText}, unwritten);
}

bool AppendHistory(Program& p, QStringList* unwritten) {
    if (!p.st.SaveError.isEmpty() || p.st.HistoryLine.isEmpty()) return true;
    return AppendTo(p, LogKind::History, {&p.st.HistoryLine}, unwritten);
}

bool AppendDeliveries(Program& p, QStringList* unwritten) {
    std::vector<QString*> lines;
    if (p.st.SaveError.isEmpty()) lines = {&p.st.DeliveryLine1, &p.st.DeliveryLine2};
    // The delivery log is checked even when there is nothing to write.
    return AppendTo(p, LogKind::Delivery, lines, unwritten);
}

void ReportUnwrittenLogs(Program& p, const QStringList& unwritten) {
    if (unwritten.isEmpty()) return;
    QStringList lines{unwritten.size() == 1
                          ? QCoreApplication::translate("Messages", "Unable to write to the log file")
                          : QCoreApplication::translate("Messages", "Unable to write to the log files")};
    for (const QString& path : unwritten) lines << path;
    lines << QCoreApplication::translate("Messages", "This may be a permissions problem.");
    p.say(QCoreApplication::translate("Messages", "Tankwise Log File Error"), lines, Icon::Warning);

}

}  // namespace tw
