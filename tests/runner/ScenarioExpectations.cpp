// Expectations about the windows, what the program asked of the desktop, and the
// files in the working folder.
#include <QFileInfo>

#include "Scenario.h"

namespace tw {

namespace {

void ExpectFlag(const QString& expected, bool found, const QString& what, const char* yes, const char* no) {
    const auto word = [&](bool on) { return QString::fromLatin1(on ? yes : no); };
    if ((expected == "1") != found)
        throw Failure("expected " + what + " " + word(expected == "1") + ", found it " + word(found));
}

void ExpectNoDifference(const QString& difference) {
    if (!difference.isEmpty()) throw Failure(difference);
}

}  // namespace

void ScenarioRun::expectControl(const Step& s) {
    const ControlRef ref = control(s.args.at(0));
    const Control& ctl = ref.control();
    const QString& c = s.command;
    const auto need = [&](bool right, const QString& wanted) {
        if (!right) throw Failure("expected " + wanted + ", found " + ref.name + " a " + KindName(ctl.kind));
    };
    if (c == "expect text") {
        need(ctl.kind != Kind::ComboBox && ctl.kind != Kind::Picture, "a text box, label, button, group or check box");
        if (s.hasBlock)
            ExpectNoDifference(FirstDifference(s.block, SplitLines(ctl.text, false), ref.name));
        else if (ctl.text != s.text)
            throw Failure("expected " + ref.name + " " + Quoted(s.text) + ", found " + Quoted(ctl.text));
    } else if (c == "expect tooltip" && ctl.tooltip != s.text) {
        throw Failure("expected the tooltip of " + ref.name + " " + Quoted(s.text) + ", found " + Quoted(ctl.tooltip));
    } else if (c == "expect checked") {
        need(ctl.kind == Kind::CheckBox, "a check box");
        ExpectFlag(s.args.at(1), ctl.checked, ref.name, "ticked", "unticked");
    } else if (c == "expect selected") {
        need(ctl.kind == Kind::ComboBox, "a combo box");
        if (ctl.index != s.args.at(1).toInt())
            throw Failure("expected " + ref.name + " to show item " + s.args.at(1) + ", found item " +
                          QString::number(ctl.index) + " " + Quoted(ref.model->itemText(ref.id)));
    } else if (c == "expect enabled") {
        ExpectFlag(s.args.at(1), ctl.enabled, ref.name, "enabled", "disabled");
    } else if (c == "expect focus" && ref.model->focus() != ref.id) {
        const int focus = ref.model->focus();
        throw Failure("expected the focus on " + ref.name + ", found it on " +
                      (focus >= 0 && focus < ref.model->count() ? ref.model->at(focus).name : QString("no control")));
    }
}

void ScenarioRun::expectWindow(const Step& s) {
    const QString& c = s.command;
    const QString& name = s.args.at(0);
    const WindowModel& m = model(WindowNamed(name));
    const QString what = "the " + name + " window";
    if (c == "expect caption" && m.caption() != s.text)
        throw Failure("expected " + what + "'s caption " + Quoted(s.text) + ", found " + Quoted(m.caption()));
    if (c == "expect open") ExpectFlag(s.args.at(1), m.open(), what, "open", "not open");
    if (c == "expect shown") ExpectFlag(s.args.at(1), m.shown(), what, "shown", "not shown");
    if (c == "expect topmost")
        ExpectFlag(s.args.at(1), desktop.topmost.value(WindowNamed(name), false), what, "topmost", "not topmost");
    if (c == "expect ended" && !started)
        throw Failure(QString("expected the program ") + (name == "1" ? "ended" : "running") + ", found it not started");
    if (c == "expect ended") ExpectFlag(name, ended(), "the program", "ended", "running");
}

void ScenarioRun::expectRecord(const Step& s) {
    const QString& c = s.command;
    const bool more = c == "expect message" || c == "expect no-message" ? matchedMessages < desktop.messages.size()
                      : c == "expect opened"                           ? matchedOpened < desktop.opened.size()
                                                                       : matchedViewers < desktop.viewers.size();
    if (c == "expect no-message" && more) {
        const ShownMessage& shown = desktop.messages.at(matchedMessages);
        throw Failure("expected no further message box, found " + Quoted(shown.title) + " saying " + Quoted(shown.text));
    } else if (c == "expect message") {
        if (!more) throw Failure("expected the message box " + Quoted(s.text) + ", found no further message box");
        const ShownMessage& shown = desktop.messages.at(matchedMessages++);
        if (shown.title != s.text)
            throw Failure("expected the message box " + Quoted(s.text) + ", found " + Quoted(shown.title) + " saying " +
                          Quoted(shown.text));
        ExpectNoDifference(FirstDifference(s.block, SplitLines(shown.text), "the message " + Quoted(shown.title)));
    } else if (c == "expect opened") {
        const QString asked = "expected the desktop asked to open " + Quoted(s.text);
        if (!more) throw Failure(asked + ", found no further request");
        const QString found = desktop.siteAddress(desktop.opened.at(matchedOpened++));
        if (found != s.text) throw Failure(asked + ", found " + Quoted(found));
    } else if (c == "expect viewer") {
        const QString asked = "expected a viewer started for " + Quoted(s.text);
        if (!more) throw Failure(asked + ", found no further viewer");
        const QString found = desktop.viewers.at(matchedViewers++);
        if (found != s.text) throw Failure(asked + ", found one for " + Quoted(found));
    }
}

void ScenarioRun::expectFile(const Step& s) {
    const QString& c = s.command;
    const QString& path = s.args.at(0);
    if (c == "expect exists" && !folder.exists(path)) throw Failure("expected " + path + " to exist, found it missing");
    if (c == "expect missing" && folder.exists(path)) throw Failure("expected " + path + " missing, found it there");
    if (c == "expect exists" || c == "expect missing") return;
    if (!QFileInfo(folder.path() + "/" + path).isFile()) throw Failure("expected the file " + path + ", found no such file");
    const QStringList lines = folder.lines(path);
    const QString n = s.args.value(1);
    if (c == "expect lines" && lines.size() != n.toInt())
        throw Failure("expected " + n + " line(s) in " + path + ", found " + QString::number(lines.size()));
    if (c == "expect file" && s.args.size() < 3) ExpectNoDifference(FirstDifference(s.block, lines, path));
    if (c == "expect file" && s.args.size() == 3) {
        const QString count = s.args.at(2);
        if (lines.size() < count.toInt())
            throw Failure("expected at least " + count + " line(s) in " + path + ", found " + QString::number(lines.size()));
        ExpectNoDifference(FirstDifference(s.block, lines.mid(lines.size() - count.toInt()),
                                           "the last " + count + " line(s) of " + path));
    }
    if (c == "expect line") {
        const qsizetype index = n.toInt() > 0 ? n.toInt() - 1 : lines.size() + n.toInt();
        const QString expected = "expected line " + n + " of " + path + " to be " + Quoted(s.text);
        if (index < 0 || index >= lines.size())
            throw Failure(expected + ", found only " + QString::number(lines.size()) + " line(s)");
        if (lines.at(index) != s.text) throw Failure(expected + ", found " + Quoted(lines.at(index)));
    }
}

}  // namespace tw
