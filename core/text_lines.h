// Text files from outside (sweep parts, the case table), read line by line
// within limits: a line or a file beyond them is damaged or no text file at
// all (/dev/zero, a binary), and would otherwise be read until memory runs
// out. A read error is an error, never the end of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace breathlab {

struct TextLimits {
    std::size_t MaxLineBytes;
    std::uint64_t MaxFileBytes;
};

class TextLineReader {
public:
    TextLineReader(std::string path, TextLimits limits);
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // False with Error() when the file cannot be opened.
    bool Open();

    // The next line without its end; a line end "\r\n" counts as "\n" and a
    // UTF-8 byte-order mark before the first line is dropped. False at the
    // end of the file, or with Error() set when a limit or a read failed.
    bool Next(std::string& line);

    // 1 for the first line; the number of the line Next gave last.
    long LineNumber() const { return lineNumber_; }
    // Whether the line Next gave last ended with a line end.
    bool LineEnded() const { return lineEnded_; }
    const std::string& Error() const { return error_; }
    const std::string& Path() const { return path_; }

    // "PATH:LINE: " for messages about the current line.
    std::string Where() const;

private:
    bool Fill();
    bool Fail(const std::string& problem);

    std::string path_;
    TextLimits limits_;
    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    std::uint64_t total_ = 0;
    bool atEnd_ = false;
    long lineNumber_ = 0;
    bool lineEnded_ = true;
    std::string error_;
};

} // namespace breathlab
