#include "logs/RecentHistory.h"

#include <algorithm>

#include "logs/LogColumns.h"
#include "logs/SavedReports.h"
#include "platform/Files.h"

namespace tw {

namespace {

// Lines read from the end of a log until `enough` says so, handed back first to last.
template <typename Enough>
QStringList TailLines(const Files& files, const QString& path, Enough enough) {
    QStringList lines;
    if (!files.fileExists(path)) return lines;
    files.forEachLineBackwards(path, [&](const QString& line) {
        lines << line;
        return !enough(line);
    });
    std::reverse(lines.begin(), lines.end());
    return lines;
}

}  // namespace

std::vector<HistoryTableRow> ReadRecentHistoryTable(const Files& files, const LogPaths& paths,
                                                    const QLocale& locale) {
    // History: back past two readings older than the window, then on to the tank
    // lines of the block they were saved under.
    SavedHistoryReader probe(locale);
    std::optional<QDate> last, earliest;
    int older = 0;
    bool headerPassed = false;
    const QStringList history = TailLines(files, paths.history, [&](const QString& line) {
        if (older >= 2) {
            // The block's tank lines stand above its column header; a block without
            // them ends at the data line before it.
            if (IsColumnHeader(line)) headerPassed = true;
            return line.startsWith(QLatin1String("Tank A: ")) ||
                   (headerPassed && IsHistoryDataLine(line, LineDateCheck::of(locale)));
        }
        const size_t before = probe.result().readings.size();
        probe.addHistoryLine(line);
        if (probe.result().readings.size() == before) return false;
        const QDate date = probe.result().readings.back().date;
        if (!last) last = date;
        earliest = date;
        if (date < ForecastWindowStart(*last)) ++older;
        return false;
    });
    SavedHistoryReader reader(locale);
    for (const QString& line : history) reader.addHistoryLine(line);
    // Deliveries: back to the day before the earliest reading read.
    const QDate from = earliest.value_or(QDate()).addDays(-1);
    const LineDateCheck& dates = LineDateCheck::of(locale);
    const QStringList deliveries = TailLines(files, paths.delivery, [&](const QString& line) {
        if (!earliest) return true;  // no reading, no period to deliver into
        if (!IsDeliveryLine(line, dates)) return false;
        const auto date = LineDate(line, locale);
        return date && *date < from;
    });
    for (const QString& line : deliveries) reader.addDeliveryLine(line);
    const SavedHistory saved = reader.take();
    const QDate since = saved.readings.empty() ? QDate() : saved.readings.front().date;
    return BuildHistoryTable(saved, {}, ReportedUseFrom(files, paths.results, locale, since));
}

}  // namespace tw
