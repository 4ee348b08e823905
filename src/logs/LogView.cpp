#include "logs/LogView.h"

#include <QCoreApplication>

#include "platform/Files.h"
#include "logs/CsvExport.h"
#include "logs/SavedReports.h"

namespace tw {

namespace {

// The texts it shows, in the language of the installed translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(LogView)
};

// A line longer than this is shown cut: a damaged log may hold megabytes without
// a line end, which no text view lays out quickly.
constexpr qsizetype kShownLineLength = 2000;

// "1 reading", "3 readings": the count in the text of its number.
QString Counted(int count, const char* one, const char* many) { return Words::tr(count == 1 ? one : many).arg(count); }

}  // namespace

QString SkippedText(const std::vector<int>& lines) {
    if (lines.empty()) return Words::tr("no lines skipped");
    // Which lines, so the user can find them; a log full of damage names the first.
    QStringList numbers;
    for (size_t i = 0; i < lines.size() && i < 5; ++i) numbers << QString::number(lines[i]);
    if (lines.size() > 5) numbers << QStringLiteral("...");
    if (lines.size() == 1) return Words::tr("1 line skipped (damaged or not readable): line %1").arg(numbers[0]);
    return Words::tr("%1 lines skipped (damaged or not readable): lines %2").arg(lines.size()).arg(numbers.join(", "));
}

namespace {

QString WindowTitle(LogKind kind) {
    switch (kind) {
    case LogKind::Results: return Words::tr("Tankwise Results Log");
    case LogKind::History: return Words::tr("Tankwise History");
    case LogKind::Delivery: return Words::tr("Tankwise Deliveries");
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
            view.status = Counted(int(reader.take().size()), QT_TRANSLATE_NOOP("LogView", "%1 report"),
                                  QT_TRANSLATE_NOOP("LogView", "%1 reports"));
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
                view.status = Counted(int(view.rows.size()), QT_TRANSLATE_NOOP("LogView", "%1 reading"),
                                      QT_TRANSLATE_NOOP("LogView", "%1 readings")) +
                              ", " + SkippedText(history.skippedHistory);
            } else {
                view.status = Counted(int(view.deliveries.size()), QT_TRANSLATE_NOOP("LogView", "%1 delivery"),
                                      QT_TRANSLATE_NOOP("LogView", "%1 deliveries")) +
                              ", " + SkippedText(history.skippedDelivery);
            }
        }
        view.read = true;
    } catch (const std::exception&) {
        view.status = Words::tr("Unable to read the log file %1.").arg(paths.of(kind).section('/', -1));
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
        const auto reports = ReadSavedReports(files, paths.results, locale);
        rows = int(reports.size());
        text = CsvFileText(ResultsCsv(reports, style));
    } else {
        if (kind == LogKind::History) {
            const SavedHistory history =
                ReadSavedHistory(files, paths.history, paths.delivery, locale);
            const auto table =
                BuildHistoryTable(history, rates, ReportedUseFrom(files, paths.results, locale));
            rows = int(table.size());
            text = CsvFileText(HistoryCsv(table, style));
            if (skipped) *skipped = history.skippedHistory;
        } else {
            // Each delivery names the reading of the calculation it was saved with.
            const SavedHistory history =
                ReadSavedHistory(files, paths.history, paths.delivery, locale);
            rows = int(history.deliveries.size());
            if (skipped) *skipped = history.skippedDelivery;
            text = CsvFileText(DeliveriesCsv(
                history.deliveries, PairCalculations(history, rates, ReportedUseFrom(files, paths.results, locale)),
                style));
        }
    }
    if (rowCount) *rowCount = rows;
    return text;
}

std::vector<LogCsvFile> AllLogCsv(const Files& files, const LogPaths& paths, const QLocale& locale,
                                  const TaxRates& rates, const CsvStyle& style) {
    const std::vector<SavedReport> reports =
        files.fileExists(paths.results) ? ReadSavedReports(files, paths.results, locale) : std::vector<SavedReport>();
    SavedHistory history = ReadSavedHistory(files, paths.history, paths.delivery, locale);
    const auto calculations = PairCalculations(history, rates, ReportedUseOf(reports));

    // Each table is let go as soon as its file is written, so the next file reuses
    // its memory: years of readings make tens of megabytes of each.
    std::vector<LogCsvFile> written;
    {
        const auto table = BuildHistoryTable(history, calculations);
        std::vector<SavedReading>().swap(history.readings);
        written.push_back({LogKind::History, HistoryCsv(table, style), int(table.size()), history.skippedHistory});
    }
    written.push_back({LogKind::Delivery, DeliveriesCsv(history.deliveries, calculations, style),
                       int(history.deliveries.size()), history.skippedDelivery});
    written.push_back({LogKind::Results, ResultsCsv(reports, style), int(reports.size()), {}});
    return written;
}

}  // namespace tw
