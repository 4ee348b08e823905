#include "logs/LogFiles.h"

#include <QCoreApplication>

#include "platform/Files.h"
#include "platform/Version.h"

namespace tw {

QString LogPaths::of(LogKind kind) const {
    switch (kind) {
    case LogKind::Results: return results;
    case LogKind::History: return history;
    case LogKind::Delivery: return delivery;
    }
    return {};
}

QString LogKindWord(LogKind kind) {
    switch (kind) {
    case LogKind::Results: return "results";
    case LogKind::History: return "history";
    case LogKind::Delivery: return "delivery";
    }
    return {};
}

QString LogPathFor(const QString& fileName) { return "Log/" + fileName; }

QString LogErrorTitle(LogKind kind) {
    switch (kind) {
    case LogKind::Results: return QCoreApplication::translate("Messages", "Tankwise Results Log File Error");
    case LogKind::History: return QCoreApplication::translate("Messages", "Tankwise History Log File Error");
    case LogKind::Delivery: return QCoreApplication::translate("Messages", "Tankwise Delivery Log File Error");
    }
    return {};
}


QString LogCreationBlock(LogKind kind, const QString& stamp) {
    const QString head = "Version " + VersionText() + "\r\nFile Created\r\n" + stamp + "\r\n";
    switch (kind) {
    case LogKind::Results: return "Tankwise Results Log\r\n" + head + "\r\n\r\n";
    case LogKind::History: return "Tankwise History Log\r\n" + head;
    case LogKind::Delivery: return "Tankwise Delivery Log\r\n" + head;
    }
    return {};
}

bool CreateMissingLogs(Files& files, const LogPaths& paths, const QString& stamp) {
    try {
        for (LogKind kind : {LogKind::Results, LogKind::History, LogKind::Delivery}) {
            const QString path = paths.of(kind);
            // An empty log (created on a full disk, say) gets its header too.
            if (files.fileExists(path) && files.fileSize(path) > 0) continue;
            files.writeAtomic(path, LogCreationBlock(kind, stamp) + "\r\n");
        }
        return true;
    } catch (const FileError&) {
        return false;
    }
}

bool AppendPending(Files& files, const QString& path, const std::vector<QString*>& texts) {
    try {
        for (QString* text : texts) {
            if (text->isEmpty()) continue;
            files.appendLine(path, *text);
            text->clear();
        }
        return true;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace tw
