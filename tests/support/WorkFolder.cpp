#include "WorkFolder.h"

#include <QDirIterator>

namespace tw {

namespace {
QStringList SplitLines(const QByteArray& bytes) {
    QString text = Files::decode(bytes);
    if (text.endsWith("\r\n")) text.chop(2);
    return bytes.isEmpty() ? QStringList() : text.split("\r\n");
}
}  // namespace

WorkFolder::WorkFolder() : files_(dir_.path()) {
    const QString resources = QStringLiteral(TANKWISE_RESOURCES);
    for (const char* sub : {"/Data", "/Help"}) {
        QDirIterator it(resources + sub, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            QDir().mkpath(QFileInfo(path() + from.mid(resources.size())).path());
            QFile::copy(from, path() + from.mid(resources.size()));
        }
    }
    makeFolder("Log");
    files_.setAccess(this);
}

QStringList WorkFolder::defaultLines(const QString& relPath) {
    QFile file(QStringLiteral(TANKWISE_RESOURCES "/") + relPath);
    return file.open(QIODevice::ReadOnly) ? SplitLines(file.readAll()) : QStringList();
}

QByteArray WorkFolder::Encoded(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += Files::encode(line) + "\r\n";
    return bytes;
}

bool WorkFolder::put(const QString& relPath, const QByteArray& bytes, QIODevice::OpenMode mode) {
    QFile file(path() + "/" + relPath);
    return file.open(QIODevice::WriteOnly | mode) && file.write(bytes) == bytes.size() && file.flush();
}

bool WorkFolder::remove(const QString& relPath) {
    const QFileInfo info(path() + "/" + relPath);
    if (info.isDir()) return QDir(info.filePath()).removeRecursively();
    return info.exists() && QFile::remove(info.filePath());
}

QByteArray WorkFolder::bytes(const QString& relPath) const {
    QFile file(path() + "/" + relPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList WorkFolder::lines(const QString& relPath) const { return SplitLines(bytes(relPath)); }

bool WorkFolder::Covered(const QSet<QString>& paths, const QString& relPath) {
    for (QString path = QDir::cleanPath(relPath); !path.isEmpty(); path = path.left(qMax(0, path.lastIndexOf('/'))))
        if (paths.contains(path)) return true;
    return false;
}

}  // namespace tw
