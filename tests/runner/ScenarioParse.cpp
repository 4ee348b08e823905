// Reading a scenario file: comments, command lines in their right form, and block
// lines below a command that takes them.
#include <QDate>
#include <QRegularExpression>

#include "Scenario.h"

namespace tw {

namespace {

bool Matches(const QString& word, const char* pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern))).match(word).hasMatch();
}

// What each kind of argument must look like, and how a word that does not is reported.
struct ArgKind {
    const char* kind;
    bool (*ok)(const QString&);
    const char* problem;  // followed by the word
};

const ArgKind kKinds[] = {
    {"PATH", [](const QString& w) { return !Matches(w, R"(/.*|.*\\.*|(.*/)?\.\.(/.*)?)"); },
     "PATH must be relative to the working folder and use '/': "},
    {"WINDOW", [](const QString& w) { return Matches(w, "Main|About|Update"); }, "WINDOW must be Main, About or Update, not "},
    {"STATE", [](const QString& w) { return Matches(w, "0|1"); }, "expected 0 or 1, not "},
    {"INDEX", [](const QString& w) { return Matches(w, R"(-1|\d{1,7})"); }, "INDEX must be a number from 0 (or -1), not "},
    {"COUNT", [](const QString& w) { return Matches(w, R"(\d{1,9})"); }, "COUNT must be a whole number, not "},
    {"MS", [](const QString& w) { return Matches(w, R"(\d{1,9})"); }, "MS must be a whole number, not "},
    {"LINE", [](const QString& w) { return Matches(w, R"(-?[1-9]\d{0,8})"); },
     "LINE must be a line number from 1, or from -1 counting from the end, not "},
    {"CODE", [](const QString& w) { return Matches(w, R"([1-5]\d\d)"); }, "CODE must be an HTTP status, not "},
    {"BUTTON", [](const QString& w) { return Matches(w, "OK|Cancel|Yes|No"); }, "BUTTON must be OK, Cancel, Yes or No, not "},
    {"DATE", [](const QString& w) { return QDate::fromString(w, "yyyy-MM-dd").isValid(); }, "DATE must be YYYY-MM-DD, not "},
    {"TIME", [](const QString& w) { return QTime::fromString(w, "hh:mm:ss").isValid(); }, "TIME must be hh:mm:ss, not "},
    {"SERVICE", [](const QString& w) { return Matches(w, "open|viewer"); }, "expected open or viewer, not "},
};

// Takes the next word of a command line (words are separated by single blanks).
QString TakeWord(int line, QString& rest, bool& more, const QString& what) {
    if (!more) throw Failure("missing " + what, line);
    const qsizetype blank = rest.indexOf(' ');
    const QString word = rest.left(blank);  // the whole rest when there is no blank
    if (word.isEmpty()) throw Failure(what + " is empty (two blanks in a row?)", line);
    more = blank >= 0;
    rest = more ? rest.mid(blank + 1) : QString();
    return word;
}

void CheckWord(int line, const QString& kind, const QString& word) {
    for (const ArgKind& k : kKinds)
        if (kind == QLatin1String(k.kind) && !k.ok(word)) throw Failure(k.problem + word, line);
}

Step ParseCommand(int line, const QString& text) {
    if (text.startsWith(' ') || text.startsWith('\t'))
        throw Failure("a command line starts with its command word", line);
    QString rest = text;
    bool more = true;
    Step step;
    step.line = line;
    step.command = TakeWord(line, rest, more, "command");
    if (step.command == "expect" || step.command == "server")
        step.command += " " + TakeWord(line, rest, more, "what to " + step.command);
    const Command* command = FindCommand(step.command);
    if (!command) throw Failure("unknown command \"" + step.command + "\"", line);
    for (const QString& kind : QString::fromLatin1(command->args).split(' ', Qt::SkipEmptyParts)) {
        step.args << TakeWord(line, rest, more, kind);
        CheckWord(line, kind, step.args.last());
    }
    const auto blanksLeft = [&] { return !more || rest.trimmed().isEmpty(); };
    if (step.command == "expect file" && !blanksLeft()) {
        step.args << TakeWord(line, rest, more, "tail");
        if (step.args.last() != "tail")
            throw Failure("expected \"tail N\" after the path, not " + step.args.last(), line);
        step.args << TakeWord(line, rest, more, "N");
        CheckWord(line, "COUNT", step.args.last());
    }
    if (command->flags & Command::Text)
        step.text = more ? rest : QString();
    else if (!blanksLeft())
        throw Failure("unexpected \"" + rest + "\" after " + step.command, line);
    return step;
}

// Rules that need the command and its block together.
void CheckWhole(const Step& s) {
    if ((s.command == "expect message" || s.command == "expect opened" || s.command == "expect viewer") &&
        s.text.isEmpty())
        throw Failure(s.command + " needs its text", s.line);
    if (s.command == "expect text" && s.hasBlock && !s.text.isEmpty())
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
            owner.hasBlock = true;
        } else if (!line.trimmed().isEmpty() && !line.trimmed().startsWith('#')) {
            script.steps << ParseCommand(number, line);
        }
    }
    for (const Step& step : script.steps) CheckWhole(step);
    return script;
}

}  // namespace tw
