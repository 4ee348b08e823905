// Acting as the user: each command is one window event of the program.
#include <optional>

#include "ScenarioRun.h"
#include "app/UpdateWindow.h"

namespace tw {

namespace {

// When a running timer next falls due: at its start time plus each whole interval
// while it stays enabled, after the last time it fired (a restart begins afresh).
std::optional<qint64> NextDue(const Timer& timer, const FiredTimer& fired) {
    if (!timer.enabled || timer.interval <= 0) return std::nullopt;
    const qint64 after = fired.generation == timer.generation
                             ? std::max(fired.at, timer.startedAt)
                             : timer.startedAt;
    return timer.startedAt + ((after - timer.startedAt) / timer.interval + 1) * timer.interval;
}

void NoteFired(FiredTimer& fired, const Timer& timer, qint64 at) {
    fired.generation = timer.generation;
    fired.at = at;
}

}  // namespace

QString KindName(Kind kind) {
    switch (kind) {
    case Kind::TextBox: return "text box";
    case Kind::Label: return "label";
    case Kind::Button: return "button";
    case Kind::CheckBox: return "check box";
    case Kind::ComboBox: return "combo box";
    case Kind::Group: return "group";
    case Kind::Picture: return "picture";
    }
    return {};
}

void ScenarioRun::start(const ScenarioStep& s) {
    if (started_) throw StepFailure("expected one start in a scenario, found the program already started");
    started_ = true;
    event([&] { program_.start(s.text); });
}

void ScenarioRun::type(const ScenarioStep& s) {
    const ControlRef ref = usableControl(s.args.at(0), "type into");
    if (ref.control().kind != Kind::TextBox)
        throw StepFailure("expected a text box to type into, found " + ref.name + " a " +
                          KindName(ref.control().kind));
    event([&] { program_.typed(ref.window, ref.id, s.text); });
}

void ScenarioRun::click(const ScenarioStep& s) {
    const ControlRef ref = usableControl(s.args.at(0), "click");
    const Kind kind = ref.control().kind;
    if (kind == Kind::TextBox || kind == Kind::ComboBox || kind == Kind::Group)
        throw StepFailure("expected a button, picture, label or check box to click, found " + ref.name +
                          " a " + KindName(kind));
    event([&] { program_.click(ref.window, ref.id); });
}

void ScenarioRun::select(const ScenarioStep& s) {
    const ControlRef ref = usableControl(s.args.at(0), "select in");
    if (ref.control().kind != Kind::ComboBox)
        throw StepFailure("expected a combo box to select in, found " + ref.name + " a " +
                          KindName(ref.control().kind));
    const int index = s.args.at(1).toInt();
    const qsizetype items = ref.control().items.size();
    if (index < 0 || index >= items)
        throw StepFailure("expected item " + s.args.at(1) + " in " + ref.name + ", found " +
                          QString::number(items) + " item(s)");
    event([&] { program_.selected(ref.window, ref.id, index); });
}

void ScenarioRun::activate(const ScenarioStep&) {
    event([&] { program_.activate(); });
}

void ScenarioRun::close(const ScenarioStep& s) {
    const WindowId window = windowNamed(s.args.at(0));
    if (!model(window).open())
        throw StepFailure("expected the " + s.args.at(0) + " window open to close it, found it closed");
    event([&] { program_.close(window); });
}

// Time passes: every timer that falls due fires in the order of its due time (the
// main window's first when two coincide), and network traffic is delivered between.
void ScenarioRun::wait(const ScenarioStep& s) {
    const qint64 target = desktop_.tickCount + s.args.at(0).toLongLong();
    while (started_ && !ended()) {
        event([&] { DeliverNetwork(program_, server_); });
        if (ended()) break;
        const Timer& mainTimer = program_.timer1;
        const Timer& updateTimer = program_.update->timer1;
        const std::optional<qint64> mainDue = NextDue(mainTimer, mainFired_);
        const std::optional<qint64> updateDue = NextDue(updateTimer, updateFired_);
        const bool mainFirst = mainDue && (!updateDue || *mainDue <= *updateDue);
        const std::optional<qint64> due = mainFirst ? mainDue : updateDue;
        if (!due || *due > target) break;
        desktop_.advance(*due - desktop_.tickCount);
        if (mainFirst) {
            NoteFired(mainFired_, mainTimer, *due);
            event([&] { program_.mainTimerTick(); });
        } else {
            NoteFired(updateFired_, updateTimer, *due);
            event([&] { program_.updateTimerTick(); });
        }
    }
    if (target > desktop_.tickCount) desktop_.advance(target - desktop_.tickCount);
    if (started_ && !ended()) event([&] { DeliverNetwork(program_, server_); });
}

void ScenarioRun::answer(const ScenarioStep& s) {
    const QString& button = s.args.at(0);
    const Answer answer = button == "OK"       ? Answer::Ok
                          : button == "Cancel" ? Answer::Cancel
                          : button == "Yes"    ? Answer::Yes
                                               : Answer::No;
    desktop_.answers.push_back(answer);
}

}  // namespace tw
