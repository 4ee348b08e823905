#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

#include "app/CsvCommand.h"

#include "app/Files.h"
#include "app/InstanceMark.h"
#include "app/Program.h"
#include "ui/ProgramView.h"
#include "ui/QtDesktop.h"

namespace {

// "--export-csv FOLDER" writes the spreadsheet files and ends: no window, so it
// runs without a display.
int ExportWithoutWindow(int argc, char* argv[], const QString& folder) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const tw::Files files(QDir::currentPath());
    const QString target = folder.isEmpty() ? folder : QDir::current().absoluteFilePath(folder);
    return tw::ExportAllCsv(files, tw::QtDesktop::usableLocale(QLocale::system()), target, out,
                            err);
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto folder = tw::ExportCsvFolder(arguments))
        return ExportWithoutWindow(argc, argv, *folder);

    QApplication app(argc, argv);
    // The program ends itself (Exit, a terminating message); hiding windows does not.
    QApplication::setQuitOnLastWindowClosed(false);

    // A second copy starts and works too; the mark only notes that one is running.
    const tw::InstanceMark mark(QStringLiteral("Tankwise"));

    tw::Files files(QDir::currentPath());
    tw::QtDesktop desktop(files.root());
    tw::Program program(desktop, files);
    tw::ProgramView view(program, &desktop);

    if (!view.start(QApplication::arguments().mid(1).join(' '))) return 0;
    return QApplication::exec();
}
