#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "slider_bank.h"

using namespace breathlab;

namespace {

struct Recorder {
    std::vector<std::pair<int, int>> moves; // slider, position
    std::vector<SettingsCellUpdate> cells;
    std::vector<int> descriptions;
    int clears = 0;

    SliderBankObserver Observer() {
        return {[this](int k, int p) { moves.emplace_back(k, p); },
                [this](const SettingsCellUpdate& cell) { cells.push_back(cell); },
                [this](int block) { descriptions.push_back(block); }, [this] { ++clears; }};
    }
    bool Quiet() const { return moves.empty() && cells.empty() && descriptions.empty(); }
};

std::unique_ptr<ResultHistory> HistoryOfHundreds() {
    auto history = std::make_unique<ResultHistory>();
    for (ResultRecord& record : *history) {
        for (auto& row : record.ParameterBlock)
            for (float& value : row)
                value = 100.0f;
        for (float& value : record.GlobalParamBlock)
            value = 100.0f;
    }
    return history;
}

class SliderBankTest : public testing::Test {
  protected:
    SliderBankTest() { bank.SetObserver(recorder.Observer()); }

    float& Stored(int slot, int region, int parameter) {
        return (*history)[slot].ParameterBlock[RegionRow(region)][parameter - 1];
    }

    ParameterSet params;
    SliderBank bank{params};
    Recorder recorder;
    std::unique_ptr<ResultHistory> history = HistoryOfHundreds();
};

TEST_F(SliderBankTest, MovingASliderStoresItsPercentageAndReports) {
    EXPECT_TRUE(bank.SetPosition(5, 300));
    EXPECT_EQ(params.At(kBothLungs, 5), 200.0);
    ASSERT_EQ(recorder.cells.size(), 1u);
    EXPECT_EQ(recorder.cells[0].Grid, SettingsGrid::ResultsTable);
    EXPECT_EQ(recorder.cells[0].Column, 6);
    EXPECT_EQ(recorder.cells[0].Percent, 200.0);
    EXPECT_EQ(recorder.descriptions, std::vector<int>{5});
    EXPECT_EQ(recorder.moves, (std::vector<std::pair<int, int>>{{5, 300}}));
    EXPECT_EQ(params.At(kLeftLung, 5), 100.0); // only row BothLungs follows the sliders
}

TEST_F(SliderBankTest, PositionsAreClampedAndOnlyRealMovesRunTheHandler) {
    EXPECT_TRUE(bank.SetPosition(7, 9999));
    EXPECT_EQ(bank.Position(7), 500);
    EXPECT_EQ(params.At(kBothLungs, 7), 150.0);
    recorder = Recorder{};
    bank.SetObserver(recorder.Observer());
    EXPECT_FALSE(bank.SetPosition(7, 600)); // clamps to where it already stands
    EXPECT_FALSE(bank.SetPosition(1, 200));
    EXPECT_TRUE(recorder.Quiet());
}

TEST_F(SliderBankTest, ExpirationDepthEditsGlobalEntryOne) {
    EXPECT_TRUE(bank.SetPosition(kExpirationDepthSlider, 0));
    EXPECT_EQ(params.GlobalParams[0], 25.0);
    ASSERT_EQ(recorder.cells.size(), 1u);
    EXPECT_EQ(recorder.cells[0].Grid, SettingsGrid::ExpirationDepth);
    EXPECT_EQ(recorder.cells[0].Column, 0);
    EXPECT_EQ(recorder.cells[0].Percent, 25.0);
    EXPECT_TRUE(recorder.descriptions.empty());
}

TEST_F(SliderBankTest, LoadMovesSlidersAndRoundsOnlyWhatMoved) {
    Stored(2, kBothLungs, 1) = 150.0f; // log scale: position 258 shows 149
    Stored(2, kBothLungs, 8) = 20.0f;  // below the quarter scale: its minimum, 50
    Stored(2, kBothLungs, 3) = 20.0f;  // below the log scale: position 100, 50
    Stored(2, kRightLung, 2) = 123.5f; // no slider shows other regions
    (*history)[2].GlobalParamBlock[0] = 400.0f;
    (*history)[2].GlobalParamBlock[1] = 77.0f;

    ASSERT_TRUE(bank.LoadSlidersFromSlot(*history, 2));
    EXPECT_EQ(bank.Position(1), 258);
    EXPECT_EQ(params.At(kBothLungs, 1), 149.0);
    EXPECT_EQ(bank.Position(3), 100);
    EXPECT_EQ(params.At(kBothLungs, 3), 50.0);
    EXPECT_EQ(bank.Position(8), 100);
    EXPECT_EQ(params.At(kBothLungs, 8), 50.0);
    EXPECT_EQ(params.At(kRightLung, 2), 123.5);
    EXPECT_EQ(bank.Position(kExpirationDepthSlider), 400);
    EXPECT_EQ(params.GlobalParams[0], 400.0);
    EXPECT_EQ(params.GlobalParams[1], 100.0); // the row selection copies the rest itself
    EXPECT_EQ(recorder.descriptions, (std::vector<int>{1, 3, 8}));
}

TEST_F(SliderBankTest, LoadKeepsTheValueOfASliderThatDoesNotMove) {
    bank.SetPosition(1, 258);
    Stored(3, kBothLungs, 1) = 150.0f;
    Stored(3, kBothLungs, 2) = 100.25f; // half scale: position 200 where it stands
    recorder = Recorder{};
    bank.SetObserver(recorder.Observer());

    ASSERT_TRUE(bank.LoadSlidersFromSlot(*history, 3));
    EXPECT_EQ(params.At(kBothLungs, 1), 150.0);
    EXPECT_EQ(params.At(kBothLungs, 2), 100.25);
    EXPECT_TRUE(recorder.Quiet());
}

TEST_F(SliderBankTest, SlotMinusOneIsTheReferenceAndOtherSlotsAreRefused) {
    Stored(0, kBothLungs, 6) = 250.0f;
    ASSERT_TRUE(bank.LoadSlidersFromSlot(*history, -1));
    EXPECT_EQ(bank.Position(6), 500);
    EXPECT_FALSE(bank.LoadSlidersFromSlot(*history, 5));
    EXPECT_FALSE(bank.LoadSlidersFromSlot(*history, -2));
    EXPECT_EQ(bank.Position(6), 500);
}

TEST_F(SliderBankTest, OddStoredValuesLoadToTheNearestPosition) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    Stored(1, kBothLungs, 1) = 0.0f;
    Stored(1, kBothLungs, 2) = -5.0f;
    Stored(1, kBothLungs, 3) = nan;
    Stored(1, kBothLungs, 5) = inf;
    Stored(1, kBothLungs, 6) = 1e30f;
    Stored(1, kBothLungs, 7) = -inf;
    (*history)[1].GlobalParamBlock[0] = nan;

    ASSERT_TRUE(bank.LoadSlidersFromSlot(*history, 1));
    EXPECT_EQ(bank.Position(1), 100);
    EXPECT_EQ(params.At(kBothLungs, 1), 50.0);
    EXPECT_EQ(bank.Position(2), 100);
    EXPECT_EQ(params.At(kBothLungs, 2), 50.0);
    EXPECT_EQ(bank.Position(3), 200); // NaN: the default, where it stands, so the value stays
    EXPECT_TRUE(std::isnan(params.At(kBothLungs, 3)));
    EXPECT_EQ(bank.Position(5), 500);
    EXPECT_EQ(params.At(kBothLungs, 5), 800.0);
    EXPECT_EQ(bank.Position(6), 500);
    EXPECT_EQ(params.At(kBothLungs, 6), 250.0);
    EXPECT_EQ(bank.Position(7), 100);
    EXPECT_EQ(params.At(kBothLungs, 7), 50.0);
    EXPECT_EQ(bank.Position(kExpirationDepthSlider), 200);
}

TEST_F(SliderBankTest, ResetWithEverySliderAtItsDefaultRunsNoHandler) {
    params.At(kBothLungs, 1) = 150.0; // a loaded value the reset must not touch
    bank.ResetSliders();
    EXPECT_TRUE(recorder.Quiet());
    EXPECT_EQ(recorder.clears, 1);
    EXPECT_EQ(params.At(kBothLungs, 1), 150.0);
}

TEST_F(SliderBankTest, ResetMovesBackOnlyTheMovedSliders) {
    bank.SetPosition(3, 600);
    bank.SetPosition(8, 100);
    bank.SetPosition(kExpirationDepthSlider, 50);
    recorder = Recorder{};
    bank.SetObserver(recorder.Observer());

    bank.ResetSliders();
    for (int k = 1; k <= kSliderCount; ++k)
        EXPECT_EQ(bank.Position(k), Slider(k).Scale.Default);
    EXPECT_EQ(params.At(kBothLungs, 3), 100.0);
    EXPECT_EQ(params.At(kBothLungs, 8), 100.0);
    EXPECT_EQ(params.GlobalParams[0], 100.0);
    EXPECT_EQ(recorder.moves, (std::vector<std::pair<int, int>>{
                                  {3, 200}, {8, 300}, {kExpirationDepthSlider, 200}}));
    EXPECT_EQ(recorder.clears, 1);
}

TEST_F(SliderBankTest, ResetAllRestoresEveryPercentage) {
    Stored(1, kLeftLung, 4) = 70.0f;
    bank.LoadSlidersFromSlot(*history, 1);
    params.GlobalParams[19] = 5.0;
    bank.SetPosition(1, 500);

    bank.ResetAll();
    EXPECT_EQ(bank.Position(1), 200);
    EXPECT_EQ(params.At(kLeftLung, 4), 100.0);
    EXPECT_EQ(params.GlobalParams[19], 100.0);
}

TEST_F(SliderBankTest, SelectSliderGroupStoresTheGroup) {
    const SliderGroupControls controls = bank.SelectSliderGroup(kPeripheralGroup);
    EXPECT_EQ(params.SliderGroup, kPeripheralGroup);
    EXPECT_TRUE(controls.SliderEnabled(5));
    EXPECT_FALSE(controls.SliderEnabled(1));
    bank.SelectSliderGroup(kNoSliderGroup);
    EXPECT_EQ(params.SliderGroup, kNoSliderGroup);
}

} // namespace
