#include "single_instance.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace breathlab {
namespace {

constexpr int kAcquired = 0;
constexpr int kHeldElsewhere = 1;

// Tries the lock in a process of its own, as a second start of the program would.
int AcquireInChildProcess(const QString& folder) {
    const pid_t child = fork();
    if (child == 0) {
        const SingleInstanceLock lock(kInstanceName, folder);
        _exit(lock.Held() ? kAcquired : lock.AnotherInstanceRuns() ? kHeldElsewhere : 2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A process that takes the lock, says so through a pipe and then waits forever.
pid_t StartHolder(const QString& folder) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        const SingleInstanceLock lock(kInstanceName, folder);
        const char held = lock.Held() ? 'y' : 'n';
        if (write(ready[1], &held, 1) != 1) _exit(3);
        for (;;)
            pause();
    }
    close(ready[1]);
    char held = 'n';
    const bool told = read(ready[0], &held, 1) == 1;
    close(ready[0]);
    return told && held == 'y' ? child : -1;
}

TEST(SingleInstance, SecondStartFailsWhileTheFirstRunsAndSucceedsAfterItWasKilled) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const pid_t holder = StartHolder(temporary.path());
    ASSERT_GT(holder, 0);
    EXPECT_EQ(AcquireInChildProcess(temporary.path()), kHeldElsewhere);
    {
        const SingleInstanceLock lock(kInstanceName, temporary.path());
        EXPECT_TRUE(lock.AnotherInstanceRuns());
        EXPECT_FALSE(lock.Held());
    }
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(AcquireInChildProcess(temporary.path()), kAcquired);
}

TEST(SingleInstance, LockIsReleasedWhenItsOwnerIsDestroyed) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    {
        const SingleInstanceLock first(kInstanceName, temporary.path());
        ASSERT_TRUE(first.Held());
        EXPECT_EQ(AcquireInChildProcess(temporary.path()), kHeldElsewhere);
    }
    EXPECT_EQ(AcquireInChildProcess(temporary.path()), kAcquired);
    EXPECT_EQ(AlreadyRunningMessage(), "This program is already running.");
}

TEST(SingleInstance, UnusableLockFolderLetsTheProgramRun) {
    const SingleInstanceLock lock(kInstanceName, "/nonexistent/folder/for/locks");
    EXPECT_FALSE(lock.Held());
    EXPECT_FALSE(lock.AnotherInstanceRuns());
}

} // namespace
} // namespace breathlab
