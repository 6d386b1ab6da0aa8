#include "history_set_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace breathlab {

namespace {

std::string OpenFailure(const std::string& path, int error) {
    return "cannot open " + path + ": " + std::strerror(error);
}

// Reads exactly `size` bytes; a regular file may still deliver them in pieces.
bool ReadFully(int fd, unsigned char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, buffer + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

// A FIFO or a device would block or never end: only a regular file of the
// exact size is read. O_NONBLOCK keeps the open itself from waiting for a
// FIFO's writer.
bool ReadHistoryBytes(const std::string& path, ResultHistory& into, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = OpenFailure(path, errno);
        return false;
    }
    struct stat status {};
    bool ok = ::fstat(fd, &status) == 0;
    if (!ok) error = OpenFailure(path, errno);
    if (ok && !S_ISREG(status.st_mode)) {
        error = path + " is not a history set: it is not a regular file";
        ok = false;
    }
    if (ok && static_cast<unsigned long long>(status.st_size) != kHistorySetBytes) {
        error = HistorySetSizeMessage(path, static_cast<unsigned long long>(status.st_size));
        ok = false;
    }
    std::size_t got = 0;
    if (ok && !ReadFully(fd, reinterpret_cast<unsigned char*>(&into), kHistorySetBytes, got)) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        ok = false;
    }
    if (ok && got != kHistorySetBytes) {
        error = HistorySetSizeMessage(path, got);
        ok = false;
    }
    ::close(fd);
    return ok;
}

} // namespace

bool ReadHistorySet(const std::string& path, ResultHistory& history, std::string& error) {
    auto buffer = std::make_unique<ResultHistory>();
    if (!ReadHistoryBytes(path, *buffer, error)) return false;
    if (!CheckHistorySet(*buffer, error)) {
        error = path + " is not a usable history set: " + error;
        return false;
    }
    history = *buffer;
    return true;
}

bool WriteHistorySet(const std::string& path, const ResultHistory& history, std::string& error) {
    return WriteFileAtomically(path, HistorySetBytes(history), kHistorySetBytes, error);
}

} // namespace breathlab
