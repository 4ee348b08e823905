#pragma once
#include <QString>

#include "logs/LogView.h"

namespace tw {
class Program;

// The Results, History and Deliveries buttons: show the program's window for the log.
void ViewLogFile(Program& p, LogKind kind);
// The log window's "Open with...": hand the log to the desktop's own handler.
void OpenLogWith(Program& p, LogKind kind);
// What the log window shows for this run's logs, units and locale.
// `withLines`: the log's own text too, not only the table and the chart's data.
LogViewContent ReadLogView(Program& p, LogKind kind, bool withLines = true);
// The oil and delivery-charge tax rates of the Tank & Oil data.
TaxRates CurrentTaxRates(Program& p);
// The log window's "Export CSV...": writes the file, or tells the user why not.
// `inLanguage`: the spreadsheet form of the user's locale, else the portable one.
bool ExportLogCsv(Program& p, LogKind kind, const QString& absolutePath, bool inLanguage = false);

}  // namespace tw
