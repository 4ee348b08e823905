#pragma once
#include <QDate>
#include <QLocale>
#include <vector>

#include "logs/HistoryTable.h"
#include "logs/LogFiles.h"

namespace tw {
class Files;

// The forecast learns from the last few heating seasons: periods that start at most
// this many years before the last saved reading.
inline constexpr int kForecastYears = 3;

// The first day of a period the forecast learns from, given the last saved reading.
inline QDate ForecastWindowStart(const QDate& lastReading) {
    return lastReading.addYears(-kForecastYears);
}

// The history table of those periods (and a little before them), read backwards
// from the ends of the logs: the work of one calculation does not grow with the
// years behind it. The rows from the window's start on equal those of the whole
// table. A missing log holds nothing; one that cannot be read throws FileError.
std::vector<HistoryTableRow> ReadRecentHistoryTable(const Files& files, const LogPaths& paths,
                                                    const QLocale& locale);

}  // namespace tw
