// The page's session natively: the same code the WebAssembly build runs.
#include "page_session.h"

#include "bad_history_sets.h"
#include "history_set_io.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace breathlab {
namespace {

constexpr int kBothLungsRow = 2;
constexpr int kRPeripheral = 4;

class PageSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(ReadHistorySet(STANDARD_HISTORY_FILE, *standard, error)) << error;
        ASSERT_TRUE(session->StartUp(standard.get(), kHistorySetBytes, error)) << error;
    }

    std::unique_ptr<ResultHistory> standard = std::make_unique<ResultHistory>();
    std::unique_ptr<PageSession> session = std::make_unique<PageSession>();
};

TEST_F(PageSessionTest, ShortDataIsRefusedAtStartUpAndOnOpen) {
    std::string error;
    auto fresh = std::make_unique<PageSession>();
    EXPECT_FALSE(fresh->StartUp(standard.get(), kHistorySetBytes - 4, error));
    EXPECT_NE(error.find("621356 bytes"), std::string::npos) << error;

    const float referenceFev1 = session->Core().Runs().Slots[0].FEV1;
    EXPECT_FALSE(session->Core().OpenBytes(standard.get(), 100, error));
    EXPECT_EQ(session->Core().Runs().Slots[0].FEV1, referenceFev1);
    EXPECT_EQ(session->Core().Runs().RunCount, 0);
}

// An opened .spi goes through the core's check: the table of bad sets is
// refused by name, one byte too many as well, and the session stays as it was.
TEST_F(PageSessionTest, BadHistorySetsAreRefusedByNameOnOpen) {
    session->Core().Start();
    const std::string stateBefore = session->StateJson();
    auto bad = std::make_unique<ResultHistory>();
    std::string error;
    for (const BadHistorySet& spoiled : BadHistoryContents()) {
        SCOPED_TRACE(spoiled.Name);
        *bad = *standard;
        spoiled.Spoil(*bad);
        EXPECT_FALSE(session->Core().OpenBytes(bad.get(), kHistorySetBytes, error));
        EXPECT_NE(error.find(spoiled.Named), std::string::npos) << error;
        EXPECT_EQ(session->StateJson(), stateBefore);
    }
    std::vector<unsigned char> longer(HistorySetBytes(*standard),
                                      HistorySetBytes(*standard) + kHistorySetBytes);
    longer.push_back(0);
    EXPECT_FALSE(session->Core().OpenBytes(longer.data(), longer.size(), error));
    EXPECT_NE(error.find("621361 bytes"), std::string::npos) << error;
    EXPECT_TRUE(session->Core().OpenBytes(standard.get(), kHistorySetBytes, error)) << error;
}

TEST_F(PageSessionTest, CommandsBringTheShownRunsPercentagesBackIntoTheWorkingSet) {
    session->Core().Parameters().At(0, 5) = 200.0; // RPeripheral of both lungs
    session->Core().Start();
    EXPECT_EQ(session->Core().Runs().RunCount, 1);
    EXPECT_EQ(session->Core().Runs().SelectedRun, 1);
    EXPECT_EQ(session->Core().Runs().Slots[1].ParameterBlock[kBothLungsRow][kRPeripheral], 200.0f);
    EXPECT_EQ(session->Core().Runs().Slots[1].RunStatus, 1.0f);

    session->Core().Parameters().At(0, 5) = 50.0;
    EXPECT_TRUE(session->Core().SelectRun(1));
    EXPECT_EQ(session->Core().Parameters().At(0, 5), 200.0);
    EXPECT_FALSE(session->Core().SelectRun(2)); // not listed

    EXPECT_TRUE(session->Core().UseSelectedAsReference());
    EXPECT_EQ(session->Core().Parameters().At(0, 5), 100.0);
    EXPECT_EQ(session->Core().Runs().Slots[0].ParameterBlock[kBothLungsRow][kRPeripheral], 200.0f);

    session->Core().RestoreDefaultReference();
    EXPECT_EQ(session->Core().Parameters().At(0, 5), 200.0);
    EXPECT_EQ(session->Core().Runs().Slots[0].FEV1, (*standard)[0].FEV1);

    EXPECT_TRUE(session->Core().DeleteSelected());
    EXPECT_EQ(session->Core().Runs().SelectedRun, -1);
    EXPECT_FALSE(session->Core().DeleteSelected());
}

TEST_F(PageSessionTest, StateNamesTheSelectionAndTheShownIndices) {
    const std::string before = session->StateJson();
    EXPECT_NE(before.find("\"SelectedRun\":-1,\"RunCount\":0"), std::string::npos);
    EXPECT_NE(before.find("[\"FEV1\",\"l\",\"2.84\",\"\",\"\"]"), std::string::npos) << before;
    session->Core().Start();
    const std::string after = session->StateJson();
    EXPECT_NE(after.find("[\"FEV1\",\"l\",\"2.84\",\"2.84\",\"100\"]"), std::string::npos) << after;
}

} // namespace
} // namespace breathlab
