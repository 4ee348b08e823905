// Acting as the user: each command is one window event of the program.
#include <optional>

#include "Scenario.h"
#include "app/UpdateWindow.h"

namespace tw {

namespace {

// When a running timer next falls due: at its start time plus each whole interval
// while it stays enabled, after the last time it fired (a restart begins afresh).
std::optional<qint64> NextDue(const Timer& timer, const std::pair<quint64, qint64>& fired) {
    if (!timer.enabled || timer.interval <= 0) return std::nullopt;
    const qint64 after = fired.first == timer.generation ? std::max(fired.second, timer.startedAt) : timer.startedAt;
    return timer.startedAt + ((after - timer.startedAt) / timer.interval + 1) * timer.interval;
}

// A control the user can reach, of a kind the action works on.
ControlRef Usable(ScenarioRun& r, const QString& name, const char* action, bool (*right)(Kind), const char* wanted) {
    const ControlRef ref = r.usable(name, action);
    Check(right(ref.control().kind), QString("expected ") + wanted + " to " + action + ", found " + name + " a " +
                                         KindName(ref.control().kind));
    return ref;
}

// Time passes: every timer that falls due fires in the order of its due time (the
// main window's first when two coincide), and network traffic is delivered between.
void Wait(ScenarioRun& r, qint64 ms) {
    const qint64 target = r.desktop.tickCount + ms;
    const auto deliver = [&] {
        if (r.started && !r.ended()) r.event([&] { r.server.deliver(r.program); });
        return r.started && !r.ended();
    };
    while (deliver()) {
        const Timer& mainTimer = r.program.timer1;
        const Timer& updateTimer = r.program.update->timer1;
        const std::optional<qint64> mainDue = NextDue(mainTimer, r.mainFired);
        const std::optional<qint64> updateDue = NextDue(updateTimer, r.updateFired);
        const bool mainFirst = mainDue && (!updateDue || *mainDue <= *updateDue);
        const std::optional<qint64> due = mainFirst ? mainDue : updateDue;
        if (!due || *due > target) break;
        r.desktop.advance(*due - r.desktop.tickCount);
        (mainFirst ? r.mainFired : r.updateFired) = {(mainFirst ? mainTimer : updateTimer).generation, *due};
        r.event([&] { mainFirst ? r.program.mainTimerTick() : r.program.updateTimerTick(); });
    }
    r.desktop.advance(std::max<qint64>(0, target - r.desktop.tickCount));
    deliver();
}

using R = ScenarioRun;
using S = const Step&;

}  // namespace

const std::vector<Command> kUserCommands = {
    {"start", "", Command::Text | Command::BeforeStart, [](R& r, S s) {
        Check(!r.started, "expected one start in a scenario, found the program already started");
        r.started = true;
        r.event([&] { r.program.start(s.text); });
    }},
    {"type", "NAME", Command::Text, [](R& r, S s) {
        const ControlRef c = Usable(r, s.args[0], "type into", [](Kind k) { return k == Kind::TextBox; }, "a text box");
        r.event([&] { r.program.typed(c.window, c.id, s.text); });
    }},
    {"click", "NAME", 0, [](R& r, S s) {
        const ControlRef c = Usable(
            r, s.args[0], "click", [](Kind k) { return k != Kind::TextBox && k != Kind::ComboBox && k != Kind::Group; },
            "a button, picture, label or check box");
        r.event([&] { r.program.click(c.window, c.id); });
    }},
    {"select", "NAME INDEX", 0, [](R& r, S s) {
        const ControlRef c = Usable(r, s.args[0], "select in", [](Kind k) { return k == Kind::ComboBox; }, "a combo box");
        const int index = s.args[1].toInt();
        const qsizetype items = c.control().items.size();
        Check(index >= 0 && index < items,
              "expected item " + s.args[1] + " in " + c.name + ", found " + QString::number(items) + " item(s)");
        r.event([&] { r.program.selected(c.window, c.id, index); });
    }},
    {"activate", "", 0, [](R& r, S) { r.event([&] { r.program.activate(); }); }},
    {"close", "WINDOW", 0, [](R& r, S s) {
        const WindowId window = WindowNamed(s.args[0]);
        Check(r.model(window).open(), "expected the " + s.args[0] + " window open to close it, found it closed");
        r.event([&] { r.program.close(window); });
    }},
    {"wait", "MS", Command::BeforeStart, [](R& r, S s) { Wait(r, s.args[0].toLongLong()); }},
    {"answer", "BUTTON", Command::BeforeStart,
        [](R& r, S s) { r.desktop.answers.push_back(Answer(QStringList{"OK", "Cancel", "Yes", "No"}.indexOf(s.args[0]))); }},
};

}  // namespace tw
