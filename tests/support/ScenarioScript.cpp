#include "ScenarioScript.h"

#include <QDateTime>

namespace tw {

namespace {

// The form of each command: its fixed arguments by kind, whether TEXT ends the line
// and whether block lines may follow.
struct Shape {
    const char* command;
    const char* args;
    bool text;
    bool block;
};

const Shape kShapes[] = {
    {"write", "PATH", false, true},
    {"config", "", true, false},  // TEXT: the settings, separated by single blanks
    {"append", "PATH", false, true},
    {"remove", "PATH", false, false},
    {"folder", "PATH", false, false},
    {"deny", "PATH", false, false},
    {"deny-read", "PATH", false, false},
    {"allow", "PATH", false, false},
    {"locale", "LOCALE", false, false},
    {"clock", "DATE TIME", false, false},
    {"server reply", "", false, true},
    {"server error", "CODE", false, false},
    {"server silent", "", false, false},
    {"server down", "", false, false},
    {"desktop-fails", "SERVICE", false, false},
    {"start", "", true, false},
    {"type", "NAME", true, false},
    {"click", "NAME", false, false},
    {"select", "NAME INDEX", false, false},
    {"activate", "", false, false},
    {"close", "WINDOW", false, false},
    {"wait", "MS", false, false},
    {"answer", "BUTTON", false, false},
    {"expect text", "NAME", true, true},
    {"expect caption", "WINDOW", true, false},
    {"expect tooltip", "NAME", true, false},
    {"expect checked", "NAME STATE", false, false},
    {"expect selected", "NAME INDEX", false, false},
    {"expect enabled", "NAME STATE", false, false},
    {"expect focus", "NAME", false, false},
    {"expect open", "WINDOW STATE", false, false},
    {"expect shown", "WINDOW STATE", false, false},
    {"expect topmost", "WINDOW STATE", false, false},
    {"expect message", "", true, true},
    {"expect no-message", "", false, false},
    {"expect opened", "", true, false},
    {"expect viewer", "", true, false},
    {"expect ended", "STATE", false, false},
    {"expect file", "PATH", false, true},  // optionally followed by "tail COUNT"
    {"expect lines", "PATH COUNT", false, false},
    {"expect line", "PATH LINE", true, false},
    {"expect exists", "PATH", false, false},
    {"expect missing", "PATH", false, false},
};

const Shape* FindShape(const QString& command) {
    for (const Shape& shape : kShapes)
        if (command == QLatin1String(shape.command)) return &shape;
    return nullptr;
}

// Walks a command line word by word; words are separated by single blanks.
class Cursor {
public:
    Cursor(int line, const QString& text) : line_(line), rest_(text), more_(true) {}

    bool atEnd() const { return !more_; }
    bool onlyBlanksLeft() const { return !more_ || rest_.trimmed().isEmpty(); }
    const QString& rest() const { return rest_; }

    QString word(const QString& what) {
        if (!more_) throw ScenarioSyntaxError(line_, "missing " + what);
        const qsizetype blank = rest_.indexOf(' ');
        const QString w = blank < 0 ? rest_ : rest_.left(blank);
        if (w.isEmpty()) throw ScenarioSyntaxError(line_, what + " is empty (two blanks in a row?)");
        more_ = blank >= 0;
        rest_ = more_ ? rest_.mid(blank + 1) : QString();
        return w;
    }

    // TEXT: everything after the blank that followed the previous word.
    QString text() {
        const QString t = more_ ? rest_ : QString();
        more_ = false;
        rest_.clear();
        return t;
    }

private:
    int line_;
    QString rest_;
    bool more_;
};

bool IsInteger(const QString& word, qint64 low, qint64 high) {
    bool ok = false;
    const qint64 value = word.toLongLong(&ok);
    return ok && value >= low && value <= high && !word.startsWith('+');
}

// Checks one argument against its kind; returns the problem, or an empty text.
QString ProblemWith(const QString& kind, const QString& word) {
    if (kind == "PATH") {
        if (word.startsWith('/') || word.contains('\\') || word.split('/').contains(".."))
            return "PATH must be relative to the working folder and use '/': " + word;
    } else if (kind == "WINDOW") {
        if (word != "Main" && word != "About" && word != "Update")
            return "WINDOW must be Main, About or Update, not " + word;
    } else if (kind == "STATE") {
        if (word != "0" && word != "1") return "expected 0 or 1, not " + word;
    } else if (kind == "INDEX") {
        if (!IsInteger(word, -1, 1000000)) return "INDEX must be a number from 0 (or -1), not " + word;
    } else if (kind == "COUNT" || kind == "MS") {
        if (!IsInteger(word, 0, 1000000000)) return kind + " must be a whole number, not " + word;
    } else if (kind == "LINE") {
        if (word == "0" || !IsInteger(word, -1000000000, 1000000000))
            return "LINE must be a line number from 1, or from -1 counting from the end, not " + word;
    } else if (kind == "CODE") {
        if (!IsInteger(word, 100, 599)) return "CODE must be an HTTP status, not " + word;
    } else if (kind == "BUTTON") {
        if (word != "OK" && word != "Cancel" && word != "Yes" && word != "No")
            return "BUTTON must be OK, Cancel, Yes or No, not " + word;
    } else if (kind == "DATE") {
        if (!QDate::fromString(word, "yyyy-MM-dd").isValid()) return "DATE must be YYYY-MM-DD, not " + word;
    } else if (kind == "TIME") {
        if (!QTime::fromString(word, "hh:mm:ss").isValid()) return "TIME must be hh:mm:ss, not " + word;
    } else if (kind == "SERVICE") {
        if (word != "open" && word != "viewer") return "expected open or viewer, not " + word;
    }
    return {};
}

ScenarioStep ParseCommand(int line, const QString& text) {
    if (text.startsWith(' ') || text.startsWith('\t'))
        throw ScenarioSyntaxError(line, "a command line starts with its command word");
    Cursor cursor(line, text);
    ScenarioStep step;
    step.line = line;
    step.command = cursor.word("command");
    if (step.command == "expect" || step.command == "server")
        step.command += " " + cursor.word("what to " + step.command);
    const Shape* shape = FindShape(step.command);
    if (!shape) throw ScenarioSyntaxError(line, "unknown command \"" + step.command + "\"");

    const QStringList kinds = QString::fromLatin1(shape->args).split(' ', Qt::SkipEmptyParts);
    for (const QString& kind : kinds) {
        const QString word = cursor.word(kind);
        const QString problem = ProblemWith(kind, word);
        if (!problem.isEmpty()) throw ScenarioSyntaxError(line, problem);
        step.args << word;
    }
    if (step.command == "expect file" && !cursor.onlyBlanksLeft()) {
        const QString tail = cursor.word("tail");
        if (tail != "tail") throw ScenarioSyntaxError(line, "expected \"tail N\" after the path, not " + tail);
        const QString count = cursor.word("N");
        const QString problem = ProblemWith("COUNT", count);
        if (!problem.isEmpty()) throw ScenarioSyntaxError(line, problem);
        step.args << tail << count;
    }
    if (shape->text) {
        step.text = cursor.text();
    } else if (!cursor.onlyBlanksLeft()) {
        throw ScenarioSyntaxError(line, "unexpected \"" + cursor.rest() + "\" after " + step.command);
    }
    return step;
}

// Rules that need the command and its block together.
void CheckWhole(const ScenarioStep& step) {
    const bool needsText = step.command == "expect message" || step.command == "expect opened" ||
                           step.command == "expect viewer";
    if (needsText && step.text.isEmpty())
        throw ScenarioSyntaxError(step.line, step.command + " needs its text");
    if (step.command == "expect text" && step.hasBlock && !step.text.isEmpty())
        throw ScenarioSyntaxError(step.line, "expect text takes either TEXT or block lines, not both");
    if (step.command == "expect file" && step.args.size() == 3 &&
        step.block.size() != step.args.at(2).toInt())
        throw ScenarioSyntaxError(step.line, "tail " + step.args.at(2) + " needs exactly that many block lines, found " +
                                                 QString::number(step.block.size()));
}

}  // namespace

ScenarioScript ParseScenario(const QString& source) {
    ScenarioScript script;
    QStringList lines = source.split('\n');
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF))) lines.first().remove(0, 1);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the final line end
    script.lastLine = static_cast<int>(lines.size());

    int number = 0;
    for (QString line : lines) {
        ++number;
        if (line.endsWith('\r')) line.chop(1);  // a file saved with CR LF line ends
        if (line.startsWith('|')) {
            if (line.size() > 1 && line.at(1) != ' ')
                throw ScenarioSyntaxError(number, "a block line is \"|\" alone or \"| \" followed by its text");
            if (script.steps.isEmpty())
                throw ScenarioSyntaxError(number, "block line without a command above it");
            ScenarioStep& owner = script.steps.last();
            if (!FindShape(owner.command)->block)
                throw ScenarioSyntaxError(number, owner.command + " takes no block lines");
            owner.block << line.mid(2);
            owner.hasBlock = true;
            continue;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        script.steps << ParseCommand(number, line);
    }
    for (const ScenarioStep& step : script.steps) CheckWhole(step);
    return script;
}

}  // namespace tw
