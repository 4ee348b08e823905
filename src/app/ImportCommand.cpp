#include "app/ImportCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "calc/Formats.h"
#include "platform/InstanceMark.h"

namespace tw {

std::optional<QString> ImportCsvFile(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--import-csv"));
    if (at < 0) return std::nullopt;
    return arguments.value(at + 1);
}

DayOrder DayOrderOf(const QStringList& arguments) {
    if (arguments.contains(QStringLiteral("--day-first"))) return DayOrder::DayFirst;
    if (arguments.contains(QStringLiteral("--month-first"))) return DayOrder::MonthFirst;
    return DayOrder::Unknown;
}

QStringList ImportReport(const ImportResult& result, const QLocale& locale) {
    QStringList lines;
    for (const ImportedPeriod& p : result.periods) {
        if (p.starting) {
            lines << QCoreApplication::translate("Messages", "%1: starting reading").arg(ShortDate(p.to, locale));
            continue;
        }
        QString line = QCoreApplication::translate("Messages", "%1 to %2: %3 days, %4 used")
                           .arg(ShortDate(p.from, locale), ShortDate(p.to, locale), p.days, p.used);
        if (!p.cost.isEmpty()) line += QCoreApplication::translate("Messages", ", costing %1").arg(p.cost);
        if (p.deliveries == 1) line += QCoreApplication::translate("Messages", ", 1 delivery");
        if (p.deliveries > 1) line += QCoreApplication::translate("Messages", ", %1 deliveries").arg(p.deliveries);
        lines << line;
    }
    for (const ImportProblem& problem : result.problems)
        lines << problem.file + (problem.line > 0 ? ":" + QString::number(problem.line) : QString()) +
                     ": " + problem.message;
    if (result.skippedReadings + result.skippedDeliveries > 0)
        lines << QCoreApplication::translate("Messages", "Already in the logs: %1 readings, %2 deliveries")
                     .arg(result.skippedReadings)
                     .arg(result.skippedDeliveries);
    return lines;
}

int ImportCsvIntoFolder(const QString& folder, const QString& file, DayOrder order,
                        const QLocale& locale, const ImportClock& clock, QTextStream& out,
                        QTextStream& err) {
    if (file.isEmpty()) {
        err << "tankwise: --import-csv needs the file to import\n";
        return 1;
    }
    // The window's copy would not see its logs change under it.
    const InstanceMark mark(QStringLiteral(".Tankwise"), folder);
    if (mark.anotherCopyRunning()) {
        err << "tankwise: Tankwise is running in " << QDir::toNativeSeparators(folder)
            << ": import from its History window, or close it first\n";
        return 1;
    }
    const ImportSource source = ReadImportFiles({QFileInfo(file).absoluteFilePath()}, locale);
    if (!source.error.isEmpty()) {
        err << "tankwise: " << source.error << "\n";
        return 1;
    }
    ImportResult result = PreviewImport(folder, source.tables, order, locale, clock);
    if (result.accepted()) result = CommitImport(folder, source.tables, order, locale, clock);
    for (const QString& line : ImportReport(result, locale))
        (result.accepted() ? out : err) << line << "\n";
    if (result.dayOrderNeeded)
        err << "tankwise: the dates could be day first or month first: add --day-first or --month-first\n";
    if (!result.failure.isEmpty()) err << "tankwise: " << result.failure << "\n";
    if (result.accepted() && result.periods.empty()) {
        out << "Nothing new to import\n";
        return 0;
    }
    if (!result.written) {
        err << "tankwise: nothing imported\n";
        return 1;
    }
    out << "Imported " << result.periods.size() << (result.periods.size() == 1 ? " period" : " periods") << "\n";
    return 0;
}

}  // namespace tw
