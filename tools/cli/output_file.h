// Output that breathlab-cli can stand behind: every stream is flushed and
// checked before the program reports success, and a sweep's file appears
// under its name only when it is complete.
#pragma once

#include <fstream>
#include <ostream>
#include <string>

namespace breathlab {

// Flushes the stream; false with "cannot write NAME: REASON" when anything
// written to it did not reach its file (a full disk, /dev/full, a closed pipe).
bool FlushChecked(std::ostream& out, const std::string& name, std::string& error);

// The same for standard output, both its C++ stream and the C buffer below it.
bool FinishStandardOutput(std::string& error);

// A file with a unique name beside the target ("TARGET.XXXXXX.part"), so that
// two programs writing the same target never share it. It is removed again
// unless committed, also when SIGINT, SIGTERM or SIGHUP end the program, and
// the target stays untouched until the commit renames the file over it.
class TemporaryOutputFile {
public:
    explicit TemporaryOutputFile(std::string target);
    ~TemporaryOutputFile();
    TemporaryOutputFile(const TemporaryOutputFile&) = delete;
    TemporaryOutputFile& operator=(const TemporaryOutputFile&) = delete;

    // Creates the file; false with the reason when the folder refuses it.
    bool Open(std::string& error);
    std::ostream& Stream() { return stream_; }
    const std::string& Path() const { return path_; }

    // Closes the file, checks that all of it was written, and renames it to
    // the target.
    bool Commit(std::string& error);

private:
    void Discard();

    std::string target_;
    std::string path_;
    std::ofstream stream_;
    bool pending_ = false;
};

} // namespace breathlab
