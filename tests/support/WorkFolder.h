#pragma once
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include "platform/Files.h"

#include "TextPrinters.h"

namespace tw {

// A fresh working folder holding the default installation (Data/Tankwise.ini,
// Help/index.htm, an empty Log/), with paths that can be denied as read-only.
class WorkFolder : public FileAccess {
public:
    WorkFolder();

    QString path() const { return dir_.path(); }
    Files& files() { return files_; }
    // A file of the default installation as lines, as `lines` reads them.
    static QStringList defaultLines(const QString& relPath);

    // Plain UTF-8 lines in, Windows-1252 with CR LF out. False when the file
    // cannot be written (its folder is missing, say).
    bool write(const QString& relPath, const QStringList& lines) { return put(relPath, Encoded(lines), QIODevice::Truncate); }
    bool append(const QString& relPath, const QStringList& lines) { return put(relPath, Encoded(lines), QIODevice::Append); }
    // The bytes as they are: lines cut short, bare line feeds, anything a fuzzer makes.
    bool writeBytes(const QString& relPath, const QByteArray& bytes) { return put(relPath, bytes, QIODevice::Truncate); }
    // Deletes a file, or a folder with everything in it; false when nothing was there.
    bool remove(const QString& relPath);
    bool makeFolder(const QString& relPath) { return QDir(path()).mkpath(relPath); }
    // Split at CR LF; a final CR LF adds no empty line and an empty file has none.
    QStringList lines(const QString& relPath) const;
    QByteArray bytes(const QString& relPath) const;
    bool exists(const QString& relPath) const { return QFileInfo::exists(path() + "/" + relPath); }

    void deny(const QString& relPath) { denied_.insert(relPath); }
    void denyRead(const QString& relPath) { deniedRead_.insert(relPath); }
    void allow(const QString& relPath) { denied_.remove(relPath); deniedRead_.remove(relPath); }
    bool mayWrite(const QString& relPath) const override { return !Covered(denied_, relPath); }
    bool mayRead(const QString& relPath) const override { return !Covered(deniedRead_, relPath); }

private:
    static QByteArray Encoded(const QStringList& lines);
    bool put(const QString& relPath, const QByteArray& bytes, QIODevice::OpenMode mode);
    // A denied folder covers everything in it.
    static bool Covered(const QSet<QString>& paths, const QString& relPath);

    QTemporaryDir dir_;
    Files files_;
    QSet<QString> denied_, deniedRead_;
};

}  // namespace tw
