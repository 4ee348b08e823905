#include "platform/InstanceMark.h"

#include <QDir>

namespace tw {

InstanceMark::InstanceMark(const QString& name, const QString& folder)
    : path_((folder.isEmpty() ? QDir::tempPath() : folder) + "/" + name + ".lock"),
      lock_(std::make_unique<QLockFile>(path_)) {
    // A running copy holds the mark for as long as it runs, however long that is;
    // only a lock whose process has died counts as stale.
    lock_->setStaleLockTime(0);
    firstCopy_ = lock_->tryLock(0);
}

InstanceMark::~InstanceMark() {
    if (firstCopy_) lock_->unlock();
}

}  // namespace tw
