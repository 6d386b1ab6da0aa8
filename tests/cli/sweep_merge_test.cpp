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

// Rows that parse but contradict their own grid or the model: the grid
// gives patient 1 RPeripheral 4500, the model knows RunStatus 1, 0 and -1,
// and a completed run has every index while any other has none.
TEST_F(SweepMerge, RowsThatContradictTheirGridAreRefused) {
    const std::string a = Part("a.csv", kGrid, 1);
    const std::string partB = ReadFile(Part("b.csv", kGrid, 2));
    // A dead run, as the cheap grid's patients are; field 4 is FEV1.
    const std::string row = "1,4500,0,,,,,,,,,,,,\n";
    ASSERT_NE(partB.find(row), std::string::npos) << partB;
    const std::string head = partB.substr(0, partB.find(row));
    struct Case {
        std::string Row;
        std::string Problem;
    };
    for (const Case& c : {
             Case{"1,4600,0,,,,,,,,,,,,\n", ":7: the settings of patient 1 are not the grid's (1,4500)"},
             Case{"1,4500,2,,,,,,,,,,,,\n", ":7: RunStatus '2' is none of the model's (1, 0, -1)"},
             Case{"1,4500,0.5,,,,,,,,,,,,\n", ":7: RunStatus '0.5' is none"},
             Case{"1,4500,1,,,,,,,,,,,,\n", ":7: a completed run (RunStatus 1) lacks field 4"},
             Case{"1,4500,-1,2.5,,,,,,,,,,,\n", ":7: a run that did not complete has an index in field 4"},
         }) {
        const std::string file = Write("row.csv", head + c.Row);
        const std::string message = Merge({a, file});
        EXPECT_NE(message.find(file + c.Problem), std::string::npos) << message;
    }
}

// Parts whose definitions agree but whose header was changed alike (two
// columns swapped) would put every FEV1 under FVC: the header must be the
// one the grid gives, not only the first part's.
TEST_F(SweepMerge, AHeaderThatIsNotTheGridsIsRefusedEvenWhenThePartsAgree) {
    std::string partA = ReadFile(Part("a.csv", kGrid, 1));
    std::string partB = ReadFile(Part("b.csv", kGrid, 2));
    for (std::string* part : {&partA, &partB}) part->replace(part->find("FEV1,FVCEX"), 10, "FVCEX,FEV1");
    const std::string a = Write("a.csv", partA);
    EXPECT_EQ(Merge({a, Write("b.csv", partB)}),
              a + ":6: the column header is not the one its grid gives");
}

TEST_F(SweepMerge, NoFilesIsRefused) { EXPECT_EQ(Merge({}), "merge needs at least one file"); }

} // namespace
} // namespace breathlab
