#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

#include "app/ImportRun.h"

namespace tw {

// "--import-csv FILE" among the program's arguments: the file, or nullopt.
std::optional<QString> ImportCsvFile(const QStringList& arguments);
// "--day-first" or "--month-first": how numeric dates are read when the file
// itself does not tell.
DayOrder DayOrderOf(const QStringList& arguments);

// Imports `file` (absolute) into the working folder: prints each period with its
// oil used and cost, or every refused row with its line and message and writes
// nothing. Returns 0 when the records were written, 1 otherwise.
int ImportCsvIntoFolder(const QString& folder, const QString& file, DayOrder order,
                        const QLocale& locale, const ImportClock& clock, QTextStream& out,
                        QTextStream& err);

// The preview's lines, one per period and one per refused row.
QStringList ImportReport(const ImportResult& result, const QLocale& locale);

}  // namespace tw
