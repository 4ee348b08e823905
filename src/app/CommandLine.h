#pragma once
#include <QString>
#include <QStringList>

namespace tw {

// What the command line asks for. Options the program knows are taken out; the rest
// is joined by blanks into the switch text that sets the switch mode.
struct CommandLine {
    QString folder;    // --folder PATH (or --folder=PATH); empty when not given
    QString switches;  // everything else, e.g. "-InhibitUpdate"
    QString error;     // empty, or why the command line cannot be used
};

// Reads the arguments that follow the program's own name.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace tw
