#include "FolderWatch.h"

#include <QDirIterator>
#include <QFile>

#include "platform/Files.h"

namespace tw {

QMap<QString, QByteArray> FolderWatch::read() const {
    QMap<QString, QByteArray> files;
    QDirIterator it(root_, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly)) files.insert(file.fileName().mid(root_.size() + 1), file.readAll());
    }
    return files;
}

QStringList FolderWatch::changes() {
    const QMap<QString, QByteArray> now = read();
    QStringList out;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const QByteArray before = files_.value(it.key());
        const bool appended = files_.contains(it.key()) && it.value().startsWith(before);
        if (files_.contains(it.key()) && before == it.value()) continue;
        out << "  file " + it.key() + (!files_.contains(it.key()) ? " created:" : appended ? " appended:" : " rewritten:");
        const QByteArray added = appended ? it.value().mid(before.size()) : it.value();
        if (added.isEmpty()) continue;
        // Block lines as a scenario would write them, so a trace can be pasted back.
        QString text = Files::decode(added);
        if (text.endsWith("\r\n")) text.chop(2);
        for (const QString& line : text.split("\r\n")) out << (line.isEmpty() ? "  |" : "  | " + line);
    }
    for (auto it = files_.cbegin(); it != files_.cend(); ++it)
        if (!now.contains(it.key())) out << "  file " + it.key() + " removed";
    files_ = now;
    return out;
}

}  // namespace tw
