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

QString SkippedText(int skipped) {
    if (skipped == 0) return QStringLiteral("no lines skipped");
    return Lines(skipped, QStringLiteral("line"), QStringLiteral("lines")) +
           QStringLiteral(" skipped (damaged or not readable)");
}

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
                           const QLocale& locale, const TaxRates& rates) {
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
                    if (log == kind) view.lines << ShownLine(line);
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
                              SkippedText(history.skippedHistoryLines);
            } else {
                view.status = Lines(int(view.deliveries.size()), "delivery", "deliveries") + ", " +
                              SkippedText(history.skippedDeliveryLines);
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
               int* rowCount, const TaxRates& rates) {
    int rows = 0;
    QString text;
    if (kind == LogKind::Results) {
        SavedReportReader reader(locale);
        files.forEachLine(paths.results, [&](const QString& line) { reader.addLine(line); });
        const auto reports = reader.take();
        rows = int(reports.size());
        text = ResultsCsv(reports);
    } else {
        if (kind == LogKind::History) {
            const auto table = ReadHistoryTable(files, paths, locale, rates);
            rows = int(table.size());
            text = HistoryCsv(table);
        } else {
            const SavedHistory history =
                ReadSavedHistory(files, paths.history, paths.delivery, locale);
            rows = int(history.deliveries.size());
            text = DeliveriesCsv(history.deliveries,
                                 PairCalculations(history, rates,
                                                  ReportedUseFrom(files, paths.results, locale)));
        }
    }
    if (rowCount) *rowCount = rows;
    return text;
}

}  // namespace tw
