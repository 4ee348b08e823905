#pragma once
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "logs/ImportCsv.h"

namespace tw {

// A period as the window showed it once calculated and saved.
struct ImportedPeriod {
    QDate from, to;
    QString days, used, cost;
    int deliveries = 0;
    bool starting = false;  // the first reading of an empty log, saved on its own
};

struct ImportResult {
    std::vector<ImportedPeriod> periods;
    std::vector<ImportProblem> problems;  // every refused row, with the check's message
    int skippedReadings = 0, skippedDeliveries = 0;
    bool dayOrderNeeded = false;
    bool written = false;
    QString failure;  // why nothing was written although the rows were accepted
    bool accepted() const { return problems.empty() && !dayOrderNeeded && failure.isEmpty(); }
};

struct ImportSource {
    std::vector<ImportTable> tables;
    QString error;  // a file that could not be read
};
// Reads the files to import. The program's own History CSV brings the Deliveries
// CSV that the export wrote beside it.
ImportSource ReadImportFiles(const QStringList& absolutePaths, const QLocale& locale);

using ImportClock = std::function<QDateTime()>;

// Types every period into a program working on a copy of the folder's settings and
// logs, calculating and saving each as a user would: what the import would write,
// and every row it refuses. The folder itself is not touched.
ImportResult PreviewImport(const QString& folder, const std::vector<ImportTable>& tables,
                           DayOrder order, const QLocale& locale, const ImportClock& clock);
// The same in the folder itself, all or nothing: when any row is refused or a log
// cannot be written, the three logs are cut back to what they held before.
ImportResult CommitImport(const QString& folder, const std::vector<ImportTable>& tables,
                          DayOrder order, const QLocale& locale, const ImportClock& clock);

}  // namespace tw
