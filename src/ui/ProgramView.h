#pragma once
#include <QCoreApplication>
#include <QObject>
#include <QKeyEvent>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/Desktop.h"
#include "ui/FormBinder.h"
#include "ui/ModelTimer.h"

namespace tw {
class Program;
class QtDesktop;
class LogWindow;
class FieldNames;

// The program's three windows, bound to its models, and the one place where events
// enter the program: every event runs to its end, the models are then copied into
// the widgets, and the end of the program quits the application.
class ProgramView : public QObject {
public:
    // The Qt desktop, when given, learns the windows it keeps on top.
    explicit ProgramView(Program& p, QtDesktop* desktop = nullptr);
    ~ProgramView() override;

    // Runs the program's start-up; false when the program ended during it.
    bool start(const QString& arguments);
    // Copies every changed model into its window and lets the timers follow.
    void refresh();
    bool ended() const { return ending_; }

    QWidget* window(WindowId id) const;
    // The program's window for a log, made on first use and raised after that.
    LogWindow* showLogWindow(LogKind kind, const QString& relPath);
    const FormBinder& binder(WindowId id) const;

    // Leaves the application with an exit code once the program has ended; leaving
    // also closes every running event loop, a message box's included.
    std::function<void(int exitCode)> quit = [](int exitCode) {
        QCoreApplication::exit(exitCode);
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deliver(const std::function<void()>& event);
    void endProgram(int exitCode);
    void scheduleRefresh();
    void windowActivated(WindowId id);
    // Enter runs the default button, Calculate, unless a button has the focus.
    bool pressEnter(const QKeyEvent* key);
    // A window about to appear opens over the middle of the main window.
    void placeOverMain(QWidget* window, const WindowModel& model);

    Program& p_;
    QtDesktop* desktop_;
    std::unique_ptr<QWidget> main_, about_, update_;
    std::unique_ptr<FormBinder> mainBinder_, aboutBinder_, updateBinder_;
    std::map<LogKind, std::unique_ptr<LogWindow>> logWindows_;
    std::vector<std::unique_ptr<FieldNames>> names_;
    ModelTimer mainTimer_, updateTimer_;
    bool ending_ = false;
    bool refreshQueued_ = false;
    bool anyActivated_ = false;
    WindowId lastActive_ = WindowId::Main;
};

}  // namespace tw
