#pragma once
#include <QMap>
#include <QStringList>
#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/Desktop.h"

namespace tw {

// A message box as the program showed it.
struct ShownMessage {
    QString title;
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    std::optional<Answer> answer;  // the queued answer it took, when it asked a question
};

// Thrown when the program asks a question that the script did not answer.
struct UnansweredQuestion : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A scripted desktop: a fixed clock that moves only when told, queued answers, and
// a record of every message, page, viewer and topmost change.
class FakeDesktop : public Desktop {
public:
    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    bool openUrl(const QString& url) override { return open(url); }
    bool openFile(const QString& relPath) override { return open(relPath); }
    // A viewer that cannot be started is no started viewer.
    bool startViewer(const QString& relPath) override {
        if (!viewerFails) viewers << relPath;
        return !viewerFails;
    }
    // The program's own log window counts as a started viewer of the log.
    void showLogWindow(LogKind, const QString& relPath) override { viewers << relPath; }
    void setTopmost(WindowId window, bool on) override { topmost[window] = on; }
    QDateTime now() override { return clock; }
    qint64 ticks() override { return tickCount; }
    // As the real desktop: the bare C locale stands for British English.
    QLocale locale() override { return userLocale.language() == QLocale::C ? QLocale("en_GB") : userLocale; }
    void advance(qint64 ms) { tickCount += ms; clock = clock.addMSecs(ms); }

    QDateTime clock{QDate(2020, 6, 1), QTime(12, 0, 0)};
    qint64 tickCount = 0;
    QLocale userLocale{"en_GB"};
    std::deque<Answer> answers;
    std::vector<ShownMessage> messages;
    QStringList opened;   // URLs as asked for, files relative to the working folder
    QStringList viewers;  // log files shown in a log window or handed to a viewer
    QMap<WindowId, bool> topmost;
    bool openFails = false;
    bool viewerFails = false;
    // Title of a question that found no queued answer. Kept because an error trap in
    // the program may catch UnansweredQuestion and turn it into a fatal dump.
    QString unanswered;

private:
    bool open(const QString& what) {
        opened << what;
        return !openFails;
    }
};

}  // namespace tw
