#pragma once
// The single-instance lock: the first running copy of the program holds it; a later copy fails to take
// it and runs with the functions kept for the first copy refused. A copy that was killed leaves its lock
// file behind; the next copy takes it over, since the process named in it no longer runs.
#include <QString>

#include <memory>

class QLockFile;

namespace platform {

class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock();  // releases the lock
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum class Outcome {
        Acquired,     // this copy holds the lock now
        HeldByOther,  // another live process (or another InstanceLock of this one) holds it
        Unavailable,  // the lock file cannot be made at all (folder missing, unwritable...)
    };
    // Takes the lock file at `path`. Taking it again while held at the same path gives Acquired.
    Outcome Acquire(const QString& path);
    // Acquire, answered as held or not.
    bool TryAcquire(const QString& path) { return Acquire(path) == Outcome::Acquired; }
    void Release();
    bool IsHeld() const;
    // The lock was taken over from a copy that ended without releasing it (killed, or a crash).
    bool TookOverLeftLock() const { return tookOver_; }

private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
    bool tookOver_ = false;
};

}  // namespace platform
