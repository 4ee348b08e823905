#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace tw {

// One command of a scenario file with its arguments already checked for form.
struct ScenarioStep {
    int line = 0;          // 1-based line of the command in the file
    QString command;       // "click", "expect text", "server reply" ...
    QStringList args;      // the fixed arguments in order ("expect file" keeps "tail" N)
    QString text;          // TEXT at the end of the line, exactly as written
    QStringList block;     // the block lines that belong to the command
    bool hasBlock = false; // at least one block line was given
};

struct ScenarioScript {
    QList<ScenarioStep> steps;
    int lastLine = 0;  // number of the file's last line, where end-of-file failures point
};

// A line that does not follow the scenario language.
class ScenarioSyntaxError : public std::runtime_error {
public:
    ScenarioSyntaxError(int line, const QString& message)
        : std::runtime_error(message.toStdString()), line(line), message(message) {}
    int line;
    QString message;
};

// Reads a whole scenario file (UTF-8 text); throws ScenarioSyntaxError at the first
// line that is not a comment, a known command in its right form, or a block line
// below a command that takes one.
ScenarioScript ParseScenario(const QString& source);

}  // namespace tw
