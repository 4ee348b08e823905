#include <QDirIterator>
#include <QRegularExpression>
#include <cstdio>

#include "Scenario.h"
#include "app/AboutWindow.h"
#include "app/UpdateWindow.h"
#include "platform/ProgramEnded.h"
#include "platform/Version.h"

namespace tw {

namespace {

QString AnswerName(Answer answer) { return QStringList{"OK", "Cancel", "Yes", "No"}.at(int(answer)); }

// Block lines as a scenario would write them, so that a trace can be pasted back.
void PrintBlock(const QString& text) {
    for (const QString& line : text.split("\r\n")) Print(line.isEmpty() ? "  |" : "  | " + line);
}

// Prints what the program wrote since the last look: new files, appended lines,
// rewrites and deletions; then remembers the folder as it is now.
void PrintFolderChanges(const QString& root, QMap<QString, QByteArray>& seen, bool print) {
    QMap<QString, QByteArray> now;
    for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly)) now.insert(file.fileName().mid(root.size() + 1), file.readAll());
    }
    for (auto it = now.cbegin(); print && it != now.cend(); ++it) {
        const QByteArray before = seen.value(it.key());
        const bool known = seen.contains(it.key()), appended = known && it.value().startsWith(before);
        if (known && before == it.value()) continue;
        Print("  file " + it.key() + (!known ? " created:" : appended ? " appended:" : " rewritten:"));
        const QString added = Files::decode(appended ? it.value().mid(before.size()) : it.value());
        if (!added.isEmpty()) PrintBlock(added.endsWith("\r\n") ? added.chopped(2) : added);
    }
    for (auto it = seen.cbegin(); print && it != seen.cend(); ++it)
        if (!now.contains(it.key())) Print("  file " + it.key() + " removed");
    seen = now;
}

// Prints the message boxes, pages, viewers and file changes of the step just played.
void PrintTrace(ScenarioRun& r) {
    for (; r.tracedMessages < r.desktop.messages.size(); ++r.tracedMessages) {
        const ShownMessage& m = r.desktop.messages[r.tracedMessages];
        Print("  message box (" + QStringList{"OK", "OK/Cancel", "Yes/No", "Yes/No/Cancel"}.at(int(m.buttons)) + "):");
        Print("  expect message " + m.title);
        if (!m.text.isEmpty()) PrintBlock(SplitLines(m.text).join("\r\n"));
        if (m.answer) Print("  answered " + AnswerName(*m.answer));
    }
    for (const QString fails = r.desktop.openFails ? "  (fails)" : ""; r.tracedOpened < r.desktop.opened.size();)
        Print("  expect opened " + SiteAddress(r.desktop.opened[r.tracedOpened++], r.server) + fails);
    for (const QString fails = r.desktop.viewerFails ? "  (fails)" : ""; r.tracedViewers < r.desktop.viewers.size();)
        Print("  expect viewer " + r.desktop.viewers[r.tracedViewers++] + fails);
    PrintFolderChanges(r.folder.path(), r.seenFiles, true);
}

// At the end of a file every record is matched and every queued answer used.
void CheckEverythingMatched(const ScenarioRun& r) {
    const FakeDesktop& d = r.desktop;
    if (r.matchedMessages < d.messages.size())
        throw Failure("expected every message box matched, found " + Quoted(d.messages[r.matchedMessages].title) +
                      " unmatched: " + Quoted(d.messages[r.matchedMessages].text));
    Check(r.matchedOpened >= d.opened.size(),
          "expected every opened page matched, found " + Quoted(d.opened.value(r.matchedOpened)) + " unmatched");
    Check(r.matchedViewers >= d.viewers.size(),
          "expected every started viewer matched, found " + Quoted(d.viewers.value(r.matchedViewers)) + " unmatched");
    Check(d.answers.empty(), "expected every queued answer used, found " +
                                 (d.answers.empty() ? "" : AnswerName(d.answers.front())) + " unused");
}

}  // namespace

const Command* FindCommand(const QString& name) {
    for (const auto* table : {&kWorldCommands, &kUserCommands, &kExpectCommands})
        for (const Command& command : *table)
            if (name == QLatin1String(command.name)) return &command;
    return nullptr;
}

void Print(const QString& line) {
    std::fputs((line + "\n").toUtf8().constData(), stdout);
    std::fflush(stdout);
}

QString KindName(Kind kind) {
    return QStringList{"text box", "label", "button", "check box", "combo box", "group", "picture"}.at(int(kind));
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
    if (expected.size() > found.size()) return line(common) + ", found only " + QString::number(common) + " line(s)";
    if (found.size() > expected.size())
        return "expected " + QString::number(common) + " line(s) in " + what + ", found line " +
               QString::number(common + 1) + " " + Quoted(found.at(common));
    return {};
}

QString SiteAddress(const QString& url, const UpdateServer& server) {
    return url.startsWith(server.baseUrl()) ? kSiteBase + url.mid(server.baseUrl().size()) : url;
}

ScenarioRun::ScenarioRun(bool trace) : trace(trace), program(desktop, folder.files(), server.baseUrl()) {}

void ScenarioRun::run(const Script& script) {
    int line = 0;
    try {
        // A misspelt control name fails at once, whatever comes before it.
        for (const Step& step : script.steps) {
            line = step.line;
            if (FindCommand(step.command)->args[0] == 'N') control(step.args.at(0));
        }
        if (trace) PrintFolderChanges(folder.path(), seenFiles, false);
        for (const Step& step : script.steps) {
            line = step.line;
            const QString shown = QString::number(line) + ": " + (QStringList{step.command} + step.args).join(' ');
            if (trace) Print(step.text.isEmpty() ? shown : shown + " " + step.text);
            const Command* command = FindCommand(step.command);
            Check(!ended() || (command->flags & Command::AfterEnd),
                  "expected the program running for " + step.command + ", found it ended");
            Check(started || (command->flags & Command::BeforeStart),
                  "expected the program running for " + step.command + ", found it not started");
            command->play(*this, step);
            if (trace) PrintTrace(*this);
        }
        line = script.lastLine;
        CheckEverythingMatched(*this);
    } catch (const Failure& failure) {
        if (trace) PrintTrace(*this);
        throw Failure(failure.text, line);
    }
}

void ScenarioRun::event(const std::function<void()>& body) {
    QString failure;
    try {
        body();
    } catch (const ProgramEnded&) {
        endedByEvent = true;
    } catch (const UnansweredQuestion&) {
        // Reported below from the desktop's record.
    } catch (const std::exception& e) {
        failure = "expected the program to handle the step, found it failing with " + Quoted(QString::fromLocal8Bit(e.what()));
    }
    Check(desktop.unanswered.isEmpty(),
          "expected an answer queued for the message box " + Quoted(desktop.unanswered) + ", found none");
    Check(failure.isEmpty(), failure);
}

WindowModel& ScenarioRun::model(WindowId window) {
    if (window == WindowId::About) return *program.about;
    if (window == WindowId::Update) return program.update->model;
    return program.main;
}

ControlRef ScenarioRun::control(const QString& name) {
    const qsizetype dot = name.indexOf('.');
    const QString prefix = name.left(dot);  // the whole name when there is no dot
    Check(dot < 0 || prefix == "About" || prefix == "Update",
          "expected a control of the About or Update window, found " + name);
    const WindowId window = dot >= 0 ? WindowNamed(prefix) : WindowId::Main;
    const QString bare = name.mid(dot + 1);
    WindowModel& m = model(window);
    const std::optional<int> id = m.find(bare);
    Check(id.has_value(), "expected a control named " + bare + " in the " + m.windowName() + " window, found none");
    return {window, &m, *id, name};
}

ControlRef ScenarioRun::usable(const QString& name, const char* action) {
    const ControlRef ref = control(name);
    Check(ref.model->open(), "expected the " + ref.model->windowName() + " window open to " + action + " " + name +
                                 ", found it closed");
    Check(ref.control().visible, "expected " + name + " visible to " + action + " it, found it hidden");
    Check(ref.control().enabled, "expected " + name + " enabled to " + action + " it, found it disabled");
    return ref;
}

}  // namespace tw
