#pragma once
#include <QString>
#include <vector>

#include "platform/Desktop.h"

namespace tw {
class Files;

// Where the three logs are, relative to the working folder.
struct LogPaths {
    QString results = QStringLiteral("Log/Tankwise.log");
    QString history = QStringLiteral("Log/Tankwise_H.log");
    QString delivery = QStringLiteral("Log/Tankwise_D.log");
    QString of(LogKind kind) const;
};

QString LogKindWord(LogKind kind);  // "results", "history", "delivery"
// "Log/" + the log's file name.
QString LogPathFor(const QString& fileName);

// "Tankwise History Log File Error" and its sisters, in the user's language.

QString LogErrorTitle(LogKind kind);

// The header block a fresh log starts with, time stamp included.
QString LogCreationBlock(LogKind kind, const QString& stamp);
// Writes the header block of each log that is missing or empty; false when one
// could not be written.
bool CreateMissingLogs(Files& files, const LogPaths& paths, const QString& stamp);
// Appends the pending texts to the log, skipping empty ones; each text is cleared
// once it is in the file, so a later save writes only what is missing. False when
// a write failed.
bool AppendPending(Files& files, const QString& path, const std::vector<QString*>& texts);

}  // namespace tw
