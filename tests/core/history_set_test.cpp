#include "history_commands.h"
#include "history_set_io.h"
#include "usable_history.h"

#include <gtest/gtest.h>

#include <cstring>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace breathlab {
namespace {

std::unique_ptr<RunHistory> MarkedHistory() {
    auto history = std::make_unique<RunHistory>();
    MakeUsable(history->Slots);
    for (int slot = 0; slot < kHistorySlots; ++slot) {
        history->Slots[slot].FEV1 = 1.0f + slot;
        history->Slots[slot].SampleVolume[0] = slot == 3 ? 2.5f : 0.0f;
    }
    return history;
}

TEST(HistorySetBytes, RoundTripThroughMemoryAndFileIsByteExact) {
    const auto original = MarkedHistory();
    const unsigned char* bytes = HistorySetBytes(original->Slots);
    std::vector<unsigned char> file(bytes, bytes + kHistorySetBytes);

    auto copy = std::make_unique<RunHistory>();
    std::string error;
    ASSERT_TRUE(HistorySetFromBytes(file.data(), file.size(), copy->Slots, error)) << error;
    EXPECT_EQ(0, std::memcmp(&copy->Slots, &original->Slots, kHistorySetBytes));

    const std::string path =
        (std::filesystem::temp_directory_path() / "core_history_set_test.spi").string();
    ASSERT_TRUE(WriteHistorySet(path, original->Slots, error)) << error;
    EXPECT_EQ(std::filesystem::file_size(path), 621360u);
    auto read = std::make_unique<RunHistory>();
    ASSERT_TRUE(ReadHistorySet(path, read->Slots, error)) << error;
    EXPECT_EQ(0, std::memcmp(&read->Slots, &original->Slots, kHistorySetBytes));
    std::remove(path.c_str());
}

TEST(HistorySetBytes, ShortDataIsRefusedAndLeavesTheHistoryAlone) {
    const auto original = MarkedHistory();
    auto target = MarkedHistory();
    target->Slots[0].FEV1 = 42.0f;
    std::string error;
    EXPECT_FALSE(HistorySetFromBytes(HistorySetBytes(original->Slots), kHistorySetBytes - 1,
                                     target->Slots, error));
    EXPECT_NE(error.find("621359 bytes"), std::string::npos) << error;
    EXPECT_EQ(target->Slots[0].FEV1, 42.0f);
}

TEST(HistoryAfterOpen, RestoringTheDefaultReferenceReexpressesListedRunsOnly) {
    auto history = MarkedHistory();
    CountRunsAfterOpen(*history);
    EXPECT_EQ(history->RunCount, 3); // only slot 3 occupied
    EXPECT_EQ(history->SelectedRun, 1);

    history->Slots[0].ParameterBlock[2][0] = 150.0f;
    history->Slots[0].GlobalParamBlock[16] = 50.0f;
    for (int slot = 1; slot < kHistorySlots; ++slot) {
        history->Slots[slot].ParameterBlock[2][0] = 200.0f;
        history->Slots[slot].GlobalParamBlock[16] = 80.0f;
    }
    ResultRecord defaults;
    defaults.FEV1 = 9.0f;
    RestoreDefaultReference(*history, defaults);
    EXPECT_EQ(history->Slots[0].FEV1, 9.0f);
    EXPECT_EQ(history->Slots[1].ParameterBlock[2][0], 300.0f);
    EXPECT_EQ(history->Slots[3].ParameterBlock[2][0], 300.0f);
    EXPECT_EQ(history->Slots[4].ParameterBlock[2][0], 200.0f); // never listed
    EXPECT_EQ(history->Slots[1].GlobalParamBlock[16], 80.0f);  // entry 17 is kept
}

} // namespace
} // namespace breathlab
