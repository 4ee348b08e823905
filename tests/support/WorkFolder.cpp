#include "WorkFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tw {

namespace {
void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + "/" + entry.fileName();
        if (entry.isDir())
            CopyTree(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

// A denied folder covers everything in it.
bool Covered(const QSet<QString>& paths, const QString& relPath) {
    QString path = QDir::cleanPath(relPath);
    for (;;) {
        if (paths.contains(path)) return true;
        const qsizetype slash = path.lastIndexOf('/');
        if (slash < 0) return false;
        path = path.left(slash);
    }
}
}  // namespace

WorkFolder::WorkFolder() : files_(dir_.path()) {
    CopyTree(QStringLiteral(TANKWISE_RESOURCES "/Data"), path() + "/Data");
    CopyTree(QStringLiteral(TANKWISE_RESOURCES "/Help"), path() + "/Help");
    QDir(path()).mkpath("Log");
    // Only what a fresh installation has: no logs yet.
    for (const QString& name : QDir(path() + "/Log").entryList(QDir::Files))
        QFile::remove(path() + "/Log/" + name);
    files_.setAccess(this);
}

namespace {
QStringList SplitLines(const QByteArray& bytes) {
    QString text = Files::decode(bytes);
    if (text.isEmpty()) return {};
    if (text.endsWith("\r\n")) text.chop(2);
    return text.split("\r\n");
}

bool WriteLines(const QString& fullPath, const QStringList& lines, QIODevice::OpenMode mode) {
    QFile file(fullPath);
    if (!file.open(mode)) return false;
    QByteArray bytes;
    for (const QString& line : lines) bytes += Files::encode(line) + "\r\n";
    return file.write(bytes) == bytes.size() && file.flush();
}
}  // namespace

QStringList WorkFolder::defaultLines(const QString& relPath) {
    QFile file(QStringLiteral(TANKWISE_RESOURCES "/") + relPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return SplitLines(file.readAll());
}

bool WorkFolder::write(const QString& relPath, const QStringList& lines) {
    return WriteLines(path() + "/" + relPath, lines, QIODevice::WriteOnly | QIODevice::Truncate);
}

bool WorkFolder::append(const QString& relPath, const QStringList& lines) {
    return WriteLines(path() + "/" + relPath, lines, QIODevice::WriteOnly | QIODevice::Append);
}

bool WorkFolder::remove(const QString& relPath) {
    const QString full = path() + "/" + relPath;
    const QFileInfo info(full);
    if (info.isDir()) return QDir(full).removeRecursively();
    return info.exists() && QFile::remove(full);
}

bool WorkFolder::makeFolder(const QString& relPath) { return QDir(path()).mkpath(relPath); }

QByteArray WorkFolder::bytes(const QString& relPath) const {
    QFile file(path() + "/" + relPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList WorkFolder::lines(const QString& relPath) const { return SplitLines(bytes(relPath)); }

bool WorkFolder::exists(const QString& relPath) const {
    return QFileInfo::exists(path() + "/" + relPath);
}

bool WorkFolder::mayWrite(const QString& relPath) const { return !Covered(denied_, relPath); }
bool WorkFolder::mayRead(const QString& relPath) const { return !Covered(deniedRead_, relPath); }

}  // namespace tw
