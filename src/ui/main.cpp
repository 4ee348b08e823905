#include <QApplication>
#include <QGuiApplication>
#include <QDir>
#include <QTextStream>
#include <optional>

#include "app/CommandLine.h"
#include "app/CsvCommand.h"
#include "app/ForecastCommand.h"
#include "app/ImportCommand.h"
#include "app/Launch.h"
#include "app/StatementCommand.h"
#include "platform/Version.h"
#include "app/WorkingFolder.h"
#include "ui/DesktopProgram.h"
#include "platform/FreedMemory.h"
#include "ui/FirstPaint.h"
#include "ui/QtDesktop.h"
#include "ui/StatementPainter.h"
#include "ui/Translations.h"

namespace {

void NameTheProgram() {
    // The per-user data folder is named after the program (~/.local/share/Tankwise).
    QCoreApplication::setApplicationName(QStringLiteral("Tankwise"));
    QCoreApplication::setApplicationVersion(tw::VersionText());
}

// The folder a command without a window works in: the one --folder names, else the
// folder it is started in when that holds logs, else the program's own folder.
QString CommandFolder(const QStringList& arguments) {
    const tw::LaunchInputs inputs = tw::DesktopLaunchInputs(arguments);
    const tw::CommandLine line = tw::ParseCommandLine(arguments);
    const QString here = QDir::currentPath();
    const QString folder = line.folder.isEmpty() && QDir(here + "/Log").exists()
                               ? here
                               : tw::ChooseWorkingFolder(line.folder, inputs.homeVariable,
                                                         inputs.userDataFolder);
    return QDir(folder).absolutePath();
}

// "--export-csv FOLDER" writes the spreadsheet files and ends: no window, so it
// runs without a display.
int ExportWithoutWindow(int argc, char* argv[], const QStringList& arguments, const QString& target) {
    QCoreApplication app(argc, argv);
    NameTheProgram();
    tw::SpeakChosenLanguage(arguments);
    QTextStream out(stdout), err(stderr);
    const tw::Files files(CommandFolder(arguments));
    const QString into = target.isEmpty() ? target : QDir::current().absoluteFilePath(target);
    return tw::ExportAllCsv(files, tw::QtDesktop::usableLocale(QLocale::system()), into, out, err,
                            tw::ParseCommandLine(arguments).localCsv);
}

// "--import-csv FILE" imports a spreadsheet into the working folder's logs.
int ImportWithoutWindow(int argc, char* argv[], const QStringList& arguments, const QString& file) {
    QCoreApplication app(argc, argv);
    NameTheProgram();
    tw::SpeakChosenLanguage(arguments);
    QTextStream out(stdout), err(stderr);
    const QString path = file.isEmpty() ? file : QDir::current().absoluteFilePath(file);
    return tw::ImportCsvIntoFolder(CommandFolder(arguments), path, tw::DayOrderOf(arguments),
                                   tw::QtDesktop::usableLocale(QLocale::system()),
                                   [] { return QDateTime::currentDateTime(); }, out, err);
}

// "--forecast" prints the heating-season forecast of the working folder's logs.
int ForecastWithoutWindow(int argc, char* argv[], const QStringList& arguments) {
    QCoreApplication app(argc, argv);
    NameTheProgram();
    tw::SpeakChosenLanguage(arguments);
    QTextStream out(stdout), err(stderr);
    if (const tw::CommandLine line = tw::ParseCommandLine(arguments); !line.error.isEmpty()) {
        err << "tankwise: " << line.error << "\n";
        return 2;
    }
    return tw::PrintForecast(CommandFolder(arguments),
                             tw::QtDesktop::usableLocale(QLocale::system()), out, err);
}

// "--statement SEASON --pdf FILE" writes the statement as a PDF file. The pages
// need fonts, so a GUI application, but never a display.
int StatementWithoutWindow(int argc, char* argv[], const QStringList& arguments,
                           const tw::StatementRequest& request) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    NameTheProgram();
    tw::SpeakChosenLanguage(arguments);
    QTextStream out(stdout), err(stderr);
    const auto prepared = tw::PrepareStatement(CommandFolder(arguments), request,
                                               tw::QtDesktop::usableLocale(QLocale::system()),
                                               QDate::currentDate());
    if (!prepared.document) {
        err << "tankwise: " << prepared.problem << "\n";
        return 1;
    }
    const QString target = QDir::current().absoluteFilePath(request.pdf);
    if (const QString problem = tw::WriteStatementPdf(*prepared.document, target); !problem.isEmpty()) {
        err << "tankwise: " << problem << "\n";
        return 1;
    }
    out << target << "\n";
    return 0;
}

// --help, --version and a command line that cannot be used are answered on the
// terminal, without a display; nullopt when the program goes on.
std::optional<int> AnswerOnTerminal(int argc, char* argv[], const QStringList& arguments) {
    if (const tw::CommandLine first = tw::ParseCommandLine(arguments);
        first.error.isEmpty() && !first.help && !first.version)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    tw::SpeakChosenLanguage(arguments);
    // Read again, now that what is wrong with it can be told in the chosen language.
    const tw::CommandLine line = tw::ParseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        QTextStream err(stderr);
        err << "tankwise: " << line.error << "\n" << tw::UsageText().section('\n', 0, 0) << "\n";
        return 2;
    }
    QTextStream out(stdout);
    if (line.help) {
        out << tw::UsageText();
        return 0;
    }
    if (line.version) {
        out << "tankwise " << tw::VersionText() << "\n";
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    tw::KeepFreedMemory();
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto code = AnswerOnTerminal(argc, argv, arguments)) return *code;
    if (const auto target = tw::ExportCsvFolder(arguments))
        return ExportWithoutWindow(argc, argv, arguments, *target);
    if (const auto file = tw::ImportCsvFile(arguments))
        return ImportWithoutWindow(argc, argv, arguments, *file);
    if (tw::AsksForForecast(arguments)) return ForecastWithoutWindow(argc, argv, arguments);
    if (const auto request = tw::StatementRequestOf(arguments))
        return StatementWithoutWindow(argc, argv, arguments, *request);

    QApplication app(argc, argv);
    NameTheProgram();
    QApplication::setDesktopFileName(QStringLiteral("tankwise"));
    const QString language = tw::SpeakChosenLanguage(arguments);
    // The program ends itself (Exit, a terminating message); hiding windows does not.
    QApplication::setQuitOnLastWindowClosed(false);

    // Tells the user why the program cannot start, before any folder is known.
    tw::QtDesktop startDesktop{QString()};
    const auto launch =
        tw::PrepareLaunch(startDesktop, tw::DesktopLaunchInputs(QApplication::arguments().mid(1)));
    if (!launch) return 1;

    tw::DesktopProgram program(launch->folder);
    program.program.st.SavingRefused = launch->savingRefused;
    program.program.st.WindowLanguage = language;
    if (!program.view.start(launch->switches)) return 0;
    tw::QuitAfterFirstPaintIfAsked(program.view.window(tw::WindowId::Main));
    return QApplication::exec();
}
