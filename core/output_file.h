// Output that every front end can stand behind. A file is written under a
// temporary name beside its target and renamed over it only when every byte
// and the close have succeeded, so a full disk, a killed program or a bad
// target never leaves a half-written file or loses the previous one.
//
// Targets: the target must be absent or a regular file. A symbolic link is
// followed to the file it names, and that file is replaced (the link stays
// and shows the new content); a link to a device, a folder or a FIFO is
// refused like the device itself. A ".part" file left behind by kill -9 holds
// nothing the program needs and is safe to delete.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

namespace breathlab {

// Flushes the stream; false with "cannot write NAME: REASON" when anything
// written to it did not reach its file (a full disk, /dev/full, a closed pipe).
bool FlushChecked(std::ostream& out, const std::string& name, std::string& error);

// The same for standard output, both its C++ stream and the C buffer below it.
bool FinishStandardOutput(std::string& error);

// The file that writing `target` replaces: the target itself, or what its
// chain of symbolic links ends in. False with a message naming the target
// when that is anything but absent or a regular file.
bool ResolveOutputTarget(const std::string& target, std::string& finalPath, std::string& error);

// A file with a random name beside the final target ("TARGET.XXXXXX.part"),
// created exclusively and never through a link, so that nobody can plant a
// file or a link under the name in advance. It is removed again unless
// committed, also when a signal that ends the program arrives.
class TemporaryOutputFile {
public:
    explicit TemporaryOutputFile(std::string target);
    ~TemporaryOutputFile();
    TemporaryOutputFile(const TemporaryOutputFile&) = delete;
    TemporaryOutputFile& operator=(const TemporaryOutputFile&) = delete;

    // Checks the target and creates the file; false with the reason.
    bool Open(std::string& error);
    std::ostream& Stream() { return *stream_; }
    const std::string& Path() const { return path_; }

    // Checks every write and the close, then renames the file over the
    // target; on failure the target keeps its old content.
    bool Commit(std::string& error);

private:
    class DescriptorBuffer;
    void Discard();

    std::string target_;
    std::string final_;
    std::string path_;
    std::unique_ptr<DescriptorBuffer> buffer_;
    std::unique_ptr<std::ostream> stream_;
    bool pending_ = false;
};

// Writes bytes already in memory through a TemporaryOutputFile.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error);

} // namespace breathlab
