#include "FakeDesktop.h"

namespace tw {

Answer FakeDesktop::message(const QString& title, const QString& text, Icon icon, Buttons buttons) {
    messages.push_back({title, text, icon, buttons, std::nullopt});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers.empty()) {
        if (unanswered.isEmpty()) unanswered = title;
        throw UnansweredQuestion("no answer queued for \"" + title.toStdString() + "\"");
    }
    messages.back().answer = answers.front();
    answers.pop_front();
    return *messages.back().answer;
}

}  // namespace tw
