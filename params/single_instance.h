// Only one copy of the program runs at a time. The mark of a running copy is an
// exclusive lock on a file named after the program's instance name; the kernel
// drops the lock when the process ends, however it ends, so a crashed copy never
// blocks the next start.
#pragma once

#include <QString>

namespace breathlab {

constexpr const char* kInstanceName = "ApplicationTestMap";

class SingleInstanceLock {
  public:
    // Tries to take the lock in lockFolder (DefaultLockFolder() when empty) and
    // keeps it for the life of this object.
    explicit SingleInstanceLock(const QString& name = kInstanceName,
                                const QString& lockFolder = QString());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when another process holds the lock. When the lock file cannot be
    // opened at all there is no way to tell, and the program is let run.
    bool AnotherInstanceRuns() const { return anotherInstanceRuns_; }
    bool Held() const { return descriptor_ >= 0; }

    // The user's runtime folder, or the temporary folder when there is none.
    static QString DefaultLockFolder();

  private:
    int descriptor_ = -1;
    bool anotherInstanceRuns_ = false;
};

QString AlreadyRunningMessage();

} // namespace breathlab
