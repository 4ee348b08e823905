#pragma once
#include <QDate>
#include <QLocale>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tw {

// The figures of one report in the results log, read back by their labels.
struct SavedReport {
    std::optional<QDate> from, to, runOut;
    std::optional<double> days, oilUsed, oilLeft, usePerDay, co2, co2PerDay;
    std::optional<double> totalCost, costPerDay;
    std::optional<double> predictedMonths, predictedOilUsed, predictedCost;
};

// Reads the results log's reports line by line: a report starts at its
// "Use To Date" line and ends at its closing line of dashes. Time stamps, notes,
// tank lines and start-up records between reports are passed over.
class SavedReportReader {
public:
    explicit SavedReportReader(const QLocale& locale);
    void addLine(const QString& line);
    std::vector<SavedReport> take();

private:
    void finish();

    QLocale locale_;
    QString symbol_;
    std::optional<SavedReport> current_;
    bool inPrediction_ = false;
    std::vector<SavedReport> reports_;
};

class Files;
// Every report of a results log, in the order saved; throws FileError when the log
// cannot be read.
std::vector<SavedReport> ReadSavedReports(const Files& files, const QString& resultsPath,
                                          const QLocale& locale);

// The oil used that the results log's report of a period gives, read from the log
// the first time it is asked (it is needed only where the delivery and history
// logs cannot tell which period a delivery belongs to); nothing when the log has
// no report of that period or cannot be read. With `since`, only the reports from
// that date on are read, from the end of the log.
std::function<std::optional<double>(const QDate&, const QDate&)> ReportedUseFrom(
    const Files& files, const QString& resultsPath, const QLocale& locale,
    const QDate& since = QDate());
// The same from reports already read.
std::function<std::optional<double>(const QDate&, const QDate&)> ReportedUseOf(
    const std::vector<SavedReport>& reports);

}  // namespace tw
