#include <QApplication>
#include <QDir>

#include "platform/Files.h"
#include "platform/InstanceMark.h"
#include "app/Program.h"
#include "ui/ProgramView.h"
#include "ui/QtDesktop.h"

int main(int argc, char* argv[]) {
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
