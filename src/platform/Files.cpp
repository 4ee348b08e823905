#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {
const QByteArray kCrLf("\r\n");

// Writes every byte at the given offset, going on after short writes; false on
// any failure (a full disk, a file size limit).
bool WriteAllAt(int fd, const QByteArray& bytes, off_t offset) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::pwrite(fd, at, size_t(left), offset);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        at += done;
        left -= done;
        offset += done;
    }
    return true;
}
}  // namespace

Files::Files(QString root) : root_(std::move(root)) {}

QString Files::absolute(const QString& relPath) const {
    return relPath.isEmpty() ? root_ : root_ + "/" + relPath;
}

namespace {
// Nearly every line of the logs is ASCII or Latin-1 (the pound sign, accents), which
// the logs' code page writes byte for byte as Latin-1 does: only 0x80-0x9F (the euro
// sign, curly quotes) needs the converter.
bool IsLatin1Alike(QStringView text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u > 0xFF || (u >= 0x80 && u < 0xA0)) return false;
    }
    return true;
}

bool IsLatin1Alike(QByteArrayView bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0) return false;
    }
    return true;
}
}  // namespace

QByteArray Files::encode(const QString& text) {
    if (IsLatin1Alike(QStringView(text))) return text.toLatin1();
    QStringEncoder encoder("windows-1252");
    // Thousands separators such as French's narrow no-break space have no code in
    // the logs' code page; the no-break space keeps the amount readable, not "?".
    QString mapped = text;
    mapped.replace(QChar(0x202F), QChar(0x00A0)).replace(QChar(0x2009), QChar(0x00A0));
    return encoder.encode(mapped);
}

QString Files::decode(const QByteArray& bytes) {
    if (IsLatin1Alike(QByteArrayView(bytes))) return QString::fromLatin1(bytes);
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

void Files::requireWrite(const QString& relPath) const {
    if (access_ && !access_->mayWrite(relPath))
        throw FileError("access denied: " + relPath.toStdString());
}

void Files::requireRead(const QString& relPath) const {
    if (access_ && !access_->mayRead(relPath))
        throw FileUnreadable(relPath, "read denied:");
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
    const std::string path = QFile::encodeName(absolute(relPath)).toStdString();
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) throw FileError("cannot append to " + relPath.toStdString());
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        throw FileError("cannot append to " + relPath.toStdString());
    }
    const off_t before = info.st_size;
    // A last line cut short (a crash, a full disk, a tail of NUL bytes) is ended
    // first, so the record starts on a line of its own.
    QByteArray bytes;
    char last = '\n';
    if (before > 0 && ::pread(fd, &last, 1, before - 1) != 1) last = 0;
    if (last == '\r') bytes = "\n";
    else if (last != '\n') bytes = kCrLf;
    bytes += encode(text) + kCrLf;
    if (!WriteAllAt(fd, bytes, before)) {
        // Undo to the old length and make sure the undo itself held.
        const bool undone = ::ftruncate(fd, before) == 0 && ::fstat(fd, &info) == 0 &&
                            info.st_size == before;
        ::close(fd);
        throw FileError((undone ? "cannot write " : "cannot undo a failed write to ") +
                        relPath.toStdString());
    }
    if (::close(fd) != 0) throw FileError("cannot write " + relPath.toStdString());
}

void Files::forEachLine(const QString& relPath,
                        const std::function<void(const QString&)>& visit) const {
    requireRead(relPath);
    QFile file(absolute(relPath));
    if (!file.open(QIODevice::ReadOnly))
        throw FileUnreadable(relPath, "cannot read");
    // One decoder for the whole file and whole runs of bytes between line ends:
    // a long log is read at the speed of the disk, not a decoder per line.
    QStringDecoder decoder("windows-1252");
    auto emitLine = [&](QByteArray& line) {
        if (line.endsWith('\r')) line.chop(1);
        if (line.contains('\0')) {  // the mark of a cut write, never text of ours
            line.clear();
            return;
        }
        const QString text = IsLatin1Alike(QByteArrayView(line)) ? QString::fromLatin1(line) : QString(decoder.decode(line));
        line.clear();
        visit(text);
    };
    QByteArray pending;
    char buffer[65536];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) throw FileUnreadable(relPath, "cannot read");
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

void Files::forEachLineBackwards(const QString& relPath,
                                 const std::function<bool(const QString&)>& visit) const {
    requireRead(relPath);
    QFile file(absolute(relPath));
    if (!file.open(QIODevice::ReadOnly))
        throw FileUnreadable(relPath, "cannot read");
    // Whole lines are taken from blocks read backwards; `carry` holds the start of
    // a line whose beginning lies in the next block to read.
    qint64 pos = file.size();
    QByteArray carry;
    bool lastLine = true;
    const qint64 kBlock = 16384;
    while (pos > 0) {
        QByteArray block;
        if (pos > 0) {
            const qint64 start = std::max<qint64>(0, pos - kBlock);
            if (!file.seek(start)) throw FileUnreadable(relPath, "cannot read");
            block = file.read(pos - start);
            if (block.size() != pos - start) throw FileUnreadable(relPath, "cannot read");
            pos = start;
        }
        block += carry;
        qsizetype end = block.size();
        if (lastLine) {
            // A final line without its line end was cut short: it is no record.
            const qsizetype lf = block.lastIndexOf('\n');
            if (lf < 0 && pos > 0) {
                carry = block;
                continue;
            }
            if (lf < 0) return;
            end = lf;
            lastLine = false;
        }
        for (;;) {
            const qsizetype lf = end > 0 ? block.lastIndexOf('\n', end - 1) : -1;
            if (lf < 0 && pos > 0) break;  // the line goes on in the earlier block
            QByteArray line = block.mid(lf + 1, end - lf - 1);
            if (line.endsWith('\r')) line.chop(1);
            if (!line.contains('\0') && !visit(decode(line))) return;
            if (lf < 0) return;
            end = lf;
        }
        carry = block.left(end);
    }
}

QStringList Files::lastLines(const QString& relPath, int count) const {
    QStringList lines;
    if (count <= 0) return lines;
    forEachLineBackwards(relPath, [&](const QString& line) {
        lines.prepend(line);
        return lines.size() < count;
    });
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
    const QString target = absolute(relPath);
    const std::string path = QFile::encodeName(target).toStdString();
    const std::string temporary = path + ".new";
    // The new text goes to a file beside the target; only when every byte of it is
    // written and on the disk does it take the target's name, in one step.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw FileError("cannot create " + relPath.toStdString());
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) ::fchmod(fd, info.st_mode & 07777);
    const QByteArray bytes = encode(text);
    bool whole = WriteAllAt(fd, bytes, 0) && ::fsync(fd) == 0 && ::fstat(fd, &info) == 0 &&
                 info.st_size == bytes.size();
    whole = ::close(fd) == 0 && whole;
    if (!whole || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw FileError("cannot write " + relPath.toStdString());
    }
    // The new name itself is only durable once the folder is synced.
    const std::string folder = QFile::encodeName(QFileInfo(target).absolutePath()).toStdString();
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

qint64 Files::fileSize(const QString& relPath) const {
    return QFileInfo(absolute(relPath)).size();
}

}  // namespace tw
