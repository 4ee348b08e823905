// Reading a scenario file: comments, command lines in their right form, and block
// lines below a command that takes them.
#include <QMap>
#include <QRegularExpression>

#include "Scenario.h"

namespace tw {

namespace {

// What each kind of argument must look like.
const QMap<QString, QString> kForms = {
    {"PATH", R"((?!/)(?!.*\\)(?!(.*/)?\.\.(/|$)).+)"}, {"WINDOW", "Main|About|Update"}, {"STATE", "0|1"},
    {"INDEX", R"(-1|\d{1,7})"}, {"COUNT", R"(\d{1,9})"}, {"MS", R"(\d{1,9})"}, {"LINE", R"(-?[1-9]\d{0,8})"},
    {"CODE", R"([1-5]\d\d)"}, {"BUTTON", "OK|Cancel|Yes|No"}, {"DATE", R"(\d{4}-\d\d-\d\d)"},
    {"TIME", R"(([01]\d|2[0-3]):[0-5]\d:[0-5]\d)"}, {"SERVICE", "open|viewer"}};

void CheckWord(int line, const QString& kind, const QString& word) {
    const QRegularExpression form(QRegularExpression::anchoredPattern(kForms.value(kind, ".*")));
    if (!form.match(word).hasMatch()) throw Failure(kind + " must match " + kForms[kind] + ", not " + word, line);
}

Step ParseCommand(int line, const QString& text) {
    if (text.startsWith(' ') || text.startsWith('\t'))
        throw Failure("a command line starts with its command word", line);
    // Words are separated by single blanks; TEXT is everything after the words taken.
    const QStringList words = text.split(' ');
    int taken = 0;
    const auto word = [&](const QString& what) {
        if (taken >= words.size()) throw Failure("missing " + what, line);
        if (words[taken].isEmpty()) throw Failure(what + " is empty (two blanks in a row?)", line);
        return words[taken++];
    };
    const auto rest = [&] { return taken < words.size() ? text.section(' ', taken) : QString(); };
    Step step;
    step.line = line;
    step.command = word("command");
    if (step.command == "expect" || step.command == "server") step.command += " " + word("what to " + step.command);
    const Command* command = FindCommand(step.command);
    if (!command) throw Failure("unknown command \"" + step.command + "\"", line);
    for (const QString& kind : QString::fromLatin1(command->args).split(' ', Qt::SkipEmptyParts)) {
        step.args << word(kind);
        CheckWord(line, kind, step.args.last());
    }
    if (step.command == "expect file" && !rest().trimmed().isEmpty()) {
        step.args << word("tail");
        if (step.args.last() != "tail") throw Failure("expected \"tail N\" after the path, not " + step.args.last(), line);
        step.args << word("N");
        CheckWord(line, "COUNT", step.args.last());
    }
    if (command->flags & Command::Text)
        step.text = rest();
    else if (!rest().trimmed().isEmpty())
        throw Failure("unexpected \"" + rest() + "\" after " + step.command, line);
    return step;
}

// Rules that need the command and its block together.
void CheckWhole(const Step& s) {
    if ((s.command == "expect message" || s.command == "expect opened" || s.command == "expect viewer") &&
        s.text.isEmpty())
        throw Failure(s.command + " needs its text", s.line);
    if (s.command == "expect text" && !s.block.isEmpty() && !s.text.isEmpty())
        throw Failure("expect text takes either TEXT or block lines, not both", s.line);
    if (s.command == "expect file" && s.args.size() == 3 && s.block.size() != s.args.at(2).toInt())
        throw Failure("tail " + s.args.at(2) + " needs exactly that many block lines, found " +
                          QString::number(s.block.size()), s.line);
}

}  // namespace

Script ParseScenario(const QString& source) {
    Script script;
    QStringList lines = source.split('\n');
    if (lines.first().startsWith(QChar(0xFEFF))) lines.first().remove(0, 1);
    if (lines.last().isEmpty()) lines.removeLast();  // the final line end
    script.lastLine = int(lines.size());
    int number = 0;
    for (QString line : lines) {
        ++number;
        if (line.endsWith('\r')) line.chop(1);  // a file saved with CR LF line ends
        if (line.startsWith('|')) {
            if (line.size() > 1 && line.at(1) != ' ')
                throw Failure("a block line is \"|\" alone or \"| \" followed by its text", number);
            if (script.steps.isEmpty()) throw Failure("block line without a command above it", number);
            Step& owner = script.steps.last();
            if (!(FindCommand(owner.command)->flags & Command::Block))
                throw Failure(owner.command + " takes no block lines", number);
            owner.block << line.mid(2);
        } else if (!line.trimmed().isEmpty() && !line.trimmed().startsWith('#')) {
            script.steps << ParseCommand(number, line);
        }
    }
    for (const Step& step : script.steps) CheckWhole(step);
    return script;
}

}  // namespace tw
