#include "FakeDesktop.h"

namespace tw {

FakeDesktop::FakeDesktop()
    : clock(QDate(2020, 6, 1), QTime(12, 0, 0)),
      userLocale(QLocale::English, QLocale::UnitedKingdom) {}

Answer FakeDesktop::message(const QString& title, const QString& text, Icon icon,
                            Buttons buttons) {
    ShownMessage shown{title, text, icon, buttons, Answer::Ok};
    if (buttons != Buttons::Ok) {
        if (answers.empty()) {
            messages.push_back(shown);
            if (unanswered.isEmpty()) unanswered = title;
            throw UnansweredQuestion("no answer queued for \"" + title.toStdString() + "\"");
        }
        shown.answer = answers.front();
        answers.pop_front();
    }
    messages.push_back(shown);
    return shown.answer;
}

QLocale FakeDesktop::locale() {
    if (userLocale.language() == QLocale::C) return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return userLocale;
}

bool FakeDesktop::openUrl(const QString& url) {
    opened << url;
    return !openFails;
}

bool FakeDesktop::openFile(const QString& relPath) {
    opened << relPath;
    return !openFails;
}

bool FakeDesktop::startViewer(const QString& relPath) {
    // A viewer that cannot be started is no started viewer.
    if (viewerFails) return false;
    viewers << relPath;
    return true;
}

// The program's own log window counts as a started viewer of the log.
void FakeDesktop::showLogWindow(LogKind, const QString& relPath) { viewers << relPath; }

void FakeDesktop::setTopmost(WindowId window, bool on) { topmost[window] = on; }

}  // namespace tw
