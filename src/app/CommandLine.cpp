#include "app/CommandLine.h"

namespace tw {

namespace {
const QString kFolder = QStringLiteral("--folder");
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
        } else {
            rest << argument;
        }
    }
    line.switches = rest.join(' ');
    return line;
}

}  // namespace tw
