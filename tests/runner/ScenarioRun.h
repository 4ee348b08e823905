#pragma once
#include <QString>
#include <functional>
#include <stdexcept>

#include "FakeDesktop.h"
#include "FolderWatch.h"
#include "ScenarioScript.h"
#include "UpdateServer.h"
#include "WorkFolder.h"
#include "app/Program.h"

namespace tw {

// A step that did not hold, worded "expected ..., found ...".
class StepFailure : public std::runtime_error {
public:
    explicit StepFailure(const QString& text) : std::runtime_error(text.toStdString()), text(text) {}
    QString text;
};

struct Outcome {
    bool passed = true;
    int line = 0;
    QString message;
};

// The scripted desktop of a scenario; when tracing it prints every message box,
// page and viewer as the program asks for it.
class ScenarioDesktop : public FakeDesktop {
public:
    bool trace = false;
    std::function<QString(const QString&)> shownAs;  // how a trace shows a URL
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
class ScenarioRun {
public:
    explicit ScenarioRun(bool trace);
    Outcome run(const ScenarioScript& script);

private:
    using Handler = void (ScenarioRun::*)(const ScenarioStep&);
    struct Command {
        const char* name;
        Handler handler;
        bool afterEnd;  // allowed once the program has ended
        bool beforeStart;
    };
    static const Command* findCommand(const QString& name);

    void checkNames(const ScenarioScript& script);
    void perform(const ScenarioStep& step);
    void checkEnd();
    bool ended() const { return ended_ || program_.ended(); }
    // Runs one event of the program; the end of the program is noted, a question
    // without an answer or any other failure fails the step.
    void event(const std::function<void()>& body);

    WindowModel& model(WindowId window);
    ControlRef control(const QString& name);
    ControlRef usableControl(const QString& name, const char* action);
    WindowId windowNamed(const QString& name) const;
    // A page on the loopback site as the program would ask for it on its real site.
    QString asSiteAddress(const QString& url) const;

    // Preparing the folder and the world (ScenarioWorld.cpp).
    void write(const ScenarioStep& s);
    void config(const ScenarioStep& s);
    void append(const ScenarioStep& s);
    void remove(const ScenarioStep& s);
    void folder(const ScenarioStep& s);
    void deny(const ScenarioStep& s);
    void denyRead(const ScenarioStep& s);
    void allow(const ScenarioStep& s);
    void locale(const ScenarioStep& s);
    void clock(const ScenarioStep& s);
    void serverReply(const ScenarioStep& s);
    void serverError(const ScenarioStep& s);
    void serverSilent(const ScenarioStep& s);
    void serverDown(const ScenarioStep& s);
    void desktopFails(const ScenarioStep& s);

    // Acting as the user (ScenarioActions.cpp).
    void start(const ScenarioStep& s);
    void type(const ScenarioStep& s);
    void click(const ScenarioStep& s);
    void select(const ScenarioStep& s);
    void activate(const ScenarioStep& s);
    void close(const ScenarioStep& s);
    void wait(const ScenarioStep& s);
    void answer(const ScenarioStep& s);

    // Expecting (ScenarioExpectations.cpp and ScenarioFileExpectations.cpp).
    void expectText(const ScenarioStep& s);
    void expectCaption(const ScenarioStep& s);
    void expectTooltip(const ScenarioStep& s);
    void expectChecked(const ScenarioStep& s);
    void expectSelected(const ScenarioStep& s);
    void expectEnabled(const ScenarioStep& s);
    void expectFocus(const ScenarioStep& s);
    void expectOpen(const ScenarioStep& s);
    void expectShown(const ScenarioStep& s);
    void expectTopmost(const ScenarioStep& s);
    void expectMessage(const ScenarioStep& s);
    void expectNoMessage(const ScenarioStep& s);
    void expectOpened(const ScenarioStep& s);
    void expectViewer(const ScenarioStep& s);
    void expectEnded(const ScenarioStep& s);
    void expectFile(const ScenarioStep& s);
    void expectLines(const ScenarioStep& s);
    void expectLine(const ScenarioStep& s);
    void expectExists(const ScenarioStep& s);
    void expectMissing(const ScenarioStep& s);

    bool trace_;
    UpdateServer server_;
    WorkFolder folder_;
    ScenarioDesktop desktop_;
    Program program_;
    FolderWatch watch_;
    bool started_ = false;
    bool ended_ = false;
    FiredTimer mainFired_;
    FiredTimer updateFired_;
    std::size_t matchedMessages_ = 0;
    qsizetype matchedOpened_ = 0;
    qsizetype matchedViewers_ = 0;
};

// "text box", "check box" ... for reports.
QString KindName(Kind kind);
// Text for one-line reports: quoted, with line ends and tabs made visible.
QString Quoted(const QString& text);
// A message box text as lines: split at CR LF or LF, a final line break adds none.
QStringList MessageLines(const QString& text);
// The first difference between expected and found lines, worded for a report, or
// an empty text when they are equal. `what` names the lines ("Log/Tankwise.log").
QString FirstDifference(const QStringList& expected, const QStringList& found, const QString& what);

}  // namespace tw
