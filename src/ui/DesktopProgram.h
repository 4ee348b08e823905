#pragma once
#include <QString>
#include <QStringList>

#include "platform/Files.h"
#include "app/Launch.h"
#include "app/Program.h"
#include "ui/ProgramView.h"
#include "ui/QtDesktop.h"

namespace tw {

// Where this desktop keeps what the program starts with: the TANKWISE_HOME variable,
// the per-user data folder, and the installed defaults beside the executable
// (../share/tankwise), or the source tree's resources for a build-tree run.
LaunchInputs DesktopLaunchInputs(const QStringList& arguments);

// The program as the desktop runs it in one working folder: the Qt desktop, the
// folder's files, the program and its windows, wired together.
struct DesktopProgram {
    explicit DesktopProgram(const QString& folder)
        : desktop(folder), files(folder), program(desktop, files), view(program, &desktop) {}

    QtDesktop desktop;
    Files files;
    Program program;
    ProgramView view;
};

}  // namespace tw
