#include "app/CommandLine.h"

#include <QCoreApplication>

#include "calc/StatementPeriod.h"

namespace tw {

namespace {

// The texts it shows, in the language of the installed translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

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
                line.error = Words::tr("The option --folder needs the name of a folder.");
                return line;
            }
            line.folder = arguments[++i];
        } else if (argument.startsWith(kFolder + "=")) {
            line.folder = argument.mid(kFolder.size() + 1);
            if (line.folder.isEmpty()) {
                line.error = Words::tr("The option --folder needs the name of a folder.");
                return line;
            }
        } else if (argument == kLang || argument.startsWith(kLang + "=")) {
            const bool joined = argument != kLang;
            const QString value = joined ? argument.mid(kLang.size() + 1) : arguments.value(i + 1);
            if (value.isEmpty() || value.startsWith(QLatin1String("--"))) {
                line.error = Words::tr("The option --lang needs a language: de, fr or en.");
                return line;
            }
            line.language = value;
            if (!joined) ++i;
        } else if (argument == kExport || argument == kImport) {
            if (!HasValueAfter(arguments, i)) {
                line.error = argument == kExport
                                 ? Words::tr("The option --export-csv needs the folder to write the files into.")
                                 : Words::tr("The option --import-csv needs the file to import.");
                return line;
            }
            ++i;  // the folder or file, read by the export or import itself
        } else if (argument == kCsvStyle) {
            const QString value = arguments.value(i + 1);
            if (value != QLatin1String("local") && value != QLatin1String("portable")) {
                line.error = Words::tr("The option --csv-style needs a style: portable or local.");
                return line;
            }
            line.localCsv = value == QLatin1String("local");
            ++i;
        } else if (argument == QLatin1String("--day-first") || argument == QLatin1String("--month-first")) {
            // Read by the import.
        } else if (argument == kStatement || argument == kPdf) {
            const QString value = arguments.value(i + 1);
            if (!HasValueAfter(arguments, i)) {
                line.error =
                    argument == kStatement
                        ? Words::tr("The option --statement needs a heating season (2024/25) or a year (2024).")
                        : Words::tr("The option --pdf needs the name of the file to write.");
                return line;
            }
            if (argument == kStatement && !ParseStatementPeriod(value)) {
                line.error = Words::tr("%1 is not a heating season (2024/25) or a year (2024).").arg(value);
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
            line.error = Words::tr("Unknown option %1.").arg(argument);
            return line;
        } else {
            rest << argument;
        }
    }
    // A file to write with nothing to write in it is a mistake worth telling.
    if (arguments.contains(kPdf) != arguments.contains(kStatement)) {
        line.error = arguments.contains(kPdf)
                         ? Words::tr("The option --pdf goes with --statement SEASON.")
                         : Words::tr("The option --statement needs --pdf FILE, the file to write.");
        return line;
    }
    if (arguments.contains(kCsvStyle) && !arguments.contains(kExport)) {
        line.error = Words::tr("The option --csv-style goes with --export-csv FOLDER.");
        return line;
    }
    line.switches = rest.join(' ');
    return line;
}

QString AskedLanguage(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == kLang)
            return arguments.value(i + 1).startsWith(QLatin1String("--")) ? QString() : arguments.value(i + 1);
        if (arguments[i].startsWith(kLang + "=")) return arguments[i].mid(kLang.size() + 1);
    }
    return {};
}

namespace {
// Each option with what it does, in the window's language; a translation breaks its
// own lines, which are indented under the first.
struct OptionHelp {
    const char* option;
    const char* text;
};
constexpr OptionHelp kOptionHelp[] = {
    {"--folder PATH", QT_TRANSLATE_NOOP("CommandLine", "work in PATH instead of the usual working folder")},
    {"--lang LANGUAGE", QT_TRANSLATE_NOOP("CommandLine",
                                          "show the windows in German (de), French (fr) or English\n"
                                          "(en) instead of the desktop's language")},
    {"--export-csv FOLDER", QT_TRANSLATE_NOOP("CommandLine",
                                              "write the three logs as CSV files into FOLDER (created\n"
                                              "when missing) and end, without a window")},
    {"--csv-style STYLE", QT_TRANSLATE_NOOP("CommandLine",
                                            "with --export-csv: portable (the default: commas, numbers\n"
                                            "with a period, ISO dates) or local (the spreadsheet form\n"
                                            "of the desktop's locale: in German and French semicolons,\n"
                                            "decimal commas and dates as the locale writes them)")},
    {"--import-csv FILE", QT_TRANSLATE_NOOP("CommandLine",
                                            "calculate and save the readings and deliveries of a\n"
                                            "spreadsheet file, all or none, and end, without a window;\n"
                                            "--day-first or --month-first tells how to read dates\n"
                                            "such as 03/04/2024")},
    {"--forecast", QT_TRANSLATE_NOOP("CommandLine", "print the heating-season forecast and end")},
    {"--statement SEASON --pdf FILE", QT_TRANSLATE_NOOP("CommandLine",
                                                        "write the statement of a heating season (2024/25) or a\n"
                                                        "calendar year (2024) as a PDF file and end")},
    {"--help", QT_TRANSLATE_NOOP("CommandLine", "print this text and end")},
    {"--version", QT_TRANSLATE_NOOP("CommandLine", "print the version and end")},
    {"SWITCH", QT_TRANSLATE_NOOP("CommandLine",
                                 "-InhibitErrorCheck, -InhibitCombCheck, -ShortUpdateTime\n"
                                 "or -InhibitUpdate (see the help page)")},
};
constexpr int kOptionColumn = 21;  // the descriptions start two blanks further in
}  // namespace

QString UsageText() {
    const QString usage = Words::tr("Usage:");
    const QString indent(usage.size() + 1, QLatin1Char(' '));
    QString text = usage +
                   QStringLiteral(
                       " tankwise [--folder PATH] [--lang de|fr|en] [SWITCH]\n") +
                   indent + QStringLiteral("          [--export-csv FOLDER [--csv-style STYLE] | --import-csv FILE |\n") +
                   indent + QStringLiteral("           --forecast | --statement SEASON --pdf FILE]\n") + indent +
                   QStringLiteral("tankwise --help | --version\n\n");
    const QString margin(2 + kOptionColumn, QLatin1Char(' '));
    for (const OptionHelp& help : kOptionHelp) {
        const QString option = QString::fromLatin1(help.option);
        text += QStringLiteral("  ") + option;
        // An option too long for its column has its text on the lines below.
        text += option.size() < kOptionColumn ? QString(kOptionColumn - option.size(), QLatin1Char(' '))
                                              : QLatin1Char('\n') + margin;
        text += Words::tr(help.text).split(QLatin1Char('\n')).join(QLatin1Char('\n') + margin) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace tw
