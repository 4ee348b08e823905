#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/Desktop.h"
#include "platform/Files.h"
#include "logs/CsvExport.h"
#include "logs/HistoryTable.h"
#include "logs/LogFiles.h"
#include "logs/SavedHistory.h"

namespace tw {
class Files;

// What the log window shows: the file as the program wrote it and, for the
// history, the table and the chart's data.
struct LogViewContent {
    bool read = false;
    QString title;
    QStringList lines;  // very long lines are cut to keep the window responsive
    QString status;     // what was read and how many lines were skipped
    std::vector<HistoryTableRow> rows;
    std::vector<SavedDelivery> deliveries;
    QString volumeUnit;  // "litres" or "gallons" in the window's language, after the unit box
    QLocale locale;
};

// Reads a log for its window; a log that cannot be read gives read == false and
// says so in the status line. Never writes anything.
// `rates`: the tax rates the program has now, for periods no delivery in the logs
// gives rates for.
LogViewContent ReadLogView(const Files& files, const LogPaths& paths, LogKind kind,
                           const QLocale& locale, const TaxRates& rates = {},
                           bool withLines = true);

// The history table as every view of the past reads it: both logs, each delivery
// in its calculation (the results log deciding a boundary day where it must). A
// missing log holds nothing; one that cannot be read throws FileError.
std::vector<HistoryTableRow> ReadHistoryTable(const Files& files, const LogPaths& paths,
                                              const QLocale& locale, const TaxRates& rates = {});

// "no lines skipped", or how many and which: "2 lines skipped (damaged or not
// readable): lines 7, 12".
QString SkippedText(const std::vector<int>& lines);

// "Tankwise_History.csv", "Tankwise_Deliveries.csv", "Tankwise_Results.csv".
QString CsvFileName(LogKind kind);
// The CSV text of a log and its number of data rows; throws FileError when a log
// cannot be read.
// `skipped`: the numbers of the log's lines that could not be read; `style`: the
// portable form unless told otherwise.
QString LogCsv(const Files& files, const LogPaths& paths, LogKind kind, const QLocale& locale,
               int* rowCount = nullptr, const TaxRates& rates = {},
               std::vector<int>* skipped = nullptr, const CsvStyle& style = {});

// The History, Deliveries and Results CSV files, from one read of each log: the
// first two share the saved calculations, and the results log gives both its own
// file and the reported use. Throws FileUnreadable.
struct LogCsvFile {
    LogKind kind;
    QByteArray bytes;  // the file, in UTF-8
    int rows = 0;
    std::vector<int> skipped;  // the log's lines that could not be read
};
std::vector<LogCsvFile> AllLogCsv(const Files& files, const LogPaths& paths, const QLocale& locale,
                                  const TaxRates& rates = {}, const CsvStyle& style = {});

}  // namespace tw
