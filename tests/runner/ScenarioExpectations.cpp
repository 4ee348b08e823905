// Expectations about the windows, what the program asked of the desktop, and the
// files in the working folder.
#include <QFileInfo>

#include "Scenario.h"

namespace tw {

namespace {

using R = ScenarioRun;
using S = const Step&;
constexpr int kBefore = Command::BeforeStart, kAlways = Command::Always;

void Flag(const QString& expected, bool found, const QString& what, const char* yes, const char* no) {
    const auto word = [&](bool on) { return QString::fromLatin1(on ? yes : no); };
    Check((expected == "1") == found, "expected " + what + " " + word(expected == "1") + ", found it " + word(found));
}

void Same(const QString& expected, const QString& found, const QString& what) {
    Check(found == expected, "expected " + what + " " + Quoted(expected) + ", found " + Quoted(found));
}

void NoDifference(const QString& difference) { Check(difference.isEmpty(), difference); }

// The control a control expectation names, of a kind it can be checked on.
const Control& Of(R& r, S s, bool (*right)(Kind), const char* wanted) {
    const ControlRef ref = r.control(s.args[0]);
    Check(right(ref.control().kind), QString("expected ") + wanted + ", found " + ref.name + " a " + KindName(ref.control().kind));
    return ref.control();
}
bool Any(Kind) { return true; }

void WindowState(R& r, S s, bool (WindowModel::*state)() const, const char* yes, const char* no) {
    Flag(s.args[1], (r.model(WindowNamed(s.args[0])).*state)(), "the " + s.args[0] + " window", yes, no);
}

// The next record of its kind not yet matched, or a failure saying there is none.
const QString& Next(const QStringList& records, qsizetype& matched, const QString& expected, const char* none) {
    Check(matched < records.size(), expected + ", found no further " + none);
    return records.at(matched++);
}

// The lines of a file the step names, which must be there.
QStringList FileLines(R& r, const QString& path) {
    Check(QFileInfo(r.folder.path() + "/" + path).isFile(), "expected the file " + path + ", found no such file");
    return r.folder.lines(path);
}

}  // namespace

const std::vector<Command> kExpectCommands = {
    {"expect text", "NAME", Command::Text | Command::Block | kBefore, [](R& r, S s) {
        const Control& c = Of(r, s, [](Kind k) { return k != Kind::ComboBox && k != Kind::Picture; },
                              "a text box, label, button, group or check box");
        if (!s.block.isEmpty()) NoDifference(FirstDifference(s.block, SplitLines(c.text, false), s.args[0]));
        if (s.block.isEmpty()) Same(s.text, c.text, s.args[0]);
    }},
    {"expect tooltip", "NAME", Command::Text | kBefore,
        [](R& r, S s) { Same(s.text, Of(r, s, Any, "").tooltip, "the tooltip of " + s.args[0]); }},
    {"expect checked", "NAME STATE", kBefore, [](R& r, S s) {
        Flag(s.args[1], Of(r, s, [](Kind k) { return k == Kind::CheckBox; }, "a check box").checked, s.args[0],
             "ticked", "unticked");
    }},
    {"expect selected", "NAME INDEX", kBefore, [](R& r, S s) {
        const ControlRef ref = r.control(s.args[0]);
        const int found = Of(r, s, [](Kind k) { return k == Kind::ComboBox; }, "a combo box").index;
        Check(found == s.args[1].toInt(), "expected " + s.args[0] + " to show item " + s.args[1] + ", found item " +
                                              QString::number(found) + " " + Quoted(ref.model->itemText(ref.id)));
    }},
    {"expect enabled", "NAME STATE", kBefore,
        [](R& r, S s) { Flag(s.args[1], Of(r, s, Any, "").enabled, s.args[0], "enabled", "disabled"); }},
    {"expect visible", "NAME STATE", kBefore,
        [](R& r, S s) { Flag(s.args[1], Of(r, s, Any, "").visible, s.args[0], "visible", "hidden"); }},
    {"expect focus", "NAME", kBefore, [](R& r, S s) {
        const ControlRef ref = r.control(s.args[0]);
        const int focus = ref.model->focus();
        Check(focus == ref.id, "expected the focus on " + ref.name + ", found it on " +
                                   (focus >= 0 && focus < ref.model->count() ? ref.model->at(focus).name : "no control"));
    }},
    {"expect caption", "WINDOW", Command::Text | kBefore,
        [](R& r, S s) { Same(s.text, r.model(WindowNamed(s.args[0])).caption(), "the " + s.args[0] + " window's caption"); }},
    // Every window is closed once the program has ended, which can be checked, and
    // what the program showed on its way out stays on record.
    {"expect open", "WINDOW STATE", kAlways, [](R& r, S s) { WindowState(r, s, &WindowModel::open, "open", "not open"); }},
    {"expect shown", "WINDOW STATE", kAlways, [](R& r, S s) { WindowState(r, s, &WindowModel::shown, "shown", "not shown"); }},
    {"expect topmost", "WINDOW STATE", kAlways, [](R& r, S s) {
        Flag(s.args[1], r.desktop.topmost.value(WindowNamed(s.args[0]), false), "the " + s.args[0] + " window",
             "topmost", "not topmost");
    }},
    {"expect ended", "STATE", kAlways, [](R& r, S s) {
        Check(r.started, QString("expected the program ") + (s.args[0] == "1" ? "ended" : "running") +
                             ", found it not started");
        Flag(s.args[0], r.ended(), "the program", "ended", "running");
    }},
    {"expect message", "", Command::Text | Command::Block | kAlways, [](R& r, S s) {
        Check(r.matchedMessages < r.desktop.messages.size(),
              "expected the message box " + Quoted(s.text) + ", found no further message box");
        const ShownMessage& shown = r.desktop.messages.at(r.matchedMessages++);
        Check(shown.title == s.text, "expected the message box " + Quoted(s.text) + ", found " + Quoted(shown.title) +
                                         " saying " + Quoted(shown.text));
        // Messages name files by their full path; the scenario's folder reads FOLDER.
        const QString text = QString(shown.text).replace(r.folder.path(), QStringLiteral("FOLDER"));
        NoDifference(FirstDifference(s.block, SplitLines(text), "the message " + Quoted(shown.title)));
    }},
    {"expect no-message", "", kAlways, [](R& r, S) {
        if (r.matchedMessages == r.desktop.messages.size()) return;
        const ShownMessage& shown = r.desktop.messages.at(r.matchedMessages);
        throw Failure("expected no further message box, found " + Quoted(shown.title) + " saying " + Quoted(shown.text));
    }},
    {"expect opened", "", Command::Text | kAlways, [](R& r, S s) {
        const QString expected = "expected the desktop asked to open " + Quoted(s.text);
        const QString found = SiteAddress(Next(r.desktop.opened, r.matchedOpened, expected, "request"), r.server);
        Check(found == s.text, expected + ", found " + Quoted(found));
    }},
    {"expect viewer", "", Command::Text | kAlways, [](R& r, S s) {
        const QString expected = "expected a viewer started for " + Quoted(s.text);
        const QString& found = Next(r.desktop.viewers, r.matchedViewers, expected, "viewer");
        Check(found == s.text, expected + ", found one for " + Quoted(found));
    }},
    // optionally followed by "tail N"
    {"expect file", "PATH", Command::Block | kAlways, [](R& r, S s) {
        const QStringList lines = FileLines(r, s.args[0]);
        if (s.args.size() < 3) return NoDifference(FirstDifference(s.block, lines, s.args[0]));
        const QString count = s.args[2];
        Check(lines.size() >= count.toInt(), "expected at least " + count + " line(s) in " + s.args[0] + ", found " +
                                                 QString::number(lines.size()));
        NoDifference(FirstDifference(s.block, lines.mid(lines.size() - count.toInt()),
                                     "the last " + count + " line(s) of " + s.args[0]));
    }},
    {"expect lines", "PATH COUNT", kAlways, [](R& r, S s) {
        const qsizetype found = FileLines(r, s.args[0]).size();
        Check(found == s.args[1].toInt(),
              "expected " + s.args[1] + " line(s) in " + s.args[0] + ", found " + QString::number(found));
    }},
    {"expect line", "PATH LINE", Command::Text | kAlways, [](R& r, S s) {
        const QStringList lines = FileLines(r, s.args[0]);
        const int n = s.args[1].toInt();
        const qsizetype index = n > 0 ? n - 1 : lines.size() + n;
        const QString expected = "expected line " + s.args[1] + " of " + s.args[0] + " to be " + Quoted(s.text);
        Check(index >= 0 && index < lines.size(), expected + ", found only " + QString::number(lines.size()) + " line(s)");
        Check(lines.at(index) == s.text, expected + ", found " + Quoted(lines.at(index)));
    }},
    {"expect exists", "PATH", kAlways,
        [](R& r, S s) { Check(r.folder.exists(s.args[0]), "expected " + s.args[0] + " to exist, found it missing"); }},
    {"expect missing", "PATH", kAlways,
        [](R& r, S s) { Check(!r.folder.exists(s.args[0]), "expected " + s.args[0] + " missing, found it there"); }},
};

}  // namespace tw
