#pragma once
#include <QByteArray>
#include <QMap>
#include <QStringList>

namespace tw {

// Remembers every file of the working folder so that a trace can show what the
// program wrote during a step: new files, appended lines, rewrites and deletions.
class FolderWatch {
public:
    explicit FolderWatch(QString root) : root_(std::move(root)) {}
    // Remembers the folder as it is now.
    void take() { files_ = read(); }
    // The changes since the last look, as trace lines; then remembers the new state.
    QStringList changes();

private:
    QMap<QString, QByteArray> read() const;
    QString root_;
    QMap<QString, QByteArray> files_;
};

}  // namespace tw
