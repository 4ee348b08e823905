#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

namespace tw {

// Marks that a copy of the program is running: a lock file named after the program
// in the given folder (the temporary folder by default). It only tells whether the
// mark was taken; the caller decides what to do otherwise. A copy that crashed leaves
// a stale lock that the next copy recognises and takes over.
class InstanceMark {
public:
    enum class Outcome {
        FirstCopy,           // the mark is ours
        AnotherCopyRunning,  // a live process holds it
        Unmarkable,          // no copy holds it, but it cannot be written (see problem())
    };

    explicit InstanceMark(const QString& name, const QString& folder = {});
    ~InstanceMark();
    InstanceMark(const InstanceMark&) = delete;
    InstanceMark& operator=(const InstanceMark&) = delete;

    Outcome outcome() const { return outcome_; }
    bool firstCopy() const { return outcome_ == Outcome::FirstCopy; }
    bool anotherCopyRunning() const { return outcome_ == Outcome::AnotherCopyRunning; }
    // The system's reason the mark could not be written ("No space left on device").
    QString problem() const { return problem_; }
    QString path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    Outcome outcome_ = Outcome::Unmarkable;
    QString problem_;
};

}  // namespace tw
