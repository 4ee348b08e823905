#pragma once
#include <QDate>
#include <QLocale>
#include <QString>

#include "logs/LogColumns.h"

namespace tw {
class Files;

// One tank's fields as a history line reads them.
struct HistoryTank {
    QString capacity, depth, offset, reading1, reading2;
    int shape = 0;
    bool readsVolume = false;
};

// The readings of a calculation: both dates, both tanks, and what goes with the
// second reading only.
struct HistoryReadings {
    QString date1, date2;
    HistoryTank tankA, tankB;
    QString remainingOilValue;
    bool centralHeating = false, waterHeating = false;
};

// The row of the first (1) or second (2) reading: volumes and depths, each worked
// out from the other when the tank is read the other way.
HistoryRow ReadingRow(const HistoryReadings& readings, int reading, const QLocale& locale);

// What the end of the history log tells the next save.
struct HistoryLogEnd {
    int dataLines = 0;  // since the last column header
    bool headerSeen = false;
    QString lastLine;
};
// Reads the log backwards to its last column header; throws when it cannot be read.
HistoryLogEnd ScanHistoryLog(const Files& files, const QString& path, const QLocale& locale);

struct HistoryLineInput {
    HistoryReadings readings;
    QDate date2;
    HistoryLogEnd logEnd;
    bool checkDate = true;  // off with No History
    QString saveError;      // faults found so far
    bool setupChanged = false;
    QString signature, savedSignature;  // the tank setup now and at the last header
    QString tankLineA, tankLineB, taxWord;
};
struct HistoryLineResult {
    QString text;  // header block and data lines, joined by CR LF
    QString saveError;
    bool setupChanged = false;
    QString savedSignature;
};
// The history text of a save: a header block when the log has none, the setup
// changed or forty lines followed the last; then the first reading of a fresh log
// and the data line. A date fault adds to saveError and leaves only the header.
HistoryLineResult ComposeHistoryLine(const HistoryLineInput& in, const QLocale& locale);

}  // namespace tw
