#include "app/CommandLine.h"

#include "calc/StatementPeriod.h"

namespace tw {

namespace {
const QString kFolder = QStringLiteral("--folder");
const QString kExport = QStringLiteral("--export-csv");
const QString kImport = QStringLiteral("--import-csv");
const QString kStatement = QStringLiteral("--statement");
const QString kPdf = QStringLiteral("--pdf");
const QString kLang = QStringLiteral("--lang");
const QString kCsvStyle = QStringLiteral("--csv-style");

// An option's value follows it, and is neither empty nor the next option.
bool HasValueAfter(const QStringList& arguments, qsizetype i) {
    const QString value = arguments.value(i + 1);
    return !value.isEmpty() && !value.startsWith(QLatin1String("--"));
}
}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kFolder) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                line.error = "The option --folder needs the name of a folder.";
                return line;
            }
            line.folder = arguments[++i];
        } else if (argument.startsWith(kFolder + "=")) {
            line.folder = argument.mid(kFolder.size() + 1);
            if (line.folder.isEmpty()) {
                line.error = "The option --folder needs the name of a folder.";
                return line;
            }
        } else if (argument == kLang || argument.startsWith(kLang + "=")) {
            const bool joined = argument != kLang;
            const QString value = joined ? argument.mid(kLang.size() + 1) : arguments.value(i + 1);
            if (value.isEmpty() || value.startsWith(QLatin1String("--"))) {
                line.error = "The option --lang needs a language: de, fr or en.";
                return line;
            }
            line.language = value;
            if (!joined) ++i;
        } else if (argument == kExport || argument == kImport) {
            if (!HasValueAfter(arguments, i)) {
                line.error = argument == kExport
                                 ? "The option --export-csv needs the folder to write the files into."
                                 : "The option --import-csv needs the file to import.";
                return line;
            }
            ++i;  // the folder or file, read by the export or import itself
        } else if (argument == kCsvStyle) {
            const QString value = arguments.value(i + 1);
            if (value != QLatin1String("local") && value != QLatin1String("portable")) {
                line.error = "The option --csv-style needs a style: portable or local.";
                return line;
            }
            line.localCsv = value == QLatin1String("local");
            ++i;
        } else if (argument == QLatin1String("--day-first") || argument == QLatin1String("--month-first")) {
            // Read by the import.
        } else if (argument == kStatement || argument == kPdf) {
            const QString value = arguments.value(i + 1);
            if (!HasValueAfter(arguments, i)) {
                line.error = argument == kStatement
                                 ? "The option --statement needs a heating season (2024/25) or a year (2024)."
                                 : "The option --pdf needs the name of the file to write.";
                return line;
            }
            if (argument == kStatement && !ParseStatementPeriod(value)) {
                line.error = value + " is not a heating season (2024/25) or a year (2024).";
                return line;
            }
            ++i;  // read by the statement itself
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.help = true;
        } else if (argument == QLatin1String("--version")) {
            line.version = true;
        } else if (argument == QLatin1String("--forecast")) {
            // Handled before any window; nothing to keep here.
        } else if (argument.startsWith(QLatin1String("--"))) {
            line.error = "Unknown option " + argument + ".";
            return line;
        } else {
            rest << argument;
        }
    }
    // A file to write with nothing to write in it is a mistake worth telling.
    if (arguments.contains(kPdf) != arguments.contains(kStatement)) {
        line.error = arguments.contains(kPdf) ? "The option --pdf goes with --statement SEASON."
                                              : "The option --statement needs --pdf FILE, the file to write.";
        return line;
    }
    if (arguments.contains(kCsvStyle) && !arguments.contains(kExport)) {
        line.error = "The option --csv-style goes with --export-csv FOLDER.";
        return line;
    }
    line.switches = rest.join(' ');
    return line;
}

QString UsageText() {
    return QStringLiteral(
        "Usage: tankwise [--folder PATH] [--lang de|fr|en] [--export-csv FOLDER [--csv-style STYLE] |\n"
        "                 --import-csv FILE | --forecast | --statement SEASON --pdf FILE] [SWITCH]\n"
        "       tankwise --help | --version\n"
        "\n"
        "  --folder PATH        work in PATH instead of the usual working folder\n"
        "  --lang LANGUAGE      show the windows in German (de), French (fr) or English\n"
        "                       (en) instead of the desktop's language\n"
        "  --export-csv FOLDER  write the three logs as CSV files into FOLDER (created\n"
        "                       when missing) and end, without a window\n"
        "  --csv-style STYLE    with --export-csv: portable (the default: commas, numbers\n"
        "                       with a period, ISO dates) or local (the spreadsheet form\n"
        "                       of the desktop's locale: in German and French semicolons,\n"
        "                       decimal commas and dates as the locale writes them)\n"
        "  --import-csv FILE    calculate and save the readings and deliveries of a\n"
        "                       spreadsheet file, all or none, and end, without a window;\n"
        "                       --day-first or --month-first tells how to read dates\n"
        "                       such as 03/04/2024\n"
        "  --forecast           print the heating-season forecast and end\n"
        "  --statement SEASON --pdf FILE\n"
        "                       write the statement of a heating season (2024/25) or a\n"
        "                       calendar year (2024) as a PDF file and end\n"
        "  --help               print this text and end\n"
        "  --version            print the version and end\n"
        "  SWITCH               -InhibitErrorCheck, -InhibitCombCheck, -ShortUpdateTime\n"
        "                       or -InhibitUpdate (see the help page)\n");
}

}  // namespace tw
