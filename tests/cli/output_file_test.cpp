// Output that cannot be written is an error, found at the first failed write;
// a sweep's file is replaced only by a complete one.
#include "output_file.h"
#include "scratch_folder.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <filesystem>
#include <fstream>
#include <streambuf>
#include <unistd.h>

namespace breathlab {
namespace {

// A device that takes `room` bytes and then is full.
class FullAfter : public std::streambuf {
public:
    explicit FullAfter(std::size_t room) : room_(room) {}
    std::size_t Taken() const { return taken_; }

protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        (void)s;
        if (taken_ + static_cast<std::size_t>(n) > room_) {
            errno = ENOSPC;
            return 0;
        }
        taken_ += static_cast<std::size_t>(n);
        return n;
    }

private:
    std::size_t room_;
    std::size_t taken_ = 0;
};

TEST(OutputErrors, AFailedWriteIsReportedWithItsReason) {
    FullAfter device(4);
    std::ostream out(&device);
    std::string error;
    out << "abc";
    EXPECT_TRUE(FlushChecked(out, "x.csv", error)) << error;
    out << "defgh";
    EXPECT_FALSE(FlushChecked(out, "x.csv", error));
    EXPECT_EQ(error, "cannot write x.csv: No space left on device");
}

// Ten thousand patients take minutes; a sweep that keeps computing after its
// output failed does not end within the test's time limit.
TEST(OutputErrors, ASweepStopsAtTheFirstFailedWrite) {
    std::string error;
    auto o = ParseSweepOptions({"--vary", "RPeripheral=3000:6000:10000", "--jobs", "2"}, error);
    ASSERT_TRUE(o) << error;
    FullAfter device(400); // the grid definition and the header fit, no row does
    std::ostream out(&device);
    EXPECT_FALSE(RunSweep(*o, nullptr, out, false, error));
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;

    FullAfter tiny(10); // not even the header
    std::ostream header(&tiny);
    EXPECT_FALSE(RunSweep(*o, nullptr, header, false, error));
    EXPECT_EQ(tiny.Taken(), 0u);
}

class TemporaryOutput : public test::ScratchFolderTest {
protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        target_ = (folder_ / "out.csv").string();
        std::ofstream(target_) << "previous";
    }
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                      std::filesystem::directory_iterator()));
    }
    std::string Target() const { return ReadFile(target_); }
    std::string target_;
};

TEST_F(TemporaryOutput, TwoWritersOfOneTargetNeverShareAFile) {
    TemporaryOutputFile first(target_), second(target_);
    std::string error;
    ASSERT_TRUE(first.Open(error)) << error;
    ASSERT_TRUE(second.Open(error)) << error;
    EXPECT_NE(first.Path(), second.Path());
    first.Stream() << "first";
    second.Stream() << "second";
    ASSERT_TRUE(second.Commit(error)) << error;
    EXPECT_EQ(Target(), "second");
    ASSERT_TRUE(first.Commit(error)) << error;
    EXPECT_EQ(Target(), "first");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(TemporaryOutput, AnUncommittedFileGoesAndTheTargetStays) {
    std::string error;
    {
        TemporaryOutputFile out(target_);
        ASSERT_TRUE(out.Open(error)) << error;
        out.Stream() << "half a sweep";
        EXPECT_TRUE(std::filesystem::exists(out.Path()));
        EXPECT_EQ(Entries(), 2u);
    }
    EXPECT_EQ(Entries(), 1u);
    EXPECT_EQ(Target(), "previous");

    TemporaryOutputFile nowhere((folder_ / "missing" / "out.csv").string());
    EXPECT_FALSE(nowhere.Open(error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

// A child process writes half a sweep and gets `signal`; returns its wait status.
int StatusOfInterruptedWriter(const std::string& target, int signal, bool ignoreFirst) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (ignoreFirst) std::signal(signal, SIG_IGN);
        TemporaryOutputFile out(target);
        std::string error;
        if (!out.Open(error)) ::_exit(10);
        out.Stream() << "half a sweep" << std::flush;
        ::raise(signal);
        ::_exit(out.Commit(error) ? 0 : 11);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// Every signal that ends the process by default takes the temporary file
// along, not only the two a terminal sends.
TEST_F(TemporaryOutput, EverySignalThatEndsTheProcessRemovesTheTemporaryFile) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGUSR1, SIGUSR2, SIGALRM}) {
        const int status = StatusOfInterruptedWriter(target_, signal, false);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal);
        EXPECT_EQ(Entries(), 1u) << signal;
        EXPECT_EQ(Target(), "previous");
    }
}

// nohup's ignored hang-up stays ignored: the sweep goes on and completes.
TEST_F(TemporaryOutput, AnIgnoredSignalStaysIgnored) {
    const int status = StatusOfInterruptedWriter(target_, SIGHUP, true);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(Target(), "half a sweep");
    EXPECT_EQ(Entries(), 1u);
}

} // namespace
} // namespace breathlab
