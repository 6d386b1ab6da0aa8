// merge puts together only parts of one grid, and only whole, numeric rows.
#include "scratch_folder.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace breathlab {
namespace {

using Args = std::vector<std::string>;

class SweepMerge : public test::ScratchFolderTest {
protected:
    // Shard `shard` of 2 of a sweep of cheap patients, written to a file.
    std::string Part(const std::string& name, Args args, int shard) {
        std::string error;
        args.insert(args.end(), {"--jobs", "1", "--shard", std::to_string(shard) + "/2"});
        auto o = ParseSweepOptions(args, error);
        EXPECT_TRUE(o) << error;
        std::ostringstream out;
        EXPECT_TRUE(RunSweep(*o, nullptr, out, false, error)) << error;
        return Write(name, out.str());
    }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // merge's message for the two files, or "merged" when it accepts them.
    static std::string Merge(const std::vector<std::string>& files) {
        std::ostringstream out;
        std::string error;
        return MergeSweepFiles(files, out, error) ? "merged" : error;
    }
};

const Args kGrid = {"--vary", "RPeripheral=3000:6000:3"};

Args With(Args extra) {
    Args args = kGrid;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST_F(SweepMerge, PartsOfDifferentGridsAreRefusedNamingTheFirstDifference) {
    const std::string a = Part("a.csv", kGrid, 1);
    EXPECT_EQ(Merge({a, Part("b.csv", kGrid, 2)}), "merged");

    struct Case {
        Args Other;
        std::string Difference;
    };
    for (const Case& c : {
             Case{{"--vary", "RPeripheral=3000:7000:3"}, "'vary: RPeripheral=3000:7000:3'"},
             Case{{"--vary", "RPeripheral=3000:6000:4"}, "'patients: 4'"},
             Case{With({"--scale", "log"}), "'scale: log'"},
             Case{With({"--set", "Cm=75"}), "'set: Cm=75'"},
             Case{{"--vary", "RMain=3000:6000:3"}, "'vary: RMain=3000:6000:3'"},
         }) {
        const std::string other = Part("other.csv", c.Other, 2);
        const std::string message = Merge({a, other});
        EXPECT_NE(message.find("belongs to another sweep"), std::string::npos) << message;
        EXPECT_NE(message.find(c.Difference), std::string::npos) << message;
    }
}

TEST_F(SweepMerge, TheGridDefinitionNamesTheModelVersionAndEveryAxis) {
    const std::string text = ReadFile(Part("a.csv", With({"--set", "Cm=75", "--scale", "log"}), 1));
    EXPECT_EQ(text.rfind("# breathlab sweep\n# model: breathlab ", 0), 0u) << text;
    EXPECT_NE(text.find("\n# patients: 3\n# scale: log\n# vary: RPeripheral=3000:6000:3\n"
                        "# set: Cm=75\npatient,RPeripheral,Cm,RunStatus,"),
              std::string::npos)
        << text;
}

TEST_F(SweepMerge, DamagedRowsAreRefusedNamingFileAndLine) {
    const std::string a = Part("a.csv", kGrid, 1);
    const std::string b = Part("b.csv", kGrid, 2);
    const std::string partB = ReadFile(b);
    const long headerLines = 6; // five definition lines and the header
    const auto lastRow = partB.rfind('\n', partB.size() - 2) + 1;

    // Cut in the middle of its last row, as an interrupted sweep leaves it.
    const std::string cut = Write("cut.csv", partB.substr(0, partB.size() - 3));
    EXPECT_EQ(Merge({a, cut}), cut + ":" + std::to_string(headerLines + 1) +
                                   ": the last row is cut short (it has no line end)");
    // Cut just after a comma: fewer fields than the header.
    const std::string fewer = Write("fewer.csv", partB.substr(0, lastRow) + "1,4500,0\n");
    EXPECT_NE(Merge({a, fewer}).find(fewer + ":7: the row has 3 fields, the header 15"),
              std::string::npos)
        << Merge({a, fewer});

    std::string bad = partB;
    bad.replace(bad.find(",0,", lastRow), 3, ",zero,");
    const std::string word = Write("word.csv", bad);
    EXPECT_NE(Merge({a, word}).find(word + ":7: field 3 'zero' is not a number"),
              std::string::npos)
        << Merge({a, word});

    for (const char* value : {"0x1", " 1", "NaN", "inf"}) {
        std::string odd = partB;
        odd.replace(odd.find(",0,", lastRow), 3, std::string(",") + value + ",");
        const std::string file = Write("odd.csv", odd);
        EXPECT_NE(Merge({a, file}).find("is not a number"), std::string::npos) << value;
    }
    const std::string beyond = Write("beyond.csv", partB.substr(0, lastRow) + "3" +
                                                       partB.substr(lastRow + 1));
    EXPECT_NE(Merge({a, beyond}).find("'3' is not a patient of the grid"), std::string::npos);
}

TEST_F(SweepMerge, NoFilesIsRefused) { EXPECT_EQ(Merge({}), "merge needs at least one file"); }

} // namespace
} // namespace breathlab
