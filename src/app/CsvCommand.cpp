#include "app/CsvCommand.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/Files.h"
#include "logs/CsvExport.h"
#include "logs/LogView.h"
#include "app/ForecastCommand.h"

namespace tw {

namespace {
// The texts it shows, in the language of the installed translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CsvCommand)
};
}  // namespace

std::optional<QString> ExportCsvFolder(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--export-csv"));
    if (at < 0) return std::nullopt;
    return arguments.value(at + 1);
}

int ExportAllCsv(const Files& files, const QLocale& locale, const QString& folder,
                 QTextStream& out, QTextStream& err, bool inLanguage) {
    if (folder.isEmpty() || folder.startsWith(QLatin1String("--"))) {
        err << "tankwise: " << Words::tr("--export-csv needs the folder to write the files into") << "\n";
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        err << "tankwise: " << Words::tr("cannot create the folder %1").arg(QDir(folder).absolutePath()) << "\n";
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
    std::vector<LogCsvFile> exports;
    try {
        exports = AllLogCsv(files, paths, locale, rates, inLanguage ? LocalCsvStyle(locale) : CsvStyle());
    } catch (const FileUnreadable& e) {
        err << "tankwise: " << Words::tr("cannot read %1").arg(files.absolute(e.relPath)) << "\n";
        return 1;
    }
    for (const LogCsvFile& file : exports) {
        const QString target = QDir(folder).filePath(CsvFileName(file.kind));
        // Never dropped silently: which lines of the log were left out.
        if (!file.skipped.empty())
            err << "tankwise: " << files.absolute(paths.of(file.kind)) << ": " << SkippedText(file.skipped) << "\n";
        try {
            WriteCsvFile(target, file.bytes);
        } catch (const FileError& e) {
            err << "tankwise: " << Words::tr("cannot write %1: %2").arg(target, QString::fromLocal8Bit(e.what()))
                << "\n";
            return 1;
        }
        out << (file.rows == 1 ? Words::tr("%1: %2 row") : Words::tr("%1: %2 rows")).arg(target).arg(file.rows) << "\n";
    }
    return 0;
}

}  // namespace tw
