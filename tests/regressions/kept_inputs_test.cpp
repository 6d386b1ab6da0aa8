// Replays every kept input of every harness: a reader that crashes, trips a
// sanitizer or breaks one of the harness's checks on any of them fails here.
#include "harness_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

struct KeptInput {
    const HarnessEntry* Harness;
    fs::path File;
};

std::vector<KeptInput> AllKeptInputs() {
    std::vector<KeptInput> inputs;
    for (const HarnessEntry& harness : kHarnessTable)
        for (const char* kind : {"corpus", "crashes"}) {
            const fs::path folder = fs::path(BREATHLAB_SOURCE_DIR) / "fuzz" / kind / harness.Name;
            if (!fs::is_directory(folder)) continue;
            for (const auto& entry : fs::directory_iterator(folder))
                if (entry.is_regular_file()) inputs.push_back({&harness, entry.path()});
        }
    return inputs;
}

std::string TestName(const testing::TestParamInfo<KeptInput>& info) {
    std::string name = info.param.Harness->Name + "_" + info.param.File.parent_path()
                                                             .parent_path()
                                                             .filename()
                                                             .string() +
                       "_" + info.param.File.filename().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

class KeptInputReplay : public testing::TestWithParam<KeptInput> {};

TEST_P(KeptInputReplay, ReaderHoldsItsPromises) {
    std::ifstream file(GetParam().File, std::ios::binary);
    ASSERT_TRUE(file) << GetParam().File;
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    GetParam().Harness->Run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Fuzz, KeptInputReplay, testing::ValuesIn(AllKeptInputs()), TestName);

TEST(KeptInputs, EveryHarnessHasSeeds) {
    for (const HarnessEntry& harness : kHarnessTable) {
        const fs::path seeds = fs::path(BREATHLAB_SOURCE_DIR) / "fuzz" / "corpus" / harness.Name;
        EXPECT_TRUE(fs::is_directory(seeds) && !fs::is_empty(seeds)) << harness.Name;
    }
}

} // namespace
