#include "text_lines.h"

#include "text_excerpt.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace breathlab {

namespace {

constexpr std::size_t kChunk = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

TextLineReader::TextLineReader(std::string path, TextLimits limits)
    : path_(std::move(path)), limits_(limits), buffer_(kChunk) {}

TextLineReader::~TextLineReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool TextLineReader::Open() {
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) return Fail(std::string("cannot open it: ") + std::strerror(errno));
    struct stat status {};
    if (::fstat(fd_, &status) == 0 && S_ISDIR(status.st_mode)) return Fail("it is a folder");
    return true;
}

std::string TextLineReader::Where() const {
    return path_ + ":" + std::to_string(lineNumber_) + ": ";
}

bool TextLineReader::Fail(const std::string& problem) {
    error_ = (lineNumber_ > 0 ? Where() : path_ + ": ") + problem;
    return false;
}

// Moves what is left to the front and reads more behind it.
bool TextLineReader::Fill() {
    std::copy(buffer_.begin() + static_cast<long>(start_), buffer_.begin() + static_cast<long>(end_),
              buffer_.begin());
    end_ -= start_;
    start_ = 0;
    if (buffer_.size() - end_ < kChunk) buffer_.resize(end_ + kChunk);
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Fail(std::string("cannot read it: ") + std::strerror(errno));
        if (got == 0) atEnd_ = true;
        end_ += static_cast<std::size_t>(got);
        total_ += static_cast<std::uint64_t>(got);
        if (total_ > limits_.MaxFileBytes)
            return Fail("the file is larger than " + std::to_string(limits_.MaxFileBytes) +
                        " bytes, more than such a file ever holds");
        return true;
    }
}

bool TextLineReader::Next(std::string& line) {
    if (!error_.empty() || fd_ < 0) return false;
    for (std::size_t scanned = start_;;) {
        const auto begin = buffer_.begin() + static_cast<long>(start_);
        const auto newline = std::find(buffer_.begin() + static_cast<long>(scanned),
                                       buffer_.begin() + static_cast<long>(end_), '\n');
        const auto length = static_cast<std::size_t>(newline - begin);
        if (length > limits_.MaxLineBytes) {
            ++lineNumber_;
            return Fail("the line is longer than " + std::to_string(limits_.MaxLineBytes) +
                        " bytes; it begins '" + Excerpt({&*begin, std::min<std::size_t>(length, 60)}) +
                        "'");
        }
        const bool found = newline != buffer_.begin() + static_cast<long>(end_);
        if (found || (atEnd_ && end_ > start_)) {
            line.assign(begin, begin + static_cast<long>(length));
            start_ += length + (found ? 1 : 0);
            lineEnded_ = found;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (lineNumber_++ == 0 && line.starts_with(kByteOrderMark))
                line.erase(0, kByteOrderMark.size());
            return true;
        }
        if (atEnd_) return false;
        scanned = end_ - start_;
        if (!Fill()) return false;
    }
}

} // namespace breathlab
