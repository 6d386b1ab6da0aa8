#include "output_file.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <iterator>
#include <streambuf>
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
// Every signal whose default action ends the process and that a user or the
// system sends in practice: a closed pipe, a quit key, a user signal and a
// resource limit end the program as SIGTERM does, and take the file along.
constexpr int kEndingSignals[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGPIPE, SIGUSR1,
                                  SIGUSR2, SIGALRM, SIGXCPU, SIGXFSZ,   SIGVTALRM, SIGPROF};

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
        if (gPreviousActions[i].sa_handler == SIG_DFL)
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

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

// Follows at most this many links, as the kernel does, so a loop ends.
constexpr int kMaxLinks = 40;

} // namespace

// Writes straight to a descriptor and remembers the first failure, so that
// the stream turns bad at the write that failed and the reason survives.
class TemporaryOutputFile::DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    int Error() const { return error_; }
    int Descriptor() const { return fd_; }

protected:
    int_type overflow(int_type c) override {
        if (!Drain()) return traits_type::eof();
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
        return c;
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain() {
        const char* next = pbase();
        while (next < pptr() && error_ == 0) {
            const ssize_t wrote = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote <= 0) error_ = wrote < 0 ? errno : ENOSPC;
            else next += wrote;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return error_ == 0;
    }

    int fd_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_;
};

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

bool ResolveOutputTarget(const std::string& target, std::string& finalPath, std::string& error) {
    std::string path = target;
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT) break;
            error = "cannot write " + target + ": " + Reason(errno);
            return false;
        }
        if (S_ISREG(status.st_mode)) break;
        if (!S_ISLNK(status.st_mode)) {
            error = "cannot write " + target + ": it is " + KindOf(status.st_mode) +
                    (path == target ? "" : " (" + path + ")") + ", not a regular file";
            return false;
        }
        std::vector<char> text(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), text.data(), text.size());
        if (length < 0 || static_cast<std::size_t>(length) >= text.size() || links >= kMaxLinks) {
            error = "cannot write " + target + ": " + Reason(length < 0 ? errno : ELOOP);
            return false;
        }
        const std::string next(text.data(), static_cast<std::size_t>(length));
        path = next.starts_with('/') ? next : FolderOf(path) + next;
    }
    finalPath = path;
    return true;
}

TemporaryOutputFile::TemporaryOutputFile(std::string target) : target_(std::move(target)) {}

TemporaryOutputFile::~TemporaryOutputFile() { Discard(); }

bool TemporaryOutputFile::Open(std::string& error) {
    if (!ResolveOutputTarget(target_, final_, error)) return false;
    const std::string pattern = final_ + ".XXXXXX.part";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemps(name.data(), 5, O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot write " + target_ + ": " + Reason(errno);
        return false;
    }
    path_ = name.data();
    pending_ = true;
    ArmSignalCleanup(path_);
    ::fchmod(fd, NewFileMode());
    buffer_ = std::make_unique<DescriptorBuffer>(fd);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
    return true;
}

bool TemporaryOutputFile::Commit(std::string& error) {
    stream_->flush();
    int failure = buffer_->Error();
    if (failure == 0 && !*stream_) failure = EIO;
    // Some file systems report a full disk only when the data reach it.
    if (failure == 0 && ::fsync(buffer_->Descriptor()) != 0 && errno != EINVAL) failure = errno;
    const int fd = buffer_->Descriptor();
    stream_.reset();
    buffer_.reset();
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && std::rename(path_.c_str(), final_.c_str()) != 0) failure = errno;
    if (failure != 0) {
        error = "cannot write " + target_ + ": " + Reason(failure);
        Discard();
        return false;
    }
    pending_ = false;
    DisarmSignalCleanup();
    return true;
}

void TemporaryOutputFile::Discard() {
    if (buffer_) ::close(buffer_->Descriptor());
    stream_.reset();
    buffer_.reset();
    if (!pending_) return;
    ::unlink(path_.c_str());
    pending_ = false;
    DisarmSignalCleanup();
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error) {
    TemporaryOutputFile out(path);
    if (!out.Open(error)) return false;
    out.Stream().write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return out.Commit(error);
}

} // namespace breathlab
