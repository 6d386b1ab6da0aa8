#include "cli_arguments.h"
#include "history_set_io.h"
#include "run_csv.h"
#include "run_report.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include "usable_history.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace breathlab {
namespace {

TEST(CommandLine, SettingsNameRegionsAndGlobalEntriesIgnoringCase) {
    std::string error;
    auto options = ParseRunOptions({"--set", "rmain=200", "--set", "upperleftlobe.CCC=150",
                                    "--set", "G3=80", "--runs", "3", "--json"},
                                   error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->Parameters.At(kBothLungs, 1), 200);
    EXPECT_EQ(options->Parameters.At(1, 6), 150);
    EXPECT_EQ(options->Parameters.GlobalParams[2], 80);
    EXPECT_EQ(options->Parameters.At(kLeftLung, 1), 100); // unset stays normal
    EXPECT_EQ(options->Runs, 3);
    EXPECT_TRUE(options->Json);
}

TEST(CommandLine, RefusesBadSettingsNamingTheArgument) {
    for (const char* bad : {"RMain", "RMain=", "RMain=-3", "RMain=0", "RMain=inf", "RMain=12x",
                            "Foo=50", "Left.RMain=50", "LeftLung.G2=50", "G21=50", "G0=50"}) {
        std::string error;
        EXPECT_FALSE(ParseRunOptions({"--set", bad}, error)) << bad;
        EXPECT_NE(error.find(bad), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(ParseRunOptions({"--runs"}, error));
    EXPECT_FALSE(ParseRunOptions({"--runs", "two"}, error));
}

class HistoryFiles : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("breathlab-test-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(HistoryFiles, RoundTripKeepsEveryByteIncludingReservedAreas) {
    auto written = std::make_unique<ResultHistory>();
    std::mt19937 random(7);
    auto* bytes = reinterpret_cast<unsigned char*>(written.get());
    for (std::size_t i = 0; i < sizeof(ResultHistory); ++i) bytes[i] = random() & 0xff;
    MakeUsable(*written);
    const auto file = (dir / "all.spi").string();
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file, written.get(), sizeof(ResultHistory), error)) << error;
    EXPECT_EQ(std::filesystem::file_size(file), 621360u);
    auto read = std::make_unique<ResultHistory>();
    ASSERT_TRUE(ReadHistorySet(file, *read, error)) << error;
    EXPECT_EQ(std::memcmp(read.get(), written.get(), sizeof(ResultHistory)), 0);
}

TEST_F(HistoryFiles, ShortFileIsRefusedAndLeavesTheHistoryAlone) {
    const auto file = (dir / "short.spi").string();
    std::ofstream(file, std::ios::binary) << std::string(621359, 'x');
    auto history = std::make_unique<ResultHistory>();
    history->at(2).FEV1 = 3.5f;
    std::string error;
    EXPECT_FALSE(ReadHistorySet(file, *history, error));
    EXPECT_NE(error.find("621359"), std::string::npos);
    EXPECT_EQ(history->at(2).FEV1, 3.5f);
    EXPECT_FALSE(ReadHistorySet((dir / "missing.spi").string(), *history, error));
}

TEST_F(HistoryFiles, FailedWriteLeavesNoFileBehind) {
    const auto target = dir / "sub";
    std::filesystem::create_directories(target); // a folder where the file should go
    char data[4] = {1, 2, 3, 4};
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(target.string(), data, sizeof data, error));
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(HistoryFiles, TraceCsvFilesHoldTheRecordedPointsAndSamples) {
    auto r = std::make_unique<ResultRecord>();
    r->TimeAxis[0] = 0.1f;
    r->TimeAxis[1] = 0.2f;
    r->VolumeTrace[1] = 3.5f;
    for (int i = 0; i < 4; ++i) r->SampleVolume[i] = 5.0f - i;
    r->SampleSignal[3] = -2.5f;
    r->LobeFlowLimitedTrace[2][4] = 1;
    const std::string prefix = (dir / "run").string();
    std::string error;
    ASSERT_TRUE(WriteTraceCsv(prefix, *r, error)) << error;

    std::ifstream volumeTime(prefix + "-volume-time.csv");
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(volumeTime, line)) lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "time_s,volume_l");
    EXPECT_EQ(lines[2], "0.200000003,3.5");

    std::ifstream flowVolume(prefix + "-flow-volume.csv");
    lines.clear();
    while (std::getline(flowVolume, line)) lines.push_back(line);
    ASSERT_EQ(lines.size(), 5u); // header and the four filled samples
    EXPECT_EQ(lines[0].rfind("sample,volume_l,flow_l_per_s,segment_resistance_1", 0), 0u);
    EXPECT_EQ(lines[4].rfind("4,2,-2.5,", 0), 0u);
    EXPECT_EQ(lines[2].back(), '1'); // sample 2, lobe 5 flow-limited
}

} // namespace
} // namespace breathlab
