#include <QRegularExpression>
#include <cstdio>

#include "Scenario.h"
#include "app/AboutWindow.h"
#include "app/UpdateWindow.h"
#include "platform/ProgramEnded.h"
#include "platform/Version.h"

namespace tw {

namespace {

// Every command of the language: the kinds of its arguments, whether TEXT ends the
// line or block lines follow, when it may be played, and its handler.
using R = ScenarioRun;
constexpr int kText = Command::Text, kBlock = Command::Block, kBefore = Command::BeforeStart,
              kAlways = Command::BeforeStart | Command::AfterEnd;
const Command kCommands[] = {
    {"write", "PATH", kBlock | kAlways, &R::prepare},
    {"config", "", kText | kAlways, &R::prepare},  // TEXT: the settings, separated by single blanks
    {"append", "PATH", kBlock | kAlways, &R::prepare},
    {"remove", "PATH", kAlways, &R::prepare},
    {"folder", "PATH", kAlways, &R::prepare},
    {"deny", "PATH", kAlways, &R::prepare},
    {"deny-read", "PATH", kAlways, &R::prepare},
    {"allow", "PATH", kAlways, &R::prepare},
    {"locale", "LOCALE", kAlways, &R::prepare},
    {"clock", "DATE TIME", kAlways, &R::prepare},
    {"server reply", "", kBlock | kAlways, &R::prepare},
    {"server error", "CODE", kAlways, &R::prepare},
    {"server silent", "", kAlways, &R::prepare},
    {"server down", "", kAlways, &R::prepare},
    {"desktop-fails", "SERVICE", kAlways, &R::prepare},
    {"start", "", kText | kBefore, &R::act},
    {"type", "NAME", kText, &R::act},
    {"click", "NAME", 0, &R::act},
    {"select", "NAME INDEX", 0, &R::act},
    {"activate", "", 0, &R::act},
    {"close", "WINDOW", 0, &R::act},
    {"wait", "MS", kBefore, &R::wait},
    {"answer", "BUTTON", kBefore, &R::act},
    {"expect text", "NAME", kText | kBlock | kBefore, &R::expectControl},
    {"expect tooltip", "NAME", kText | kBefore, &R::expectControl},
    {"expect checked", "NAME STATE", kBefore, &R::expectControl},
    {"expect selected", "NAME INDEX", kBefore, &R::expectControl},
    {"expect enabled", "NAME STATE", kBefore, &R::expectControl},
    {"expect focus", "NAME", kBefore, &R::expectControl},
    {"expect caption", "WINDOW", kText | kBefore, &R::expectWindow},
    // Every window is closed once the program has ended, which can be checked, and
    // what the program showed on its way out stays on record.
    {"expect open", "WINDOW STATE", kAlways, &R::expectWindow},
    {"expect shown", "WINDOW STATE", kAlways, &R::expectWindow},
    {"expect topmost", "WINDOW STATE", kAlways, &R::expectWindow},
    {"expect ended", "STATE", kAlways, &R::expectWindow},
    {"expect message", "", kText | kBlock | kAlways, &R::expectRecord},
    {"expect no-message", "", kAlways, &R::expectRecord},
    {"expect opened", "", kText | kAlways, &R::expectRecord},
    {"expect viewer", "", kText | kAlways, &R::expectRecord},
    {"expect file", "PATH", kBlock | kAlways, &R::expectFile},  // optionally followed by "tail N"
    {"expect lines", "PATH COUNT", kAlways, &R::expectFile},
    {"expect line", "PATH LINE", kText | kAlways, &R::expectFile},
    {"expect exists", "PATH", kAlways, &R::expectFile},
    {"expect missing", "PATH", kAlways, &R::expectFile},
};

QString ButtonsName(Buttons buttons) {
    const char* names[] = {"OK", "OK/Cancel", "Yes/No", "Yes/No/Cancel"};
    return names[int(buttons)];
}

}  // namespace

const Command* FindCommand(const QString& name) {
    for (const Command& command : kCommands)
        if (name == QLatin1String(command.name)) return &command;
    return nullptr;
}

void Print(const QString& line) {
    std::fputs((line + "\n").toUtf8().constData(), stdout);
    std::fflush(stdout);
}

QString AnswerName(Answer answer) {
    const char* names[] = {"OK", "Cancel", "Yes", "No"};
    return names[int(answer)];
}

QString KindName(Kind kind) {
    const char* names[] = {"text box", "label", "button", "check box", "combo box", "group", "picture"};
    return names[int(kind)];
}

WindowId WindowNamed(const QString& name) {
    return name == "About" ? WindowId::About : name == "Update" ? WindowId::Update : WindowId::Main;
}

QString Quoted(const QString& text) {
    QString shown = text;
    return "\"" + shown.replace("\r", "\\r").replace("\n", "\\n").replace("\t", "\\t") + "\"";
}

QStringList SplitLines(const QString& text, bool dropLast) {
    if (dropLast && text.isEmpty()) return {};
    QStringList lines = text.split(QRegularExpression("\r\n|\n"));
    if (dropLast && text.endsWith('\n')) lines.removeLast();
    return lines;
}

QString FirstDifference(const QStringList& expected, const QStringList& found, const QString& what) {
    const qsizetype common = std::min(expected.size(), found.size());
    const auto line = [&](qsizetype i) {
        return "expected line " + QString::number(i + 1) + " of " + what + " to be " + Quoted(expected.at(i));
    };
    for (qsizetype i = 0; i < common; ++i)
        if (expected.at(i) != found.at(i)) return line(i) + ", found " + Quoted(found.at(i));
    if (expected.size() > found.size())
        return line(common) + ", found only " + QString::number(common) + " line(s)";
    if (found.size() > expected.size())
        return "expected " + QString::number(common) + " line(s) in " + what + ", found line " +
               QString::number(common + 1) + " " + Quoted(found.at(common));
    return {};
}

Answer ScenarioDesktop::message(const QString& title, const QString& text, Icon icon, Buttons buttons) {
    if (trace) {
        Print("  message box (" + ButtonsName(buttons) + "):");
        Print("  expect message " + title);
        for (const QString& line : SplitLines(text)) Print(line.isEmpty() ? "  |" : "  | " + line);
    }
    const Answer answer = FakeDesktop::message(title, text, icon, buttons);
    if (trace && buttons != Buttons::Ok) Print("  answered " + AnswerName(answer));
    return answer;
}

QString ScenarioDesktop::siteAddress(const QString& url) const {
    return url.startsWith(loopback) ? kSiteBase + url.mid(loopback.size()) : url;
}

bool ScenarioDesktop::openUrl(const QString& url) {
    if (trace) Print("  expect opened " + siteAddress(url) + (openFails ? "  (fails)" : ""));
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
    : trace(trace), program(desktop, folder.files(), server.baseUrl()), watch(folder.path()) {
    desktop.trace = trace;
    desktop.loopback = server.baseUrl();
}

void ScenarioRun::run(const Script& script) {
    int line = 0;
    try {
        // A misspelt control name fails at once, whatever comes before it.
        for (const Step& step : script.steps) {
            line = step.line;
            if (FindCommand(step.command)->args[0] == 'N') control(step.args.at(0));
        }
        watch.take();
        for (const Step& step : script.steps) {
            line = step.line;
            QString shown = QString::number(line) + ": " + (QStringList{step.command} + step.args).join(' ');
            if (trace) Print(step.text.isEmpty() ? shown : shown + " " + step.text);
            perform(step);
            if (trace)
                for (const QString& change : watch.changes()) Print(change);
        }
        line = script.lastLine;
        checkEnd();
    } catch (const Failure& failure) {
        if (trace)
            for (const QString& change : watch.changes()) Print(change);
        throw Failure(failure.text, line);
    }
}

void ScenarioRun::perform(const Step& s) {
    const Command* command = FindCommand(s.command);
    if (ended() && !(command->flags & Command::AfterEnd))
        throw Failure("expected the program running for " + s.command + ", found it ended");
    if (!started && !(command->flags & Command::BeforeStart))
        throw Failure("expected the program running for " + s.command + ", found it not started");
    (this->*command->handler)(s);
}

void ScenarioRun::checkEnd() {
    if (matchedMessages < desktop.messages.size()) {
        const ShownMessage& m = desktop.messages.at(matchedMessages);
        throw Failure("expected every message box matched, found " + Quoted(m.title) + " unmatched: " + Quoted(m.text));
    }
    if (matchedOpened < desktop.opened.size())
        throw Failure("expected every opened page matched, found " + Quoted(desktop.opened.at(matchedOpened)) + " unmatched");
    if (matchedViewers < desktop.viewers.size())
        throw Failure("expected every started viewer matched, found " + Quoted(desktop.viewers.at(matchedViewers)) + " unmatched");
    if (!desktop.answers.empty())
        throw Failure("expected every queued answer used, found " + AnswerName(desktop.answers.front()) + " unused");
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
        failure = "expected the program to handle the step, found it failing with " + Quoted(QString::fromLocal8Bit(e.what()));
    }
    if (!desktop.unanswered.isEmpty())
        throw Failure("expected an answer queued for the message box " + Quoted(desktop.unanswered) + ", found none");
    if (!failure.isEmpty()) throw Failure(failure);
}

WindowModel& ScenarioRun::model(WindowId window) {
    if (window == WindowId::About) return *program.about;
    if (window == WindowId::Update) return program.update->model;
    return program.main;
}

ControlRef ScenarioRun::control(const QString& name) {
    const qsizetype dot = name.indexOf('.');
    const QString prefix = name.left(dot);  // the whole name when there is no dot
    if (dot >= 0 && prefix != "About" && prefix != "Update")
        throw Failure("expected a control of the About or Update window, found " + name);
    const WindowId window = dot >= 0 ? WindowNamed(prefix) : WindowId::Main;
    const QString bare = name.mid(dot + 1);
    WindowModel& m = model(window);
    const std::optional<int> id = m.find(bare);
    if (!id) throw Failure("expected a control named " + bare + " in the " + m.windowName() + " window, found none");
    return {window, &m, *id, name};
}

// A control the user can reach: its window open, the control visible and enabled.
ControlRef ScenarioRun::usable(const QString& name, const char* action) {
    const ControlRef ref = control(name);
    if (!ref.model->open())
        throw Failure("expected the " + ref.model->windowName() + " window open to " + action + " " + name + ", found it closed");
    if (!ref.control().visible)
        throw Failure("expected " + name + " visible to " + action + " it, found it hidden");
    if (!ref.control().enabled)
        throw Failure("expected " + name + " enabled to " + action + " it, found it disabled");
    return ref;
}

}  // namespace tw
