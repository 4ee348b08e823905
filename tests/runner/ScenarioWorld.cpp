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
        const bool drop = setting.startsWith('-');
        const QString key = (drop ? setting.mid(1) : setting.section('=', 0, 0)) + "=";
        if (setting.startsWith('+')) {
            lines << setting.mid(1);
            continue;
        }
        if (key.size() < 2 || (!drop && !setting.contains('=')))
            throw Failure("expected KEY=VALUE, -KEY or +TEXT, found " + Quoted(setting));
        const auto at = std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(key); });
        if (drop && at != lines.end())
            lines.erase(at);
        else if (!drop && at != lines.end())
            *at = setting;
        else if (!drop)
            lines << setting;
    }
    return lines;
}

}  // namespace

void ScenarioRun::prepare(const Step& s) {
    const QString& c = s.command;
    const QString path = s.args.value(0);
    if (c == "write" && !folder.write(path, s.block))
        throw Failure("expected to write " + path + ", found it cannot be written (is its folder there?)");
    if (c == "config" && !folder.write("Data/Tankwise.ini", ChangedConfig(s.text)))
        throw Failure("expected to write Data/Tankwise.ini, found it cannot be written (is Data/ there?)");
    if (c == "append" && !folder.exists(path))
        throw Failure("expected " + path + " to exist to append to it, found no such file");
    if (c == "append" && !folder.append(path, s.block))
        throw Failure("expected to append to " + path + ", found it cannot be written");
    if (c == "remove" && !folder.remove(path))
        throw Failure("expected " + path + " to remove, found no such file or folder");
    if (c == "folder" && !folder.makeFolder(path))
        throw Failure("expected to create the folder " + path + ", found it cannot be created");
    if (c == "deny") folder.deny(path);
    if (c == "deny-read") folder.denyRead(path);
    if (c == "allow") folder.allow(path);
    // QLocale quietly falls back to C for a name it does not know.
    if (c == "locale" && path != "C" && QLocale(path).language() == QLocale::C)
        throw Failure("expected a locale name such as en_GB, found " + path);
    if (c == "locale") desktop.userLocale = QLocale(path);
    if (c == "clock")
        desktop.clock = QDateTime(QDate::fromString(path, "yyyy-MM-dd"), QTime::fromString(s.args.at(1), "hh:mm:ss"));
    if (c == "server reply") {
        QByteArray body;
        for (const QString& line : s.block) body += Files::encode(line) + "\r\n";
        server.reply(body);
    }
    if (c == "server error") server.error(path.toInt());
    if (c == "server silent") server.silent();
    if (c == "server down") server.down();
    if (c == "desktop-fails") (path == "open" ? desktop.openFails : desktop.viewerFails) = true;
}

}  // namespace tw
