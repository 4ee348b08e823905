// Expectations about the windows and about what the program asked of the desktop.
#include <QRegularExpression>

#include "ScenarioRun.h"

namespace tw {

namespace {

QString Flag(bool on, const char* yes, const char* no) { return QString::fromLatin1(on ? yes : no); }

void ExpectFlag(bool expected, bool found, const QString& what, const char* yes, const char* no) {
    if (expected != found)
        throw StepFailure("expected " + what + " " + Flag(expected, yes, no) + ", found it " +
                          Flag(found, yes, no));
}

}  // namespace

void ScenarioRun::expectText(const ScenarioStep& s) {
    const ControlRef ref = control(s.args.at(0));
    const Kind kind = ref.control().kind;
    if (kind == Kind::ComboBox || kind == Kind::Picture)
        throw StepFailure("expected a text box, label, button, group or check box, found " + ref.name +
                          " a " + KindName(kind));
    const QString& found = ref.control().text;
    if (s.hasBlock) {
        const QString difference =
            FirstDifference(s.block, found.split(QRegularExpression("\r\n|\n")), ref.name);
        if (!difference.isEmpty()) throw StepFailure(difference);
    } else if (found != s.text) {
        throw StepFailure("expected " + ref.name + " " + Quoted(s.text) + ", found " + Quoted(found));
    }
}

void ScenarioRun::expectCaption(const ScenarioStep& s) {
    const QString found = model(windowNamed(s.args.at(0))).caption();
    if (found != s.text)
        throw StepFailure("expected the " + s.args.at(0) + " window's caption " + Quoted(s.text) +
                          ", found " + Quoted(found));
}

void ScenarioRun::expectTooltip(const ScenarioStep& s) {
    const ControlRef ref = control(s.args.at(0));
    const QString& found = ref.control().tooltip;
    if (found != s.text)
        throw StepFailure("expected the tooltip of " + ref.name + " " + Quoted(s.text) + ", found " +
                          Quoted(found));
}

void ScenarioRun::expectChecked(const ScenarioStep& s) {
    const ControlRef ref = control(s.args.at(0));
    if (ref.control().kind != Kind::CheckBox)
        throw StepFailure("expected a check box, found " + ref.name + " a " + KindName(ref.control().kind));
    ExpectFlag(s.args.at(1) == "1", ref.control().checked, ref.name, "ticked", "unticked");
}

void ScenarioRun::expectSelected(const ScenarioStep& s) {
    const ControlRef ref = control(s.args.at(0));
    if (ref.control().kind != Kind::ComboBox)
        throw StepFailure("expected a combo box, found " + ref.name + " a " + KindName(ref.control().kind));
    const int found = ref.control().index;
    if (found != s.args.at(1).toInt())
        throw StepFailure("expected " + ref.name + " to show item " + s.args.at(1) + ", found item " +
                          QString::number(found) + " " + Quoted(ref.model->itemText(ref.id)));
}

void ScenarioRun::expectEnabled(const ScenarioStep& s) {
    const ControlRef ref = control(s.args.at(0));
    ExpectFlag(s.args.at(1) == "1", ref.control().enabled, ref.name, "enabled", "disabled");
}

void ScenarioRun::expectFocus(const ScenarioStep& s) {
    const ControlRef ref = control(s.args.at(0));
    const int focus = ref.model->focus();
    if (focus != ref.id)
        throw StepFailure("expected the focus on " + ref.name + ", found it on " +
                          (focus >= 0 && focus < ref.model->count() ? ref.model->at(focus).name
                                                                    : QString("no control")));
}

void ScenarioRun::expectOpen(const ScenarioStep& s) {
    ExpectFlag(s.args.at(1) == "1", model(windowNamed(s.args.at(0))).open(),
               "the " + s.args.at(0) + " window", "open", "not open");
}

void ScenarioRun::expectShown(const ScenarioStep& s) {
    ExpectFlag(s.args.at(1) == "1", model(windowNamed(s.args.at(0))).shown(),
               "the " + s.args.at(0) + " window", "shown", "not shown");
}

void ScenarioRun::expectTopmost(const ScenarioStep& s) {
    ExpectFlag(s.args.at(1) == "1", desktop_.topmost.value(windowNamed(s.args.at(0)), false),
               "the " + s.args.at(0) + " window", "topmost", "not topmost");
}

void ScenarioRun::expectMessage(const ScenarioStep& s) {
    if (matchedMessages_ >= desktop_.messages.size())
        throw StepFailure("expected the message box " + Quoted(s.text) + ", found no further message box");
    const ShownMessage& shown = desktop_.messages.at(matchedMessages_++);
    if (shown.title != s.text)
        throw StepFailure("expected the message box " + Quoted(s.text) + ", found " + Quoted(shown.title) +
                          " saying " + Quoted(shown.text));
    const QString difference =
        FirstDifference(s.block, MessageLines(shown.text), "the message " + Quoted(shown.title));
    if (!difference.isEmpty()) throw StepFailure(difference);
}

void ScenarioRun::expectNoMessage(const ScenarioStep&) {
    if (matchedMessages_ < desktop_.messages.size()) {
        const ShownMessage& shown = desktop_.messages.at(matchedMessages_);
        throw StepFailure("expected no further message box, found " + Quoted(shown.title) + " saying " +
                          Quoted(shown.text));
    }
}

void ScenarioRun::expectOpened(const ScenarioStep& s) {
    if (matchedOpened_ >= desktop_.opened.size())
        throw StepFailure("expected the desktop asked to open " + Quoted(s.text) + ", found no further request");
    const QString found = asSiteAddress(desktop_.opened.at(matchedOpened_++));
    if (found != s.text)
        throw StepFailure("expected the desktop asked to open " + Quoted(s.text) + ", found " + Quoted(found));
}

void ScenarioRun::expectViewer(const ScenarioStep& s) {
    if (matchedViewers_ >= desktop_.viewers.size())
        throw StepFailure("expected a viewer started for " + Quoted(s.text) + ", found no further viewer");
    const QString found = desktop_.viewers.at(matchedViewers_++);
    if (found != s.text)
        throw StepFailure("expected a viewer started for " + Quoted(s.text) + ", found one for " + Quoted(found));
}

void ScenarioRun::expectEnded(const ScenarioStep& s) {
    const bool expected = s.args.at(0) == "1";
    if (!started_)
        throw StepFailure(QString("expected the program ") + (expected ? "ended" : "running") +
                          ", found it not started");
    ExpectFlag(expected, ended(), "the program", "ended", "running");
}

}  // namespace tw
