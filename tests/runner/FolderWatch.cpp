#include "FolderWatch.h"

#include <QDirIterator>
#include <QFile>

#include "platform/Files.h"

namespace tw {

namespace {
// Block lines as a scenario would write them, so a trace can be pasted back.
void AddBlock(QStringList& out, const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    QString text = Files::decode(bytes);
    if (text.endsWith("\r\n")) text.chop(2);
    for (const QString& line : text.split("\r\n")) out << (line.isEmpty() ? "  |" : "  | " + line);
}
}  // namespace

QMap<QString, QByteArray> FolderWatch::read() const {
    QMap<QString, QByteArray> files;
    QDirIterator it(root_, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) files.insert(path.mid(root_.size() + 1), file.readAll());
    }
    return files;
}

QStringList FolderWatch::changes() {
    const QMap<QString, QByteArray> now = read();
    QStringList out;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto before = files_.constFind(it.key());
        if (before == files_.cend()) {
            out << "  file " + it.key() + " created:";
            AddBlock(out, it.value());
        } else if (before.value() != it.value()) {
            if (it.value().startsWith(before.value())) {
                out << "  file " + it.key() + " appended:";
                AddBlock(out, it.value().mid(before.value().size()));
            } else {
                out << "  file " + it.key() + " rewritten:";
                AddBlock(out, it.value());
            }
        }
    }
    for (auto it = files_.cbegin(); it != files_.cend(); ++it)
        if (!now.contains(it.key())) out << "  file " + it.key() + " removed";
    files_ = now;
    return out;
}

}  // namespace tw
