#include "output_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace breathlab {

namespace {

std::string Reason(int error) { return error ? std::strerror(error) : "write error"; }

// The file a signal handler must remove before the program dies. Only one
// temporary output is pending at a time; the path is copied into a fixed
// buffer, as a handler may not allocate.
char gPendingPath[PATH_MAX];
volatile std::sig_atomic_t gPendingArmed = 0;
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemovePendingAndEnd(int signal) {
    if (gPendingArmed) ::unlink(gPendingPath);
    // SA_RESETHAND has brought back the default action: end as the signal asks.
    ::raise(signal);
}

// What the signals did before: a signal that was ignored (nohup, a
// background job) stays ignored, and each gets its old action back.
struct sigaction gPreviousActions[std::size(kEndingSignals)];

void ArmSignalCleanup(const std::string& path) {
    if (path.size() >= sizeof gPendingPath) return;
    std::memcpy(gPendingPath, path.c_str(), path.size() + 1);
    gPendingArmed = 1;
    struct sigaction action {};
    action.sa_handler = RemovePendingAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
        ::sigaction(kEndingSignals[i], nullptr, &gPreviousActions[i]);
        if (gPreviousActions[i].sa_handler != SIG_IGN)
            ::sigaction(kEndingSignals[i], &action, nullptr);
    }
}

void DisarmSignalCleanup() {
    if (!gPendingArmed) return;
    gPendingArmed = 0;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
        ::sigaction(kEndingSignals[i], &gPreviousActions[i], nullptr);
}

// The mode a plain new file gets: 0666 less the process's umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool FlushChecked(std::ostream& out, const std::string& name, std::string& error) {
    // A write that failed before the flush left its reason in errno.
    if (out) {
        errno = 0;
        out.flush();
    }
    if (out) return true;
    error = "cannot write " + name + ": " + Reason(errno);
    return false;
}

bool FinishStandardOutput(std::string& error) {
    errno = 0;
    std::cout.flush();
    const int cppError = errno;
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int cError = errno;
    if (std::cout && flushed && !std::ferror(stdout)) return true;
    error = "cannot write standard output: " + Reason(cError ? cError : cppError);
    return false;
}

TemporaryOutputFile::TemporaryOutputFile(std::string target) : target_(std::move(target)) {}

TemporaryOutputFile::~TemporaryOutputFile() { Discard(); }

bool TemporaryOutputFile::Open(std::string& error) {
    const std::string pattern = target_ + ".XXXXXX.part";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemps(name.data(), 5);
    if (fd < 0) {
        error = "cannot write " + target_ + ": " + Reason(errno);
        return false;
    }
    path_ = name.data();
    pending_ = true;
    ArmSignalCleanup(path_);
    ::fchmod(fd, NewFileMode());
    ::close(fd);
    errno = 0;
    stream_.open(path_, std::ios::out | std::ios::trunc);
    if (!stream_) {
        error = "cannot write " + path_ + ": " + Reason(errno);
        Discard();
        return false;
    }
    return true;
}

bool TemporaryOutputFile::Commit(std::string& error) {
    if (!FlushChecked(stream_, target_, error)) return false;
    errno = 0;
    stream_.close();
    if (!stream_) {
        error = "cannot write " + target_ + ": " + Reason(errno);
        return false;
    }
    if (std::rename(path_.c_str(), target_.c_str()) != 0) {
        error = "cannot write " + target_ + ": " + Reason(errno);
        return false;
    }
    pending_ = false;
    DisarmSignalCleanup();
    return true;
}

void TemporaryOutputFile::Discard() {
    if (!pending_) return;
    if (stream_.is_open()) stream_.close();
    ::unlink(path_.c_str());
    pending_ = false;
    DisarmSignalCleanup();
}

} // namespace breathlab
