#pragma once
#include <QStringList>
#include <stdexcept>

#include "FakeDesktop.h"
#include "FolderWatch.h"
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
    QStringList block;      // the block lines that belong to the command
    bool hasBlock = false;  // at least one block line was given
};

struct Script {
    QList<Step> steps;
    int lastLine = 0;  // where end-of-file failures point
};

// A line that does not follow the scenario language, or a step that did not hold
// (worded "expected ..., found ..."); line 0 means the step being played.
struct Failure : std::runtime_error {
    Failure(const QString& text, int line = 0) : std::runtime_error(text.toStdString()), text(text), line(line) {}
    QString text;
    int line;
};

Script ParseScenario(const QString& source);

// The scripted desktop of a scenario; when tracing it prints every message box,
// page and viewer as the program asks for it.
class ScenarioDesktop : public FakeDesktop {
public:
    bool trace = false;
    QString loopback;  // the update server's address, handed to the program as its site
    // The page a scenario speaks of: the real site's, for one on the loopback server.
    QString siteAddress(const QString& url) const;
    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    bool openUrl(const QString& url) override;
    bool openFile(const QString& relPath) override;
    bool startViewer(const QString& relPath) override;
};

// When a timer last fired, for the start (generation) it fired in.
struct FiredTimer {
    quint64 generation = 0;
    qint64 at = 0;
};

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

    void perform(const Step& s);
    void checkEnd();
    bool ended() const { return ended_ || program.ended(); }
    // Runs one event of the program; the end of the program is noted, a question
    // without an answer or any other failure fails the step.
    void event(const std::function<void()>& body);
    WindowModel& model(WindowId window);
    ControlRef control(const QString& name);
    ControlRef usable(const QString& name, const char* action);

    // Each handles a group of commands (ScenarioWorld, ScenarioActions, ScenarioExpectations).
    void prepare(const Step& s);
    void act(const Step& s);
    void wait(const Step& s);
    void expectControl(const Step& s);
    void expectWindow(const Step& s);
    void expectRecord(const Step& s);
    void expectFile(const Step& s);

    bool trace;
    UpdateServer server;
    WorkFolder folder;
    ScenarioDesktop desktop;
    Program program;
    FolderWatch watch;
    bool started = false;
    bool ended_ = false;
    FiredTimer mainFired, updateFired;
    std::size_t matchedMessages = 0;
    qsizetype matchedOpened = 0, matchedViewers = 0;
};

// Which commands a step may be and the handler that plays it.
struct Command {
    enum { Text = 1, Block = 2, BeforeStart = 4, AfterEnd = 8 };
    const char* name;
    const char* args;  // the kinds of the fixed arguments, separated by blanks
    int flags;
    void (ScenarioRun::*handler)(const Step&);
};
const Command* FindCommand(const QString& name);

WindowId WindowNamed(const QString& name);
QString KindName(Kind kind);
QString AnswerName(Answer answer);
// Text for one-line reports: quoted, with line ends and tabs made visible.
QString Quoted(const QString& text);
// A text as lines: split at CR LF or LF; a final line break adds none when `dropLast`.
QStringList SplitLines(const QString& text, bool dropLast = true);
// The first difference between expected and found lines, worded for a report, or
// an empty text when they are equal. `what` names the lines ("Log/Tankwise.log").
QString FirstDifference(const QStringList& expected, const QStringList& found, const QString& what);
void Print(const QString& line);

}  // namespace tw
