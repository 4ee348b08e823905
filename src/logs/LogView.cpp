#include "logs/LogView.h"

#include "platform/Files.h"
#include "logs/CsvExport.h"
#include "logs/SavedReports.h"

namespace tw {

namespace {

// A line longer than this is shown cut: a damaged log may hold megabytes without
// a line end, which no text view lays out quickly.
constexpr qsizetype kShownLineLength = 2000;

QString Lines(int count, const QString& one, const QString& many) {
    return QString::number(count) + QLatin1Char(' ') + (count == 1 ? one : many);
}

}  // namespace

QString SkippedText(const std::vector<int>& lines) {
    if (lines.empty()) return QStringLiteral("no lines skipped");
    // Which lines, so the user can find them; a log full of damage names the first.
    QStringList numbers;
    for (size_t i = 0; i < lines.size() && i < 5; ++i) numbers << QString::number(lines[i]);
    if (lines.size() > 5) numbers << QStringLiteral("...");
    return Lines(int(lines.size()), QStringLiteral("line"), QStringLiteral("lines")) +
           QStringLiteral(" skipped (damaged or not readable): ") +
           (lines.size() == 1 ? QStringLiteral("line ") : QStringLiteral("lines ")) + numbers.join(", ");
}

namespace {

QString WindowTitle(LogKind kind) {
    switch (kind) {
    case LogKind::Results: return QStringLiteral("Tankwise Results Log");
    case LogKind::History: return QStringLiteral("Tankwise History");
    case LogKind::Delivery: return QStringLiteral("Tankwise Deliveries");
    }
    return {};
}

QString ShownLine(const QString& line) {
    return line.size() > kShownLineLength ? line.left(kShownLineLength) + QStringLiteral(" \u2026")
                                          : line;
}

}  // namespace

LogViewContent ReadLogView(const Files& files, const LogPaths& paths, LogKind kind,
                           const QLocale& locale, const TaxRates& rates, bool withLines) {
    LogViewContent view;
    view.title = WindowTitle(kind);
    view.locale = locale;
    try {
        if (kind == LogKind::Results) {
            files.forEachLine(paths.results,
                              [&](const QString& line) { view.lines << ShownLine(line); });
            SavedReportReader reader(locale);
            for (const QString& line : view.lines) reader.addLine(line);
            view.status = Lines(int(reader.take().size()), "report", "reports");
        } else {
            // One pass over each log: the shown log's lines feed the window and the
            // table alike. The shown log comes first, so that its lines are there even
            // when the other log cannot be read.
            SavedHistoryReader reader(locale);
            auto readLog = [&](LogKind log) {
                files.forEachLine(paths.of(log), [&](const QString& line) {
                    if (log == LogKind::History) reader.addHistoryLine(line);
                    else reader.addDeliveryLine(line);
                    if (withLines && log == kind) view.lines << ShownLine(line);
                });
            };
            readLog(kind);
            readLog(kind == LogKind::History ? LogKind::Delivery : LogKind::History);
            SavedHistory history = reader.take();
            // The table needs the deliveries before the view takes them.
            if (kind == LogKind::History)
                view.rows = BuildHistoryTable(history, rates,
                                              ReportedUseFrom(files, paths.results, locale));
            view.deliveries = std::move(history.deliveries);
            if (kind == LogKind::History) {
                view.status = Lines(int(view.rows.size()), "reading", "readings") + ", " +
                              SkippedText(history.skippedHistory);
            } else {
                view.status = Lines(int(view.deliveries.size()), "delivery", "deliveries") + ", " +
                              SkippedText(history.skippedDelivery);
            }
        }
        view.read = true;
    } catch (const std::exception&) {
        view.status = "Unable to read the log file " + paths.of(kind).section('/', -1) + ".";
    }
    return view;
}

std::vector<HistoryTableRow> ReadHistoryTable(const Files& files, const LogPaths& paths,
                                              const QLocale& locale, const TaxRates& rates) {
    const SavedHistory history = ReadSavedHistory(files, paths.history, paths.delivery, locale);
    return BuildHistoryTable(history, rates, ReportedUseFrom(files, paths.results, locale));
}

QString CsvFileName(LogKind kind) {
    switch (kind) {
    case LogKind::Results: return QStringLiteral("Tankwise_Results.csv");
    case LogKind::History: return QStringLiteral("Tankwise_History.csv");
    case LogKind::Delivery: return QStringLiteral("Tankwise_Deliveries.csv");
    }
    return {};
}

QString LogCsv(const Files& files, const LogPaths& paths, LogKind kind, const QLocale& locale,
               int* rowCount, const TaxRates& rates, std::vector<int>* skipped,
               const CsvStyle& style) {
    int rows = 0;
    QString text;
    if (kind == LogKind::Results) {
        SavedReportReader reader(locale);
        files.forEachLine(paths.results, [&](const QString& line) { reader.addLine(line); });
        const auto reports = reader.take();
        rows = int(reports.size());
        text = ResultsCsv(reports, style);
    } else {
        if (kind == LogKind::History) {
            const SavedHistory history =
                ReadSavedHistory(files, paths.history, paths.delivery, locale);
            const auto table =
                BuildHistoryTable(history, rates, ReportedUseFrom(files, paths.results, locale));
            rows = int(table.size());
            text = HistoryCsv(table, style);
            if (skipped) *skipped = history.skippedHistory;
        } else {
            // Each delivery names the reading of the calculation it was saved with.
            const SavedHistory history =
                ReadSavedHistory(files, paths.history, paths.delivery, locale);
            rows = int(history.deliveries.size());
            if (skipped) *skipped = history.skippedDelivery;
            text = DeliveriesCsv(history.deliveries,
                                 PairCalculations(history, rates,
                                                  ReportedUseFrom(files, paths.results, locale)),
                                 style);
        }
    }
    if (rowCount) *rowCount = rows;
    return text;
}

}  // namespace tw
