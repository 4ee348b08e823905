#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace tw {

namespace {
const QByteArray kCrLf("\r\n");
}  // namespace

Files::Files(QString root) : root_(std::move(root)) {}

QString Files::absolute(const QString& relPath) const {
    return relPath.isEmpty() ? root_ : root_ + "/" + relPath;
}

QByteArray Files::encode(const QString& text) {
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

QString Files::decode(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

void Files::requireWrite(const QString& relPath) const {
    if (access_ && !access_->mayWrite(relPath))
        throw FileError("access denied: " + relPath.toStdString());
}

void Files::requireRead(const QString& relPath) const {
    if (access_ && !access_->mayRead(relPath))
        throw FileError("read denied: " + relPath.toStdString());
}

bool Files::dirExists(const QString& relPath) const {
    return QFileInfo(absolute(relPath)).isDir();
}

bool Files::fileExists(const QString& relPath) const {
    return QFileInfo(absolute(relPath)).isFile();
}

void Files::createEmpty(const QString& relPath) {
    requireWrite(relPath);
    QFile file(absolute(relPath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError("cannot create " + relPath.toStdString());
}

void Files::appendLine(const QString& relPath, const QString& text) {
    requireWrite(relPath);
    if (!fileExists(relPath)) throw FileError("missing " + relPath.toStdString());
    QFile file(absolute(relPath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw FileError("cannot append to " + relPath.toStdString());
    const qint64 before = file.size();
    const QByteArray bytes = encode(text) + kCrLf;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.resize(before);  // keep what was there, byte for byte
        throw FileError("cannot write " + relPath.toStdString());
    }
}

void Files::forEachLine(const QString& relPath,
                        const std::function<void(const QString&)>& visit) const {
    requireRead(relPath);
    QFile file(absolute(relPath));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError("cannot read " + relPath.toStdString());
    // One decoder for the whole file and whole runs of bytes between line ends:
    // a long log is read at the speed of the disk, not a decoder per line.
    QStringDecoder decoder("windows-1252");
    auto emitLine = [&](QByteArray& line) {
        if (line.endsWith('\r')) line.chop(1);
        const QString text = decoder.decode(line);
        line.clear();
        visit(text);
    };
    QByteArray pending;
    char buffer[65536];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) throw FileError("cannot read " + relPath.toStdString());
        if (got == 0) break;
        const char* at = buffer;
        const char* const end = buffer + got;
        while (at < end) {
            const char* lineEnd = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)));
            if (!lineEnd) {
                pending.append(at, end - at);
                break;
            }
            pending.append(at, lineEnd - at);
            emitLine(pending);
            at = lineEnd + 1;
        }
    }
    if (!pending.isEmpty()) emitLine(pending);
}

QStringList Files::readLines(const QString& relPath) const {
    QStringList lines;
    forEachLine(relPath, [&](const QString& line) { lines.append(line); });
    return lines;
}

QStringList Files::lastLines(const QString& relPath, int count) const {
    requireRead(relPath);
    QFile file(absolute(relPath));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError("cannot read " + relPath.toStdString());
    // Read backwards in growing blocks until enough line ends are in hand.
    qint64 size = file.size();
    qint64 block = 4096;
    QByteArray tail;
    for (;;) {
        const qint64 start = std::max<qint64>(0, size - block);
        if (!file.seek(start)) throw FileError("cannot read " + relPath.toStdString());
        tail = file.read(size - start);
        QByteArray body = tail;
        if (body.endsWith('\n')) body.chop(1);
        if (start == 0 || body.count('\n') >= count) break;
        block *= 4;
    }
    QByteArray body = tail;
    if (body.endsWith('\n')) body.chop(1);
    if (body.isEmpty() && tail.isEmpty()) return {};
    QList<QByteArray> parts = body.split('\n');
    const bool wholeFile = tail.size() == size;
    if (!wholeFile) parts.removeFirst();  // a partial first line
    QStringList lines;
    for (qsizetype i = std::max<qsizetype>(0, parts.size() - count); i < parts.size(); ++i) {
        QByteArray line = parts[i];
        if (line.endsWith('\r')) line.chop(1);
        lines.append(decode(line));
    }
    return lines;
}

void Files::copy(const QString& fromRel, const QString& toRel) {
    requireRead(fromRel);
    requireWrite(toRel);
    if (!QFile::copy(absolute(fromRel), absolute(toRel)))
        throw FileError("cannot copy " + fromRel.toStdString());
}

void Files::remove(const QString& relPath) {
    requireWrite(relPath);
    if (!QFile::remove(absolute(relPath)))
        throw FileError("cannot delete " + relPath.toStdString());
}

void Files::writeAtomic(const QString& relPath, const QString& text) {
    requireWrite(relPath);
    QSaveFile file(absolute(relPath));
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError("cannot create " + relPath.toStdString());
    const QByteArray bytes = encode(text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError("cannot write " + relPath.toStdString());
}

}  // namespace tw
