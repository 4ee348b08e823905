// Preparing the working folder and the world around the program.
#include <algorithm>

#include "Scenario.h"

namespace tw {

namespace {

// The default configuration file, changed setting by setting: KEY=VALUE replaces a
// key's value (or adds the line), -KEY drops its line, +TEXT adds a line at the end.
QStringList ChangedConfig(const QString& settings) {
    QStringList lines = WorkFolder::defaultLines("Data/Tankwise.ini");
    for (const QString& setting : settings.split(' ', Qt::SkipEmptyParts)) {
        const bool add = setting.startsWith('+'), drop = setting.startsWith('-');
        const QString key = (drop ? setting.mid(1) : setting.section('=', 0, 0)) + "=";
        Check(add || (key.size() >= 2 && (drop || setting.contains('='))),
              "expected KEY=VALUE, -KEY or +TEXT, found " + Quoted(setting));
        const auto at = std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(key); });
        if (add || (!drop && at == lines.end()))
            lines << setting.mid(add ? 1 : 0);
        else if (at != lines.end() && drop)
            lines.erase(at);
        else if (at != lines.end())
            *at = setting;
    }
    return lines;
}

void Write(ScenarioRun& r, const QString& path, const QStringList& lines, const char* folder) {
    Check(r.folder.write(path, lines),
          "expected to write " + path + ", found it cannot be written (is " + folder + " there?)");
}

using R = ScenarioRun;
using S = const Step&;
constexpr int kAlways = Command::Always;

}  // namespace

const std::vector<Command> kWorldCommands = {
    {"write", "PATH", Command::Block | kAlways, [](R& r, S s) { Write(r, s.args[0], s.block, "its folder"); }},
    // TEXT: the settings, separated by single blanks
    {"config", "", Command::Text | kAlways, [](R& r, S s) { Write(r, "Data/Tankwise.ini", ChangedConfig(s.text), "Data/"); }},
    {"append", "PATH", Command::Block | kAlways, [](R& r, S s) {
        Check(r.folder.exists(s.args[0]), "expected " + s.args[0] + " to exist to append to it, found no such file");
        Check(r.folder.append(s.args[0], s.block), "expected to append to " + s.args[0] + ", found it cannot be written");
    }},
    {"remove", "PATH", kAlways, [](R& r, S s) {
        Check(r.folder.remove(s.args[0]), "expected " + s.args[0] + " to remove, found no such file or folder");
    }},
    {"folder", "PATH", kAlways, [](R& r, S s) {
        Check(r.folder.makeFolder(s.args[0]),
              "expected to create the folder " + s.args[0] + ", found it cannot be created");
    }},
    {"deny", "PATH", kAlways, [](R& r, S s) { r.folder.deny(s.args[0]); }},
    {"deny-read", "PATH", kAlways, [](R& r, S s) { r.folder.denyRead(s.args[0]); }},
    {"allow", "PATH", kAlways, [](R& r, S s) { r.folder.allow(s.args[0]); }},
    {"locale", "LOCALE", kAlways, [](R& r, S s) {
        // QLocale quietly falls back to C for a name it does not know.
        r.desktop.userLocale = QLocale(s.args[0]);
        Check(s.args[0] == "C" || r.desktop.userLocale.language() != QLocale::C,
              "expected a locale name such as en_GB, found " + s.args[0]);
    }},
    {"clock", "DATE TIME", kAlways, [](R& r, S s) {
        r.desktop.clock = QDateTime(QDate::fromString(s.args[0], "yyyy-MM-dd"), QTime::fromString(s.args[1], "hh:mm:ss"));
        Check(r.desktop.clock.isValid(), "expected a date and time on the calendar, found " + s.args.join(' '));
    }},
    {"server reply", "", Command::Block | kAlways, [](R& r, S s) {
        QByteArray body;
        for (const QString& line : s.block) body += Files::encode(line) + "\r\n";
        r.server.set(UpdateServer::Mode::Reply, body);
    }},
    {"server error", "CODE", kAlways, [](R& r, S s) { r.server.set(UpdateServer::Mode::Error, {}, s.args[0].toInt()); }},
    {"server silent", "", kAlways, [](R& r, S) { r.server.set(UpdateServer::Mode::Silent); }},
    {"server down", "", kAlways, [](R& r, S) { r.server.set(UpdateServer::Mode::Down); }},
    {"desktop-fails", "SERVICE", kAlways,
        [](R& r, S s) { (s.args[0] == "open" ? r.desktop.openFails : r.desktop.viewerFails) = true; }},
};

}  // namespace tw
