#include "logs/LogFiles.h"

#include "app/FolderChecks.h"
#include "platform/ProgramEnded.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "platform/Version.h"
#include "calc/Fields.h"

#include <vector>

namespace tw {

namespace {

QString Capitalised(const QString& word) {
    return word.left(1).toUpper() + word.mid(1);
}

// Appends pending texts to a log after the folder and file checks. Each text is
// cleared once it is in the file, so a later save writes only what is missing. A
// failed write is reported, the program goes on, and false comes back.
bool AppendTo(Program& p, LogKind kind, const std::vector<QString*>& texts) {
    CheckDirectory(p, "Log");
    if (CheckLogFile(p, kind)) return true;
    try {
        for (QString* text : texts) {
            if (text->isEmpty()) continue;
            p.files.appendLine(LogPath(p, kind), *text);
            text->clear();
        }
        return true;
    } catch (const FileError&) {
        p.say(LogErrorTitle(kind),
              {"Unable to write to the log file " + LogFileName(p, kind) + ".",
               "This may be a permissions problem."},
              Icon::Warning);
        return false;
    }
}

}  // namespace

QString LogErrorTitle(LogKind kind) {
    return "Tankwise " + Capitalised(LogKindWord(kind)) + " Log File Error";
}

bool ReadLogOrWarn(Program& p, LogKind kind, const QString& failureLine,
                   const std::function<void()>& read) {
    try {
        read();
        return true;
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception&) {
        p.say(LogErrorTitle(kind), {failureLine, "This may be a permissions problem."},
              Icon::Warning);
        return false;
    }
}

QString LogKindWord(LogKind kind) {
    switch (kind) {
    case LogKind::Results: return "results";
    case LogKind::History: return "history";
    case LogKind::Delivery: return "delivery";
    }
    return {};
}

QString LogFileName(Program& p, LogKind kind) {
    switch (kind) {
    case LogKind::Results: return p.st.ResultsLogName;
    case LogKind::History: return p.st.HistoryLogName;
    case LogKind::Delivery: return p.st.DeliveryLogName;
    }
    return {};
}

QString LogPath(Program& p, LogKind kind) { return "Log/" + LogFileName(p, kind); }

void CreateLogFiles(Program& p) {
    const QString stamp = NowStamp(p);
    CheckDirectory(p, "Log");
    const QString head = "Version " + VersionText() + "\r\nFile Created\r\n" + stamp + "\r\n";
    const struct {
        LogKind kind;
        QString block;
    } logs[] = {
        {LogKind::Results, "Tankwise Results Log\r\n" + head + "\r\n\r\n"},
        {LogKind::History, "Tankwise History Log\r\n" + head},
        {LogKind::Delivery, "Tankwise Delivery Log\r\n" + head},
    };
    try {
        for (const auto& log : logs) {
            const QString path = LogPath(p, log.kind);
            // An empty log (created on a full disk, say) gets its header too.
            if (p.files.fileExists(path) && p.files.fileSize(path) > 0) continue;
            p.files.writeAtomic(path, log.block + "\r\n");
        }
    } catch (const FileError&) {
        p.say("Tankwise Log File Error",
              {"Unable to create the log files.", "This may be a permissions problem.",
               "The program will now terminate."},
              Icon::Warning);
        p.end();
    }
}

bool CheckLogFile(Program& p, LogKind kind) {
    const QString name = LogFileName(p, kind);
    if (p.files.fileExists("Log/" + name)) return false;
    const QString word = LogKindWord(kind);
    p.say(LogErrorTitle(kind),
          {"The " + word + " log file is either missing", "or corrupted. Delete the log file ",
           name + " if it exists and restart", "the program."},
          Icon::Warning);
    return true;
}

bool AppendReport(Program& p, bool always) {
    if (!always && !(NumberValue(p.main.text(Ctl::TDays), p.desktop.locale()) > 0)) return true;
    return AppendTo(p, LogKind::Results, {&p.st.ReportText});
}

bool AppendHistory(Program& p) {
    if (!p.st.SaveError.isEmpty() || p.st.HistoryLine.isEmpty()) return true;
    return AppendTo(p, LogKind::History, {&p.st.HistoryLine});
}

bool AppendDeliveries(Program& p) {
    std::vector<QString*> lines;
    if (p.st.SaveError.isEmpty()) lines = {&p.st.DeliveryLine1, &p.st.DeliveryLine2};
    // The delivery log is checked even when there is nothing to write.
    return AppendTo(p, LogKind::Delivery, lines);
}

void ViewLogFile(Program& p, LogKind kind) {
    CheckDirectory(p, "Log");
    if (CheckLogFile(p, kind)) return;
    // Only the end is read here; the window reads the whole log itself.
    const bool readable =
        ReadLogOrWarn(p, kind, "Unable to opem the log file " + LogFileName(p, kind) + ".",
                      [&] { p.files.lastLines(LogPath(p, kind), 1); });
    if (readable) p.desktop.showLogWindow(kind, LogPath(p, kind));
}

void OpenLogWith(Program& p, LogKind kind) {
    CheckDirectory(p, "Log");
    if (CheckLogFile(p, kind)) return;
    if (!p.desktop.startViewer(LogPath(p, kind))) {
        p.say(LogErrorTitle(kind),
              {"Unable to run Notepad", "Check that it exists and", "is working properly."},
              Icon::Warning);
    }
}

}  // namespace tw
