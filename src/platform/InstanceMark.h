#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

namespace tw {

// Marks that a copy of the program is running: a lock file named after the program
// in the given folder (the temporary folder by default). It only tells whether the
// mark was already held; the caller decides what a second copy does. A copy that
// crashed leaves a stale lock that the next copy recognises and takes over.
class InstanceMark {
public:
    explicit InstanceMark(const QString& name, const QString& folder = {});
    ~InstanceMark();
    InstanceMark(const InstanceMark&) = delete;
    InstanceMark& operator=(const InstanceMark&) = delete;

    bool firstCopy() const { return firstCopy_; }
    bool anotherCopyRunning() const { return !firstCopy_; }
    QString path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool firstCopy_ = false;
};

}  // namespace tw
