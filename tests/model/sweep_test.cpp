#include "session.h"
#include "sweep.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace breathlab {
namespace {

SweepOptions Parse(std::vector<std::string> args) {
    std::string error;
    auto options = ParseSweepOptions(args, error);
    EXPECT_TRUE(options) << error;
    return options.value_or(SweepOptions{});
}

std::string Sweep(const SweepOptions& o) {
    std::ostringstream out;
    std::string error;
    EXPECT_TRUE(RunSweep(o, nullptr, out, false, error)) << error;
    return out.str();
}

TEST(SweepGrid, FirstAxisVariesSlowestOnLinearOrLogScales) {
    auto o = Parse({"--vary", "RMain=50:150:3", "--vary", "LeftLung.Cm=80:100:2"});
    ASSERT_EQ(GridSize(o), 6);
    EXPECT_EQ(AxisValue(o, 0, 0), 50);
    EXPECT_EQ(AxisValue(o, 0, 2), 100);
    EXPECT_EQ(AxisValue(o, 0, 5), 150);
    EXPECT_EQ(AxisValue(o, 1, 0), 80);
    EXPECT_EQ(AxisValue(o, 1, 1), 100);
    EXPECT_EQ(AxisValue(o, 1, 2), 80);
    o.Scale = SweepScale::Log;
    EXPECT_DOUBLE_EQ(AxisValue(o, 0, 2), std::sqrt(50.0 * 150.0));
}

TEST(SweepGrid, RefusesBadArguments) {
    std::string error;
    for (std::vector<std::string> bad :
         {std::vector<std::string>{}, {"--vary", "RMain=50:150"}, {"--vary", "RMain=50:0:3"},
          {"--vary", "RMain=50:150:0"}, {"--vary", "Nope=1:2:2"}, {"--vary", "RMain=1:2:2", "--jobs", "0"},
          {"--vary", "RMain=1:2:2", "--shard", "3/2"}, {"--vary", "RMain=1:2:2", "--shard", "0/2"},
          {"--vary", "RMain=1:2:2", "--scale", "cubic"}, {"--vary", "RMain=1:2:2", "--jobs"}}) {
        EXPECT_FALSE(ParseSweepOptions(bad, error));
        EXPECT_FALSE(error.empty());
    }
}

// Three cheap patients: airways so narrow that quiet breathing fails early.
const std::vector<std::string> kCheapGrid = {"--vary", "RPeripheral=3000:6000:3"};

TEST(SweepRun, ResultsDoNotDependOnJobsOrShards) {
    auto one = Parse(kCheapGrid);
    one.Jobs = 1;
    auto two = one;
    two.Jobs = 2;
    const std::string serial = Sweep(one);
    EXPECT_EQ(serial, Sweep(two));

    // Shards computed separately and merged give the same file.
    auto dir = std::filesystem::temp_directory_path() / ("sweep-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::vector<std::string> files;
    for (int shard = 1; shard <= 2; ++shard) {
        auto part = one;
        part.ShardIndex = shard;
        part.ShardCount = 2;
        files.push_back((dir / ("part" + std::to_string(shard) + ".csv")).string());
        std::ofstream(files.back()) << Sweep(part);
    }
    std::ostringstream merged;
    std::string error;
    EXPECT_TRUE(MergeSweepFiles({files[1], files[0]}, merged, error)) << error;
    EXPECT_EQ(merged.str(), serial);

    // A part given twice overlaps; a part left out leaves rows missing.
    EXPECT_FALSE(MergeSweepFiles({files[0], files[0], files[1]}, merged, error));
    EXPECT_NE(error.find("twice"), std::string::npos);
    EXPECT_FALSE(MergeSweepFiles({files[0]}, merged, error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(SweepRun, PatientRowMatchesASingleRunBitForBit) {
    auto o = Parse({"--vary", "RMiddle=200:200:1", "--set", "Size=90"});
    std::istringstream rows(Sweep(o));
    std::string header, row;
    while (std::getline(rows, header) && header.rfind("# ", 0) == 0) {
    }
    std::getline(rows, row);

    Session session;
    ParameterSet p;
    p.At(kBothLungs, 3) = 200;
    p.At(kBothLungs, 7) = 90;
    session.Start(p);
    const ResultRecord& r = session.History()[1];
    char expected[256];
    std::snprintf(expected, sizeof expected, "0,200,90,%.9g,%.9g,%.9g,%.9g,%.9g", r.RunStatus, r.FEV1,
                  r.FVCEX, r.FEV1PercentFVC, r.PEF);
    EXPECT_EQ(row.rfind(expected, 0), 0u) << row << "\n" << expected;
}

// A sweep copies one settled start-up session for each patient; the copy must
// run exactly as a session built afresh, model state and record alike.
TEST(SweepRun, CopiedSettledSessionRunsLikeAFreshOne) {
    const Session settled;
    Session copy(settled), fresh;
    ParameterSet p;
    p.At(kBothLungs, 5) = 3000; // cheap: quiet breathing fails early
    copy.Start(p);
    fresh.Start(p);
    EXPECT_EQ(std::memcmp(&copy.History()[1], &fresh.History()[1], sizeof(ResultRecord)), 0);
    EXPECT_EQ(copy.Model().Time, fresh.Model().Time);
    EXPECT_EQ(copy.Model().TotalVolume, fresh.Model().TotalVolume);
    EXPECT_EQ(copy.Model().LobeVolume, fresh.Model().LobeVolume);
    // The settled original is left as it was.
    EXPECT_EQ(settled.Model().Time, Session().Model().Time);
}

} // namespace
} // namespace breathlab
