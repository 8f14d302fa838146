#include "platform/instancelock.h"

#include <QFileInfo>
#include <QLockFile>

namespace platform {

namespace {
// A lock file is stale when the process it names is gone, or, for a lock whose process cannot be
// checked (written on another host), when it is older than this. A live holder's lock is never taken
// over however old it is: QLockFile keeps a file lock on it for as long as it is held.
constexpr int kStaleLockMs = 2000;
}  // namespace

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() { Release(); }

InstanceLock::Outcome InstanceLock::Acquire(const QString& path)
{
    if (IsHeld()) {
        if (path == path_)
            return Outcome::Acquired;
        Release();
    }
    // A clean release removes the file: one that is there and can be taken was left behind.
    const bool leftBehind = QFileInfo::exists(path);
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(kStaleLockMs);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError ? Outcome::HeldByOther : Outcome::Unavailable;
    lock_ = std::move(lock);
    path_ = path;
    tookOver_ = leftBehind;
    return Outcome::Acquired;
}

void InstanceLock::Release()
{
    if (lock_)
        lock_->unlock();
    lock_.reset();
    path_.clear();
}

bool InstanceLock::IsHeld() const { return lock_ && lock_->isLocked(); }

}  // namespace platform
