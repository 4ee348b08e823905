#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace tw {
class Files;

// The sizes of files that only grow by appends, kept so that a run of appends that
// must be all or nothing can be undone: each file is cut back to its size, and one
// that did not exist is removed.
class AppendUndo {
public:
    AppendUndo(Files& files, const QStringList& relPaths);
    // False when a file could not be put back.
    bool undo() const;

private:
    Files& files_;
    std::vector<std::pair<QString, qint64>> sizes_;  // -1: the file did not exist
};

}  // namespace tw
