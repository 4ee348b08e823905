#include "ScenarioRun.h"

#include <QRegularExpression>
#include <cstdio>

#include "app/AboutWindow.h"
#include "app/ProgramEnded.h"
#include "app/Version.h"
#include "update/UpdateWindow.h"

namespace tw {

namespace {

void Print(const QString& line) {
    std::fputs((line + "\n").toUtf8().constData(), stdout);
    std::fflush(stdout);
}

QString ButtonsName(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok: return "OK";
    case Buttons::OkCancel: return "OK/Cancel";
    case Buttons::YesNo: return "Yes/No";
    case Buttons::YesNoCancel: return "Yes/No/Cancel";
    }
    return {};
}

QString AnswerName(Answer answer) {
    switch (answer) {
    case Answer::Ok: return "OK";
    case Answer::Cancel: return "Cancel";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    }
    return {};
}

// The commands that name a control as their first argument.
bool NamesControl(const QString& command) {
    static const QStringList commands = {"type", "click", "select", "expect text", "expect tooltip",
                                         "expect checked", "expect selected", "expect enabled",
                                         "expect focus"};
    return commands.contains(command);
}

}  // namespace

QString Quoted(const QString& text) {
    QString shown = text;
    shown.replace("\r", "\\r").replace("\n", "\\n").replace("\t", "\\t");
    return "\"" + shown + "\"";
}

QStringList MessageLines(const QString& text) {
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QRegularExpression("\r\n|\n"));
    if (text.endsWith('\n')) lines.removeLast();  // a final line break adds no line
    return lines;
}

QString FirstDifference(const QStringList& expected, const QStringList& found, const QString& what) {
    const qsizetype common = std::min(expected.size(), found.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (expected.at(i) != found.at(i))
            return "expected line " + QString::number(i + 1) + " of " + what + " to be " +
                   Quoted(expected.at(i)) + ", found " + Quoted(found.at(i));
    }
    if (expected.size() > found.size())
        return "expected line " + QString::number(found.size() + 1) + " of " + what + " to be " +
               Quoted(expected.at(found.size())) + ", found only " + QString::number(found.size()) +
               " line(s)";
    if (found.size() > expected.size())
        return "expected " + QString::number(expected.size()) + " line(s) in " + what +
               ", found line " + QString::number(expected.size() + 1) + " " +
               Quoted(found.at(expected.size()));
    return {};
}

Answer ScenarioDesktop::message(const QString& title, const QString& text, Icon icon,
                                Buttons buttons) {
    if (trace) {
        Print("  message box (" + ButtonsName(buttons) + "):");
        Print("  expect message " + title);
        for (const QString& line : MessageLines(text)) Print(line.isEmpty() ? "  |" : "  | " + line);
    }
    const Answer answer = FakeDesktop::message(title, text, icon, buttons);
    if (trace && buttons != Buttons::Ok) Print("  answered " + AnswerName(answer));
    return answer;
}

bool ScenarioDesktop::openUrl(const QString& url) {
    if (trace) Print("  expect opened " + (shownAs ? shownAs(url) : url) + (openFails ? "  (fails)" : ""));
    return FakeDesktop::openUrl(url);
}

bool ScenarioDesktop::openFile(const QString& relPath) {
    if (trace) Print("  expect opened " + relPath + (openFails ? "  (fails)" : ""));
    return FakeDesktop::openFile(relPath);
}

bool ScenarioDesktop::startViewer(const QString& relPath) {
    if (trace) Print("  expect viewer " + relPath + (viewerFails ? "  (fails)" : ""));
    return FakeDesktop::startViewer(relPath);
}

ScenarioRun::ScenarioRun(bool trace)
    : trace_(trace),
      program_(desktop_, folder_.files(), server_.baseUrl()),
      watch_(folder_.path()) {
    desktop_.trace = trace;
    desktop_.shownAs = [this](const QString& url) { return asSiteAddress(url); };
}

const ScenarioRun::Command* ScenarioRun::findCommand(const QString& name) {
    // name, handler, allowed after the program ended, allowed before it started
    static const Command commands[] = {
        {"write", &ScenarioRun::write, true, true},
        {"config", &ScenarioRun::config, true, true},
        {"append", &ScenarioRun::append, true, true},
        {"remove", &ScenarioRun::remove, true, true},
        {"folder", &ScenarioRun::folder, true, true},
        {"deny", &ScenarioRun::deny, true, true},
        {"deny-read", &ScenarioRun::denyRead, true, true},
        {"allow", &ScenarioRun::allow, true, true},
        {"locale", &ScenarioRun::locale, true, true},
        {"clock", &ScenarioRun::clock, true, true},
        {"server reply", &ScenarioRun::serverReply, true, true},
        {"server error", &ScenarioRun::serverError, true, true},
        {"server silent", &ScenarioRun::serverSilent, true, true},
        {"server down", &ScenarioRun::serverDown, true, true},
        {"desktop-fails", &ScenarioRun::desktopFails, true, true},
        {"start", &ScenarioRun::start, false, true},
        {"type", &ScenarioRun::type, false, false},
        {"click", &ScenarioRun::click, false, false},
        {"select", &ScenarioRun::select, false, false},
        {"activate", &ScenarioRun::activate, false, false},
        {"close", &ScenarioRun::close, false, false},
        {"wait", &ScenarioRun::wait, false, true},
        {"answer", &ScenarioRun::answer, false, true},
        {"expect text", &ScenarioRun::expectText, false, true},
        {"expect caption", &ScenarioRun::expectCaption, false, true},
        {"expect tooltip", &ScenarioRun::expectTooltip, false, true},
        {"expect checked", &ScenarioRun::expectChecked, false, true},
        {"expect selected", &ScenarioRun::expectSelected, false, true},
        {"expect enabled", &ScenarioRun::expectEnabled, false, true},
        {"expect focus", &ScenarioRun::expectFocus, false, true},
        // Every window is closed once the program has ended, which can be checked.
        {"expect open", &ScenarioRun::expectOpen, true, true},
        {"expect shown", &ScenarioRun::expectShown, true, true},
        {"expect topmost", &ScenarioRun::expectTopmost, true, true},
        // What the program showed on its way out stays on record.
        {"expect message", &ScenarioRun::expectMessage, true, true},
        {"expect no-message", &ScenarioRun::expectNoMessage, true, true},
        {"expect opened", &ScenarioRun::expectOpened, true, true},
        {"expect viewer", &ScenarioRun::expectViewer, true, true},
        {"expect ended", &ScenarioRun::expectEnded, true, true},
        {"expect file", &ScenarioRun::expectFile, true, true},
        {"expect lines", &ScenarioRun::expectLines, true, true},
        {"expect line", &ScenarioRun::expectLine, true, true},
        {"expect exists", &ScenarioRun::expectExists, true, true},
        {"expect missing", &ScenarioRun::expectMissing, true, true},
    };
    for (const Command& command : commands)
        if (name == QLatin1String(command.name)) return &command;
    return nullptr;
}

Outcome ScenarioRun::run(const ScenarioScript& script) {
    int line = 0;
    try {
        // A misspelt control name fails at once, whatever comes before it.
        for (const ScenarioStep& step : script.steps) {
            line = step.line;
            if (NamesControl(step.command)) control(step.args.at(0));
        }
        watch_.take();
        for (const ScenarioStep& step : script.steps) {
            line = step.line;
            if (trace_) {
                QString shown = QString::number(step.line) + ": " + step.command;
                for (const QString& arg : step.args) shown += " " + arg;
                if (!step.text.isEmpty()) shown += " " + step.text;
                Print(shown);
            }
            perform(step);
            if (trace_)
                for (const QString& change : watch_.changes()) Print(change);
        }
        line = script.lastLine;
        checkEnd();
    } catch (const StepFailure& failure) {
        if (trace_)
            for (const QString& change : watch_.changes()) Print(change);
        return {false, line, failure.text};
    }
    return {};
}

void ScenarioRun::perform(const ScenarioStep& step) {
    const Command* command = findCommand(step.command);
    if (!command) throw StepFailure("expected a command the runner knows, found " + step.command);
    if (ended() && !command->afterEnd)
        throw StepFailure("expected the program running for " + step.command + ", found it ended");
    if (!started_ && !command->beforeStart)
        throw StepFailure("expected the program running for " + step.command + ", found it not started");
    (this->*command->handler)(step);
}

void ScenarioRun::checkEnd() {
    if (matchedMessages_ < desktop_.messages.size()) {
        const ShownMessage& m = desktop_.messages.at(matchedMessages_);
        throw StepFailure("expected every message box matched, found " + Quoted(m.title) +
                          " unmatched: " + Quoted(m.text));
    }
    if (matchedOpened_ < desktop_.opened.size())
        throw StepFailure("expected every opened page matched, found " +
                          Quoted(desktop_.opened.at(matchedOpened_)) + " unmatched");
    if (matchedViewers_ < desktop_.viewers.size())
        throw StepFailure("expected every started viewer matched, found " +
                          Quoted(desktop_.viewers.at(matchedViewers_)) + " unmatched");
    if (!desktop_.answers.empty())
        throw StepFailure("expected every queued answer used, found " +
                          AnswerName(desktop_.answers.front()) + " unused");
}

void ScenarioRun::event(const std::function<void()>& body) {
    QString failure;
    try {
        body();
    } catch (const ProgramEnded&) {
        ended_ = true;
    } catch (const UnansweredQuestion&) {
        // Reported below from the desktop's record.
    } catch (const std::exception& e) {
        failure = "expected the program to handle the step, found it failing with " +
                  Quoted(QString::fromLocal8Bit(e.what()));
    }
    if (!desktop_.unanswered.isEmpty())
        throw StepFailure("expected an answer queued for the message box " +
                          Quoted(desktop_.unanswered) + ", found none");
    if (!failure.isEmpty()) throw StepFailure(failure);
}

// The program is handed the loopback server's address instead of its web site, so
// that scenarios can play the site; a scenario speaks of the real site's pages.
QString ScenarioRun::asSiteAddress(const QString& url) const {
    const QString loopback = server_.baseUrl();
    if (!url.startsWith(loopback)) return url;
    return QString::fromLatin1(kSiteBase) + url.mid(loopback.size());
}

WindowModel& ScenarioRun::model(WindowId window) {
    switch (window) {
    case WindowId::About: return *program_.about;
    case WindowId::Update: return program_.update->model;
    case WindowId::Main: break;
    }
    return program_.main;
}

WindowId ScenarioRun::windowNamed(const QString& name) const {
    if (name == "About") return WindowId::About;
    if (name == "Update") return WindowId::Update;
    return WindowId::Main;
}

ControlRef ScenarioRun::control(const QString& name) {
    WindowId window = WindowId::Main;
    QString bare = name;
    const qsizetype dot = name.indexOf('.');
    if (dot >= 0) {
        const QString prefix = name.left(dot);
        if (prefix != "About" && prefix != "Update")
            throw StepFailure("expected a control of the About or Update window, found " + name);
        window = windowNamed(prefix);
        bare = name.mid(dot + 1);
    }
    WindowModel& m = model(window);
    const std::optional<int> id = m.find(bare);
    if (!id) throw StepFailure("expected a control named " + bare + " in the " + m.windowName() +
                               " window, found none");
    return {window, &m, *id, name};
}

// A control the user can reach: its window open, the control visible and enabled.
ControlRef ScenarioRun::usableControl(const QString& name, const char* action) {
    const ControlRef ref = control(name);
    if (!ref.model->open())
        throw StepFailure("expected the " + ref.model->windowName() + " window open to " + action +
                          " " + name + ", found it closed");
    if (!ref.control().visible)
        throw StepFailure("expected " + name + " visible to " + action + " it, found it hidden");
    if (!ref.control().enabled)
        throw StepFailure("expected " + name + " enabled to " + action + " it, found it disabled");
    return ref;
}

}  // namespace tw
