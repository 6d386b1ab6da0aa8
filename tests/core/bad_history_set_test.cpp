// breathlab-cli's reader of history sets (run --reference) against the table
// of bad sets and against files that are no history set at all: a FIFO that
// would block, a device that never ends, a sparse file of ten gigabytes.
#include "bad_history_sets.h"
#include "history_set_io.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace breathlab {
namespace {

class HistorySetReader : public ::testing::Test {
protected:
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                    ("core-bad-history-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(folder_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Reads `path` into a history marked beforehand; the mark must survive a refusal.
    void ExpectRefused(const std::string& path, const std::string& named) {
        auto history = std::make_unique<ResultHistory>();
        FillWithUsablePattern(*history, 5);
        const auto before = std::make_unique<ResultHistory>(*history);
        std::string error;
        EXPECT_FALSE(ReadHistorySet(path, *history, error)) << path;
        EXPECT_NE(error.find(named), std::string::npos) << error;
        EXPECT_EQ(std::memcmp(history.get(), before.get(), sizeof(ResultHistory)), 0) << path;
    }
};

TEST_F(HistorySetReader, EverySpoiledFieldIsRefusedByName) {
    for (const BadHistorySet& bad : BadHistoryContents()) {
        SCOPED_TRACE(bad.Name);
        auto set = std::make_unique<ResultHistory>();
        FillWithUsablePattern(*set, 9);
        bad.Spoil(*set);
        const std::string path = (folder_ / "bad.spi").string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(set.get()), sizeof(ResultHistory));
        ExpectRefused(path, bad.Named);
    }
}

TEST_F(HistorySetReader, OnlyARegularFileOfTheExactSizeIsRead) {
    const auto usable = std::make_unique<ResultHistory>();
    FillWithUsablePattern(*usable, 3);
    const std::string bytes(reinterpret_cast<const char*>(usable.get()), sizeof(ResultHistory));
    const std::string shortFile = (folder_ / "short.spi").string();
    const std::string longFile = (folder_ / "long.spi").string();
    const std::string sparse = (folder_ / "sparse.spi").string();
    const std::string fifo = (folder_ / "fifo.spi").string();
    std::ofstream(shortFile, std::ios::binary) << bytes.substr(1);
    std::ofstream(longFile, std::ios::binary) << bytes << 'x';
    std::ofstream{sparse};
    ASSERT_EQ(::truncate(sparse.c_str(), 10'000'000'000LL), 0);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    ExpectRefused(shortFile, "621359 bytes, a history set has 621360");
    ExpectRefused(longFile, "621361 bytes");
    ExpectRefused(sparse, "10000000000 bytes");
    // Without a writer a FIFO would block the open for ever.
    ExpectRefused(fifo, "not a regular file");
    ExpectRefused(folder_.string(), "not a regular file");
    ExpectRefused("/dev/zero", "not a regular file");
    ExpectRefused((folder_ / "missing.spi").string(), "No such file");
}

TEST_F(HistorySetReader, TheShippedSetsReadByteForByte) {
    for (const auto& path : ShippedHistorySets(BREATHLAB_SOURCE_DIR)) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        auto history = std::make_unique<ResultHistory>();
        std::string error;
        ASSERT_TRUE(ReadHistorySet(path.string(), *history, error)) << error;
        EXPECT_EQ(std::memcmp(history.get(), bytes.data(), sizeof(ResultHistory)), 0) << path;
    }
}

} // namespace
} // namespace breathlab
