#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace tw {
class Files;

// "--export-csv FOLDER" among the program's arguments: the folder, or nullopt
// when the argument is absent. A switch without its folder gives an empty text.
std::optional<QString> ExportCsvFolder(const QStringList& arguments);

// Writes Tankwise_History.csv, Tankwise_Deliveries.csv and Tankwise_Results.csv
// for the logs of the working folder into `folder` (absolute), printing one line
// per file with its row count. Returns the exit code: 0, or 1 after a message on
// `err` when a log cannot be read or a file cannot be written.
// `inLanguage` (--csv-style local): the spreadsheet form of the locale, else the
// portable one.
int ExportAllCsv(const Files& files, const QLocale& locale, const QString& folder,
                 QTextStream& out, QTextStream& err, bool inLanguage = false);

}  // namespace tw
