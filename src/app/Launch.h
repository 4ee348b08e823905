#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "platform/InstanceMark.h"

namespace tw {
class Desktop;

// What the program is started with, gathered by main().
struct LaunchInputs {
    QStringList arguments;          // after the program's own name
    QString homeVariable;           // TANKWISE_HOME
    QString userDataFolder;         // the desktop's per-user data folder
    QStringList defaultsCandidates; // where the installed defaults may be, first found wins
};

// A working folder ready to run in, held by this copy of the program.
struct Launch {
    QString folder;    // absolute
    QString switches;  // the switch text for the load sequence
    std::unique_ptr<InstanceMark> mark;
    // Why nothing may be written (the user chose to start anyway); empty normally.
    QString savingRefused;
};

// Reads the command line, chooses and prepares the working folder and marks it as
// used by this copy. Nothing when the program cannot start: the user has been told
// why in one message box (a bad option, an unusable folder, another copy running
// in the same folder). A folder that cannot be marked for another reason (no space
// left, read-only) is said so; where it can still be read the user may start anyway
// with saving refused.
std::optional<Launch> PrepareLaunch(Desktop& desktop, const LaunchInputs& inputs);

}  // namespace tw
