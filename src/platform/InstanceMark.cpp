#include "platform/InstanceMark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tw {

namespace {

// True when the process that wrote the lock still runs. A process of another user
// that we may not signal is alive too, and so is one on another computer sharing
// the folder, which cannot be asked.
bool HolderAlive(const QLockFile& lock) {
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application) || pid <= 0) return false;
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Why nothing can be written beside the lock: tries a small file of its own there
// and gives the system's words for the failure.
QString WriteProblem(const QString& folder) {
    const QByteArray probe = QFile::encodeName(folder + "/.Tankwise.probe");
    errno = 0;
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (::write(fd, "probe\n", 6) != 6) error = errno ? errno : ENOSPC;
        if (::fsync(fd) != 0 && error == 0) error = errno;
        ::close(fd);
        ::unlink(probe.constData());
    }
    return error ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("Unknown error");
}

}  // namespace

InstanceMark::InstanceMark(const QString& name, const QString& folder)
    : path_((folder.isEmpty() ? QDir::tempPath() : folder) + "/" + name + ".lock"),
      lock_(std::make_unique<QLockFile>(path_)) {
    // A running copy holds the mark for as long as it runs, however long that is;
    // only a lock whose process has died counts as stale.
    lock_->setStaleLockTime(0);
    // A write that passes the file size limit must fail, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (lock_->tryLock(0)) {
        outcome_ = Outcome::FirstCopy;
        return;
    }
    // A stale lock that could not be replaced (a full disk, a read-only folder) is
    // not another copy: say what keeps the mark from being written.
    if (lock_->error() == QLockFile::LockFailedError && HolderAlive(*lock_)) {
        outcome_ = Outcome::AnotherCopyRunning;
        return;
    }
    // A lock without a readable holder (left empty by a write that failed) is never
    // taken over by the lock itself; it is no copy's, so it goes.
    if (lock_->error() == QLockFile::LockFailedError && QFile::remove(path_) && lock_->tryLock(0)) {
        outcome_ = Outcome::FirstCopy;
        return;
    }
    outcome_ = Outcome::Unmarkable;
    problem_ = WriteProblem(QFileInfo(path_).absolutePath());
}

InstanceMark::~InstanceMark() {
    if (outcome_ == Outcome::FirstCopy) lock_->unlock();
}

}  // namespace tw
