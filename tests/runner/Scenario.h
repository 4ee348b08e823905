#pragma once
#include <QMap>
#include <QStringList>
#include <stdexcept>
#include <vector>

#include "FakeDesktop.h"
#include "UpdateServer.h"
#include "WorkFolder.h"
#include "app/Program.h"

namespace tw {

// One command of a scenario file with its arguments already checked for form.
struct Step {
    int line = 0;           // 1-based line of the command in the file
    QString command;        // "click", "expect text", "server reply" ...
    QStringList args;       // the fixed arguments in order ("expect file" keeps "tail" N)
    QString text;           // TEXT at the end of the line, exactly as written
    QStringList block;      // the block lines that belong to the command (a lone "|" is one)
};

struct Script {
    QList<Step> steps;
    int lastLine = 0;  // where end-of-file failures point
};

// A line that does not follow the scenario language, or a step that did not hold
// (worded "expected ..., found ..."); line 0 stands for the step being played.
struct Failure : std::runtime_error {
    Failure(const QString& text, int line = 0) : std::runtime_error(text.toStdString()), text(text), line(line) {}
    QString text;
    int line;
};

// Throws the failure unless the expectation holds.
inline void Check(bool holds, const QString& failure) {
    if (!holds) throw Failure(failure);
}

Script ParseScenario(const QString& source);

// A control of one of the three windows, found by its scenario name.
struct ControlRef {
    WindowId window;
    WindowModel* model;
    int id;
    QString name;
    const Control& control() const { return model->at(id); }
};

// One scenario file played against the core in a fresh working folder: the folder,
// the desktop, the update site and the program live exactly as long as this object.
struct ScenarioRun {
    explicit ScenarioRun(bool trace);
    // Throws Failure at the first step that does not hold.
    void run(const Script& script);
    bool ended() const { return endedByEvent || program.ended(); }
    // Runs one event of the program; the end of the program is noted, a question
    // without an answer or any other failure fails the step.
    void event(const std::function<void()>& body);
    WindowModel& model(WindowId window);
    ControlRef control(const QString& name);
    // A control the user can reach: its window open, the control visible and enabled.
    ControlRef usable(const QString& name, const char* action);

    bool trace;
    UpdateServer server;
    WorkFolder folder;
    FakeDesktop desktop;
    Program program;
    QMap<QString, QByteArray> seenFiles;  // the folder as a trace last showed it
    std::size_t tracedMessages = 0;
    qsizetype tracedOpened = 0, tracedViewers = 0;
    bool started = false;
    bool endedByEvent = false;
    // When each window's timer last fired: the start (generation) it fired in, and when.
    std::pair<quint64, qint64> mainFired, updateFired;
    std::size_t matchedMessages = 0;
    qsizetype matchedOpened = 0, matchedViewers = 0;
};

// A command of the language: the kinds of its fixed arguments, whether TEXT ends the
// line or block lines follow, when it may be played, and how.
struct Command {
    enum { Text = 1, Block = 2, BeforeStart = 4, AfterEnd = 8, Always = BeforeStart | AfterEnd };
    const char* name;
    const char* args;  // kinds separated by blanks: "NAME INDEX"
    int flags;
    void (*play)(ScenarioRun& r, const Step& s);
};
// Preparing the world (ScenarioWorld), acting as the user (ScenarioActions) and expecting.
extern const std::vector<Command> kWorldCommands, kUserCommands, kExpectCommands;
const Command* FindCommand(const QString& name);

WindowId WindowNamed(const QString& name);
QString KindName(Kind kind);
// Text for one-line reports: quoted, with line ends and tabs made visible.
QString Quoted(const QString& text);
// A text as lines: split at CR LF or LF; with `dropLast` a final line break adds none.
QStringList SplitLines(const QString& text, bool dropLast = true);
// The first difference between expected and found lines, worded for a report, or
// an empty text when they are equal. `what` names the lines ("Log/Tankwise.log").
QString FirstDifference(const QStringList& expected, const QStringList& found, const QString& what);
void Print(const QString& line);
// The page a scenario speaks of: the real site's, for one on the loopback server.
QString SiteAddress(const QString& url, const UpdateServer& server);

}  // namespace tw
