#include "app/CsvCommand.h"

#include <QDir>

#include "platform/Files.h"
#include "logs/CsvExport.h"
#include "logs/LogView.h"
#include "app/ForecastCommand.h"

namespace tw {

std::optional<QString> ExportCsvFolder(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--export-csv"));
    if (at < 0) return std::nullopt;
    return arguments.value(at + 1);
}

int ExportAllCsv(const Files& files, const QLocale& locale, const QString& folder,
                 QTextStream& out, QTextStream& err, bool inLanguage) {
    if (folder.isEmpty() || folder.startsWith(QLatin1String("--"))) {
        err << "tankwise: --export-csv needs the folder to write the files into\n";
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        err << "tankwise: cannot create the folder " << QDir(folder).absolutePath() << "\n";
        return 1;
    }
    const LogPaths paths;
    TaxRates rates;
    try {
        if (files.fileExists(QStringLiteral("Data/Tankwise.ini")))
            rates = TaxRatesFromConfiguration(files.readLines(QStringLiteral("Data/Tankwise.ini")), locale);
    } catch (const FileError&) {
        // Without the settings, periods no delivery gives rates for are priced untaxed.
    }
    for (LogKind kind : {LogKind::History, LogKind::Delivery, LogKind::Results}) {
        const QString target = QDir(folder).filePath(CsvFileName(kind));
        int rows = 0;
        QString text;
        try {
            std::vector<int> skipped;
            text = LogCsv(files, paths, kind, locale, &rows, rates, &skipped,
                          inLanguage ? LocalCsvStyle(locale) : CsvStyle());
            // Never dropped silently: which lines of the log were left out.
            if (!skipped.empty())
                err << "tankwise: " << files.absolute(paths.of(kind)) << ": " << SkippedText(skipped) << "\n";
        } catch (const FileError&) {
            err << "tankwise: cannot read " << files.absolute(paths.of(kind)) << "\n";
            return 1;
        }
        try {
            WriteCsvFile(target, text);
        } catch (const FileError& e) {
            err << "tankwise: cannot write " << target << ": " << e.what() << "\n";
            return 1;
        }
        out << target << ": " << rows << (rows == 1 ? " row" : " rows") << "\n";
    }
    return 0;
}

}  // namespace tw
