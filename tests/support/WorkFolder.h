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
    Files& files() { return files_; }

    // Plain UTF-8 lines in, Windows-1252 with CR LF out.
    void write(const QString& relPath, const QStringList& lines);
    void append(const QString& relPath, const QStringList& lines);
    void remove(const QString& relPath);
    void makeFolder(const QString& relPath);
    QStringList lines(const QString& relPath) const;  // split at CR LF
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
