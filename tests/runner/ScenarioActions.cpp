// Acting as the user: each command is one window event of the program.
#include <optional>

#include "Scenario.h"
#include "app/UpdateWindow.h"

namespace tw {

namespace {

// When a running timer next falls due: at its start time plus each whole interval
// while it stays enabled, after the last time it fired (a restart begins afresh).
std::optional<qint64> NextDue(const Timer& timer, const FiredTimer& fired) {
    if (!timer.enabled || timer.interval <= 0) return std::nullopt;
    const qint64 after = fired.generation == timer.generation ? std::max(fired.at, timer.startedAt) : timer.startedAt;
    return timer.startedAt + ((after - timer.startedAt) / timer.interval + 1) * timer.interval;
}

// A control of the kind the action needs.
ControlRef OfKind(const ControlRef& ref, bool right, const QString& wanted) {
    if (!right)
        throw Failure("expected " + wanted + ", found " + ref.name + " a " + KindName(ref.control().kind));
    return ref;
}

}  // namespace

void ScenarioRun::act(const Step& s) {
    const QString& c = s.command;
    if (c == "start") {
        if (started) throw Failure("expected one start in a scenario, found the program already started");
        started = true;
        event([&] { program.start(s.text); });
    } else if (c == "type") {
        const ControlRef ref = usable(s.args.at(0), "type into");
        OfKind(ref, ref.control().kind == Kind::TextBox, "a text box to type into");
        event([&] { program.typed(ref.window, ref.id, s.text); });
    } else if (c == "click") {
        const ControlRef ref = usable(s.args.at(0), "click");
        const Kind kind = ref.control().kind;
        OfKind(ref, kind != Kind::TextBox && kind != Kind::ComboBox && kind != Kind::Group,
               "a button, picture, label or check box to click");
        event([&] { program.click(ref.window, ref.id); });
    } else if (c == "select") {
        const ControlRef ref = usable(s.args.at(0), "select in");
        OfKind(ref, ref.control().kind == Kind::ComboBox, "a combo box to select in");
        const int index = s.args.at(1).toInt();
        const qsizetype items = ref.control().items.size();
        if (index < 0 || index >= items)
            throw Failure("expected item " + s.args.at(1) + " in " + ref.name + ", found " + QString::number(items) + " item(s)");
        event([&] { program.selected(ref.window, ref.id, index); });
    } else if (c == "activate") {
        event([&] { program.activate(); });
    } else if (c == "close") {
        const WindowId window = WindowNamed(s.args.at(0));
        if (!model(window).open())
            throw Failure("expected the " + s.args.at(0) + " window open to close it, found it closed");
        event([&] { program.close(window); });
    } else if (c == "answer") {
        desktop.answers.push_back(Answer(QStringList{"OK", "Cancel", "Yes", "No"}.indexOf(s.args.at(0))));
    }
}

// Time passes: every timer that falls due fires in the order of its due time (the
// main window's first when two coincide), and network traffic is delivered between.
void ScenarioRun::wait(const Step& s) {
    const qint64 target = desktop.tickCount + s.args.at(0).toLongLong();
    const auto deliver = [&] {
        if (started && !ended()) event([&] { server.deliver(program); });
        return started && !ended();
    };
    while (deliver()) {
        const std::optional<qint64> mainDue = NextDue(program.timer1, mainFired);
        const std::optional<qint64> updateDue = NextDue(program.update->timer1, updateFired);
        const bool mainFirst = mainDue && (!updateDue || *mainDue <= *updateDue);
        const std::optional<qint64> due = mainFirst ? mainDue : updateDue;
        if (!due || *due > target) break;
        desktop.advance(*due - desktop.tickCount);
        FiredTimer& fired = mainFirst ? mainFired : updateFired;
        fired = {(mainFirst ? program.timer1 : program.update->timer1).generation, *due};
        event([&] { mainFirst ? program.mainTimerTick() : program.updateTimerTick(); });
    }
    if (target > desktop.tickCount) desktop.advance(target - desktop.tickCount);
    deliver();
}

}  // namespace tw
