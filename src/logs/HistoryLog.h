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
    QString openingOilValue;  // the priced oil at reading 1, for a fresh log's first line
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
    QString tankLineA, tankLineB;  // of the last header block
};
// Reads the log backwards to its last header block; throws when it cannot be read.
HistoryLogEnd ScanHistoryLog(const Files& files, const QString& path, const QLocale& locale);

struct HistoryLineInput {
    HistoryReadings readings;
    QDate date2;
    HistoryLogEnd logEnd;
    bool checkDate = true;  // off with No History
    QString saveError;      // faults found so far
    QString tankLineA, tankLineB, taxWord;
};
struct HistoryLineResult {
    QString text;  // header block and data lines, joined by CR LF
    QString saveError;
};
// The history text of a save: a header block when the log has none, when the tanks
// (capacity, shape, depth, offset, reading mode or units) differ from those of the
// log's last block, or when forty lines followed the last; then the first reading
// of a fresh log and the data line. A date fault adds to saveError and leaves only
// the header.
HistoryLineResult ComposeHistoryLine(const HistoryLineInput& in, const QLocale& locale);
// The history text of a starting reading saved alone: the header block and the
// first-reading line, into a log that holds no reading yet. Where the log holds one,
// the reading needs its second reading, and saveError says so.
HistoryLineResult ComposeStartingReading(const HistoryLineInput& in, const QLocale& locale);

}  // namespace tw
