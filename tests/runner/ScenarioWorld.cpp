// Preparing the working folder and the world around the program.
#include <algorithm>

#include "ScenarioRun.h"

namespace tw {

void ScenarioRun::write(const ScenarioStep& s) {
    if (!folder_.write(s.args.at(0), s.block))
        throw StepFailure("expected to write " + s.args.at(0) + ", found it cannot be written (is its folder there?)");
}

// The default configuration file, changed setting by setting: KEY=VALUE replaces a
// key's value (or adds the line), -KEY drops its line, +TEXT adds a line at the end.
void ScenarioRun::config(const ScenarioStep& s) {
    QStringList lines = WorkFolder::defaultLines("Data/Tankwise.ini");
    for (const QString& setting : s.text.split(' ', Qt::SkipEmptyParts)) {
        if (setting.startsWith('+')) {
            lines << setting.mid(1);
            continue;
        }
        const bool drop = setting.startsWith('-');
        const QString key = (drop ? setting.mid(1) : setting.section('=', 0, 0)) + "=";
        if (key.size() < 2 || (!drop && !setting.contains('=')))
            throw StepFailure("expected KEY=VALUE, -KEY or +TEXT, found " + Quoted(setting));
        const auto at = std::find_if(lines.begin(), lines.end(),
                                     [&](const QString& line) { return line.startsWith(key); });
        if (drop && at != lines.end())
            lines.erase(at);
        else if (!drop && at != lines.end())
            *at = setting;
        else if (!drop)
            lines << setting;
    }
    if (!folder_.write("Data/Tankwise.ini", lines))
        throw StepFailure("expected to write Data/Tankwise.ini, found it cannot be written (is Data/ there?)");
}

void ScenarioRun::append(const ScenarioStep& s) {
    const QString& path = s.args.at(0);
    if (!folder_.exists(path))
        throw StepFailure("expected " + path + " to exist to append to it, found no such file");
    if (!folder_.append(path, s.block))
        throw StepFailure("expected to append to " + path + ", found it cannot be written");
}

void ScenarioRun::remove(const ScenarioStep& s) {
    if (!folder_.remove(s.args.at(0)))
        throw StepFailure("expected " + s.args.at(0) + " to remove, found no such file or folder");
}

void ScenarioRun::folder(const ScenarioStep& s) {
    if (!folder_.makeFolder(s.args.at(0)))
        throw StepFailure("expected to create the folder " + s.args.at(0) + ", found it cannot be created");
}

void ScenarioRun::deny(const ScenarioStep& s) { folder_.deny(s.args.at(0)); }
void ScenarioRun::denyRead(const ScenarioStep& s) { folder_.denyRead(s.args.at(0)); }
void ScenarioRun::allow(const ScenarioStep& s) { folder_.allow(s.args.at(0)); }

void ScenarioRun::locale(const ScenarioStep& s) {
    const QString& name = s.args.at(0);
    const QLocale chosen(name);
    // QLocale quietly falls back to C for a name it does not know.
    if (name != "C" && chosen.language() == QLocale::C)
        throw StepFailure("expected a locale name such as en_GB, found " + name);
    desktop_.userLocale = chosen;
}

void ScenarioRun::clock(const ScenarioStep& s) {
    desktop_.clock = QDateTime(QDate::fromString(s.args.at(0), "yyyy-MM-dd"),
                               QTime::fromString(s.args.at(1), "hh:mm:ss"));
}

void ScenarioRun::serverReply(const ScenarioStep& s) {
    QByteArray body;
    for (const QString& line : s.block) body += Files::encode(line) + "\r\n";
    server_.reply(body);
}

void ScenarioRun::serverError(const ScenarioStep& s) { server_.error(s.args.at(0).toInt()); }
void ScenarioRun::serverSilent(const ScenarioStep&) { server_.silent(); }
void ScenarioRun::serverDown(const ScenarioStep&) { server_.down(); }

void ScenarioRun::desktopFails(const ScenarioStep& s) {
    if (s.args.at(0) == "open")
        desktop_.openFails = true;
    else
        desktop_.viewerFails = true;
}

}  // namespace tw
