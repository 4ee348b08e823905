#include "platform/AppendUndo.h"

#include <QFile>

#include "platform/Files.h"

namespace tw {

AppendUndo::AppendUndo(Files& files, const QStringList& relPaths) : files_(files) {
    for (const QString& path : relPaths)
        sizes_.emplace_back(path, files.fileExists(path) ? files.fileSize(path) : -1);
}

bool AppendUndo::undo() const {
    bool whole = true;
    for (const auto& [path, size] : sizes_) {
        QFile file(files_.absolute(path));
        if (size < 0) whole = (!file.exists() || file.remove()) && whole;
        else whole = (file.size() == size || file.resize(size)) && whole;
    }
    return whole;
}

}  // namespace tw
