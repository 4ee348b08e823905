#include <QApplication>

#include "app/Launch.h"
#include "platform/Version.h"
#include "ui/DesktopProgram.h"
#include "ui/QtDesktop.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The per-user data folder is named after the program (~/.local/share/Tankwise).
    QApplication::setApplicationName(QStringLiteral("Tankwise"));
    QApplication::setApplicationVersion(tw::VersionText());
    QApplication::setDesktopFileName(QStringLiteral("tankwise"));
    // The program ends itself (Exit, a terminating message); hiding windows does not.
    QApplication::setQuitOnLastWindowClosed(false);

    // Tells the user why the program cannot start, before any folder is known.
    tw::QtDesktop startDesktop{QString()};
    const auto launch =
        tw::PrepareLaunch(startDesktop, tw::DesktopLaunchInputs(QApplication::arguments().mid(1)));
    if (!launch) return 1;

    tw::DesktopProgram program(launch->folder);
    if (!program.view.start(launch->switches)) return 0;
    return QApplication::exec();
}
