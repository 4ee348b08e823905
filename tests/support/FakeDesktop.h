#pragma once
#include <QMap>
#include <QStringList>
#include <deque>
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
    Answer answer = Answer::Ok;
};

// Thrown when the program asks a question that the script did not answer.
class UnansweredQuestion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A scripted desktop: a fixed clock that moves only when told, queued answers, and
// a record of every message, page, viewer and topmost change.
class FakeDesktop : public Desktop {
public:
    FakeDesktop();

    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    bool openUrl(const QString& url) override;
    bool openFile(const QString& relPath) override;
    bool startViewer(const QString& relPath) override;
    void showLogWindow(LogKind kind, const QString& relPath) override;
    void setTopmost(WindowId window, bool on) override;
    QDateTime now() override { return clock; }
    qint64 ticks() override { return tickCount; }
    // As the real desktop: the bare C locale stands for British English.
    QLocale locale() override;

    void advance(qint64 ms) {
        clock = clock.addMSecs(ms);
        tickCount += ms;
    }

    QDateTime clock;
    qint64 tickCount = 0;
    QLocale userLocale;
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
};

}  // namespace tw
