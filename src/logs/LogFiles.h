#pragma once
#include <QString>

namespace tw {
class Program;

enum class LogKind { Results, History, Delivery };

QString LogKindWord(LogKind kind);          // "results", "history", "delivery"
QString LogFileName(Program& p, LogKind kind);
QString LogPath(Program& p, LogKind kind);  // "Log/" + name

// Creates each missing log with its header block; the program ends when it cannot.
void CreateLogFiles(Program& p);
// True (after warning the user) when the log is missing.
bool CheckLogFile(Program& p, LogKind kind);
void AppendReport(Program& p, bool always);
void AppendHistory(Program& p);
void AppendDeliveries(Program& p);
// The Results, History and Deliveries buttons: open the log in a text viewer.
void ViewLogFile(Program& p, LogKind kind);

}  // namespace tw
