#pragma once
#include <QSet>
#include <QString>
#include <QTemporaryDir>

#include "app/Files.h"

namespace tw {

// A fresh working folder holding the default installation (Data/Tankwise.ini,
// Help/index.htm, an empty Log/), with paths that can be denied as read-only.
class WorkFolder : public FileAccess {
public:
    WorkFolder();

    QString path() const { return dir_.path(); }
    // A file of the default installation as lines, as `lines` reads them.
    static QStringList defaultLines(const QString& relPath);
    Files& files() { return files_; }

    // Plain UTF-8 lines in, Windows-1252 with CR LF out. False when the file
    // cannot be written (its folder is missing, say).
    bool write(const QString& relPath, const QStringList& lines);
    bool append(const QString& relPath, const QStringList& lines);
    // Deletes a file, or a folder with everything in it; false when nothing was there.
    bool remove(const QString& relPath);
    bool makeFolder(const QString& relPath);
    // Split at CR LF; a final CR LF adds no empty line and an empty file has none.
    QStringList lines(const QString& relPath) const;
    QByteArray bytes(const QString& relPath) const;
    bool exists(const QString& relPath) const;

    void deny(const QString& relPath) { denied_.insert(relPath); }
    void denyRead(const QString& relPath) { deniedRead_.insert(relPath); }
    void allow(const QString& relPath) {
        denied_.remove(relPath);
        deniedRead_.remove(relPath);
    }

    bool mayWrite(const QString& relPath) const override;
    bool mayRead(const QString& relPath) const override;

private:
    QTemporaryDir dir_;
    Files files_;
    QSet<QString> denied_, deniedRead_;
};

}  // namespace tw
