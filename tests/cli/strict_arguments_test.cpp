// Arguments are read strictly: every number must be plainly one, counts stay
// within their bounds, and a sweep labels its rows only with values it uses.
#include "cli_arguments.h"
#include "sweep.h"

#include <gtest/gtest.h>

namespace breathlab {
namespace {

using Args = std::vector<std::string>;

TEST(StrictNumbers, SettingsRunsStepsShardsAndJobsRefuseLooseText) {
    std::string error;
    for (const char* bad : {"RMain=0x64", "RMain= 50", "RMain=50 ", "RMain=+50", "G0x1=50"})
        EXPECT_FALSE(ParseSetting(bad, error)) << bad;
    for (const Args& bad : {Args{"--runs", "4294967297"}, Args{"--runs", "100001"},
                            Args{"--runs", " 3"}, Args{"--exercise", "0"},
                            Args{"--exercise", "100000"}, Args{"--exercise", "12.0"},
                            Args{"--exercise", "7", "--case", "normal"}})
        EXPECT_FALSE(ParseRunOptions(bad, error)) << bad[1];
    const auto exercise = ParseRunOptions({"--exercise", "99999"}, error);
    ASSERT_TRUE(exercise) << error;
    EXPECT_EQ(exercise->ExerciseNumber, 99999);
    const Args grid = {"--vary", "RMain=50:800:4"};
    for (const Args& extra :
         {Args{"--shard", "2/4294967298"}, Args{"--shard", "2/ 4"}, Args{"--shard", "2/4x"},
          Args{"--shard", "+1/2"}, Args{"--jobs", "0x2"}, Args{"--jobs", "4294967297"}}) {
        Args args = grid;
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_FALSE(ParseSweepOptions(args, error)) << extra[1];
    }
    for (const char* bad : {"RMain=50:800:0x4", "RMain=50:800: 4", "RMain=50:800:4294967297",
                            "RMain=0x32:800:4"})
        EXPECT_FALSE(ParseSweepOptions({"--vary", bad}, error)) << bad;

    auto sharded = ParseSweepOptions({"--vary", "RMain=50:800:4", "--shard", "2/4"}, error);
    ASSERT_TRUE(sharded) << error;
    EXPECT_EQ(sharded->ShardIndex, 2);
    EXPECT_EQ(sharded->ShardCount, 4);
}

TEST(SweepLabels, TheSameParameterTwiceIsAUsageError) {
    std::string error;
    for (const Args& bad : {
             Args{"--vary", "RMain=50:800:2", "--vary", "rmain=100:100:1"},
             Args{"--vary", "BothLungs.RMain=50:800:2", "--set", "RMain=60"},
             Args{"--vary", "RMain=50:800:2", "--set", "bothlungs.RMAIN=60"},
             Args{"--vary", "LeftLung.Cm=50:80:2", "--vary", "leftlung.cm=60:70:2"},
             Args{"--vary", "G1=50:80:2", "--set", "g1=60"},
             Args{"--vary", "Size=50:80:2", "--set", "CCC=60", "--set", "ccc=70"},
         }) {
        error.clear();
        EXPECT_FALSE(ParseSweepOptions(bad, error)) << bad[1] << " " << bad[3];
        EXPECT_NE(error.find("twice"), std::string::npos) << error;
    }
    // Different regions are different percentages.
    EXPECT_TRUE(ParseSweepOptions({"--vary", "RMain=50:800:2", "--vary", "LeftLung.RMain=60:70:2"},
                                  error))
        << error;
}

TEST(SweepLabels, ColumnsCarryTheProgramsOwnNames) {
    std::string error;
    auto o = ParseSweepOptions({"--vary", "bothlungs.rperipheral=50:800:2", "--vary",
                                "upperleftlobe.ccc=50:60:2", "--set", "g3=90"},
                               error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->Axes[0].Name, "RPeripheral");
    EXPECT_EQ(o->Axes[1].Name, "UpperLeftLobe.CCC");
    EXPECT_EQ(o->Fixed[0].first, "G3");
}

} // namespace
} // namespace breathlab
