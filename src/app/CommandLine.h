#pragma once
#include <QString>
#include <QStringList>

namespace tw {

// What the command line asks for. Options the program knows are taken out; the rest
// is joined by blanks into the switch text that sets the switch mode.
struct CommandLine {
    QString folder;    // --folder PATH (or --folder=PATH); empty when not given
    QString language;  // --lang de|fr|en; empty: the desktop's language
    QString switches;  // everything else, e.g. "-InhibitUpdate"
    QString error;     // empty, or why the command line cannot be used
    bool help = false;     // --help: print the usage and end
    bool version = false;  // --version: print the version and end
    bool localCsv = false;  // --csv-style local: --export-csv writes the locale's form
};

// Reads the arguments that follow the program's own name. An option beginning
// with "--" that the program does not know is an error.
CommandLine ParseCommandLine(const QStringList& arguments);

// The language --lang asks for, even on a command line that cannot be used, so that
// what is wrong with it is told in that language; empty when none is asked for.
QString AskedLanguage(const QStringList& arguments);

// The usage lines --help prints, in the language of the installed translation; the
// first is the one a bad command line prints.
QString UsageText();

}  // namespace tw
