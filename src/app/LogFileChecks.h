#pragma once
#include <QString>
#include <QStringList>
#include <functional>

#include "logs/LogFiles.h"

namespace tw {
class Program;

QString LogFileName(Program& p, LogKind kind);
QString LogPath(Program& p, LogKind kind);  // "Log/" + name
// The log's full path, as messages name it.
QString LogFullPath(Program& p, LogKind kind);
// The three logs under the names this run uses.
LogPaths LogPathsOf(Program& p);

// Creates each missing log with its header block; the program ends when it cannot.
void CreateLogFiles(Program& p);
// True (after warning the user) when the log is missing.
bool CheckLogFile(Program& p, LogKind kind);
// Each appends its pending text and clears it once written; false when a write
// failed. The failure is told in the log's own warning, or, given `unwritten`, the
// log's full path is added there for the caller's one message.
bool AppendReport(Program& p, bool always, QStringList* unwritten = nullptr);
bool AppendHistory(Program& p, QStringList* unwritten = nullptr);
bool AppendDeliveries(Program& p, QStringList* unwritten = nullptr);
// The one warning of a save whose logs could not all be written: every path.
void ReportUnwrittenLogs(Program& p, const QStringList& unwritten);
// Runs a read of a log under its own trap: when the read fails the user is told
// (the log's error title, the given first line, the permissions hint) and false
// comes back.
bool ReadLogOrWarn(Program& p, LogKind kind, const QString& failureLine,
                   const std::function<void()>& read);

}  // namespace tw
