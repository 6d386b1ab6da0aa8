#include "history_commands.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace breathlab {
namespace {

constexpr int kRMain = 0;           // column of parameter 1
constexpr int kBoth = RegionRow(0); // row of both lungs
constexpr float kFloatMax = std::numeric_limits<float>::max();

// Each slot is told apart by its FEV1 (10 + slot) and holds samples and traces.
std::unique_ptr<RunHistory> MarkedHistory(int runCount, int selectedRun) {
    auto history = std::make_unique<RunHistory>();
    for (int slot = 0; slot < kHistorySlots; ++slot) {
        ResultRecord& record = history->Slots[slot];
        record.FEV1 = 10.0f + slot;
        std::fill(std::begin(record.SampleVolume), std::end(record.SampleVolume), 2.0f);
        std::fill(std::begin(record.SampleSignal), std::end(record.SampleSignal), -1.0f);
        std::fill(std::begin(record.VolumeTrace), std::end(record.VolumeTrace), 3.0f);
        for (auto& row : record.ParameterBlock)
            std::fill(std::begin(row), std::end(row), 90.0f);
    }
    history->RunCount = runCount;
    history->SelectedRun = selectedRun;
    return history;
}

using SlotValues = std::array<float, kHistorySlots>;

SlotValues Marks(const RunHistory& history) {
    SlotValues marks;
    for (int slot = 0; slot < kHistorySlots; ++slot)
        marks[slot] = history.Slots[slot].FEV1;
    return marks;
}

SlotValues RMains(const RunHistory& history) {
    SlotValues values;
    for (int slot = 0; slot < kHistorySlots; ++slot)
        values[slot] = history.Slots[slot].ParameterBlock[kBoth][kRMain];
    return values;
}

void SetRMains(RunHistory& history, const SlotValues& values) {
    for (int slot = 0; slot < kHistorySlots; ++slot)
        history.Slots[slot].ParameterBlock[kBoth][kRMain] = values[slot];
}

bool HasSamples(const ResultRecord& record) {
    return record.SampleVolume[0] != 0.0f && record.SampleSignal[kSampleCapacity - 1] != 0.0f;
}

// A whole START without the run itself; the "run" leaves its mark in slot 1.
void StartRun(RunHistory& history, const ParameterSet& parameters, float mark) {
    auto kept = PrepareWorkingSlot(history, parameters);
    history.Slots[1].FEV1 = mark;
    StoreFinishedRun(history, *kept);
}

TEST(StartRun, WorkingSlotGetsTheParameterSetAndLosesItsTraces) {
    auto history = MarkedHistory(1, 1);
    ParameterSet parameters;
    parameters.At(0, 1) = 150.25;
    parameters.At(5, 8) = 1e300;
    parameters.At(-2, 3) = std::numeric_limits<double>::quiet_NaN();
    parameters.GlobalParams[0] = 250.0;

    const auto kept = PrepareWorkingSlot(*history, parameters);
    EXPECT_EQ(kept->FEV1, 11.0f);
    EXPECT_TRUE(HasSamples(*kept));

    const ResultRecord& working = history->Slots[1];
    EXPECT_EQ(working.SampleVolume[kSampleCapacity - 1], 0.0f);
    EXPECT_EQ(working.SampleSignal[0], 0.0f);
    EXPECT_EQ(working.VolumeTrace[999], 0.0f);
    EXPECT_EQ(working.FEV1, 11.0f); // the run overwrites the indices itself
    EXPECT_EQ(working.ParameterBlock[kBoth][kRMain], 150.25f);
    EXPECT_EQ(working.ParameterBlock[RegionRow(5)][7], kFloatMax);
    EXPECT_TRUE(std::isnan(working.ParameterBlock[RegionRow(-2)][2]));
    EXPECT_EQ(working.ParameterBlock[kBoth][8], 90.0f); // reserved columns untouched
    EXPECT_EQ(working.GlobalParamBlock[0], 250.0f);
    EXPECT_EQ(working.GlobalParamBlock[19], 100.0f);
}

TEST(StartRun, FirstRunPushesTheOldNewestIntoSlotTwo) {
    auto history = MarkedHistory(0, -1);
    StartRun(*history, ParameterSet(), 50.0f);
    EXPECT_EQ(Marks(*history), (SlotValues{10, 50, 11, 12, 13}));
    EXPECT_TRUE(HasSamples(history->Slots[2]));
    EXPECT_EQ(history->RunCount, 1);
    EXPECT_EQ(history->SelectedRun, 1);
}

TEST(StartRun, FullListPushesTheOldestIntoTheOverflowSlot) {
    auto history = MarkedHistory(3, 2);
    StartRun(*history, ParameterSet(), 50.0f);
    EXPECT_EQ(history->SelectedRun, 1);
    StartRun(*history, ParameterSet(), 60.0f);
    EXPECT_EQ(Marks(*history), (SlotValues{10, 60, 50, 11, 12}));
    EXPECT_EQ(history->RunCount, 3);
}

// An obstructive case opened after a restrictive one: both stay listed, on
// one plot, with the runs that were there. The case file's own reference is
// normal (100); this history's is at 90 %, so 200 % of normal reads as
// 200 / 0.9 = 222.22 % of it.
TEST(AddRunAsNewest, JoinsTheListedRunsLikeStartWithItsPercentagesAgainstOurReference) {
    auto history = MarkedHistory(2, 2);
    auto caseFile = MarkedHistory(1, 1);
    ResultRecord& caseReference = caseFile->Slots[0];
    ResultRecord& caseRun = caseFile->Slots[1];
    for (auto& row : caseReference.ParameterBlock)
        std::fill(std::begin(row), std::end(row), 100.0f);
    std::fill(std::begin(caseReference.GlobalParamBlock), std::end(caseReference.GlobalParamBlock), 100.0f);
    caseRun.FEV1 = 70.0f;
    caseRun.ParameterBlock[kBoth][kRMain] = 200.0f;
    std::fill(std::begin(caseRun.GlobalParamBlock), std::end(caseRun.GlobalParamBlock), 50.0f);
    history->Slots[0].GlobalParamBlock[0] = 25.0f;
    history->Slots[0].GlobalParamBlock[19] = 25.0f;

    AddRunAsNewest(*history, caseRun, caseReference);
    EXPECT_EQ(Marks(*history), (SlotValues{10, 70, 11, 12, 13}));
    EXPECT_EQ(history->RunCount, 3);
    EXPECT_EQ(history->SelectedRun, 1);
    EXPECT_TRUE(HasSamples(history->Slots[1]));
    EXPECT_FLOAT_EQ(history->Slots[1].ParameterBlock[kBoth][kRMain], 200.0f / 0.9f);
    EXPECT_FLOAT_EQ(history->Slots[1].ParameterBlock[kBoth][1], 100.0f); // 90 of normal, as ours
    EXPECT_FLOAT_EQ(history->Slots[1].GlobalParamBlock[0], 200.0f); // 50 of normal, ref at 25
    EXPECT_FLOAT_EQ(history->Slots[1].GlobalParamBlock[19], 50.0f); // keeps its meaning
    EXPECT_EQ(history->Slots[2].ParameterBlock[kBoth][kRMain], 90.0f); // the older runs untouched

    caseRun.FEV1 = 71.0f;
    AddRunAsNewest(*history, caseRun, caseReference);
    EXPECT_EQ(Marks(*history), (SlotValues{10, 71, 70, 11, 12}));
    EXPECT_EQ(history->RunCount, 3);
}

TEST(AddRunAsNewest, AnEmptyListGetsTheRunAsItsOnlyOneAndAZeroReferenceIsNoDivisor) {
    auto history = MarkedHistory(0, -1);
    history->Slots[0].ParameterBlock[kBoth][kRMain] = 0.0f;
    auto caseFile = MarkedHistory(1, 1);
    caseFile->Slots[1].FEV1 = 70.0f;
    caseFile->Slots[1].ParameterBlock[kBoth][kRMain] = 300.0f;
    caseFile->Slots[0].ParameterBlock[kBoth][kRMain] = 50.0f;
    AddRunAsNewest(*history, caseFile->Slots[1], caseFile->Slots[0]);
    EXPECT_EQ(history->RunCount, 1);
    EXPECT_EQ(history->SelectedRun, 1);
    EXPECT_EQ(history->Slots[1].FEV1, 70.0f);
    EXPECT_EQ(history->Slots[1].ParameterBlock[kBoth][kRMain], 150.0f); // against normal
    EXPECT_TRUE(std::isfinite(history->Slots[1].ParameterBlock[kBoth][kRMain]));
}

TEST(DeleteRun, FirstOfThreeBringsTheOverflowRunBackUnlisted) {
    auto history = MarkedHistory(3, 1);
    EXPECT_EQ(DeleteSelectedRun(*history, kBothLungs), DeletionOutcome::FirstRunSelected);
    EXPECT_EQ(Marks(*history), (SlotValues{10, 12, 13, 14, 14}));
    EXPECT_EQ(history->RunCount, 2);
    EXPECT_EQ(history->SelectedRun, 1);

    for (int slot = 0; slot < kHistorySlots; ++slot)
        EXPECT_EQ(HasSamples(history->Slots[slot]), slot <= 2) << slot;
    EXPECT_EQ(history->Slots[3].VolumeTrace[0], 3.0f); // only the samples go

    for (int column = 0; column < kParameterCount; ++column) {
        EXPECT_EQ(history->Slots[4].ParameterBlock[kBoth][column], 100.0f);
        EXPECT_EQ(history->Slots[3].ParameterBlock[kBoth][column], 90.0f);
    }
    EXPECT_EQ(history->Slots[4].ParameterBlock[kBoth][8], 90.0f);
    EXPECT_EQ(history->Slots[4].ParameterBlock[RegionRow(1)][0], 90.0f);
}

TEST(DeleteRun, OnlyRunLeavesNothingSelectedAndNoCurves) {
    auto history = MarkedHistory(1, 1);
    EXPECT_EQ(DeleteSelectedRun(*history, kBothLungs), DeletionOutcome::NoRunLeft);
    EXPECT_EQ(history->RunCount, 0);
    EXPECT_EQ(history->SelectedRun, -1);
    EXPECT_TRUE(HasSamples(history->Slots[0]));
    for (int slot = 1; slot < kHistorySlots; ++slot)
        EXPECT_FALSE(HasSamples(history->Slots[slot])) << slot;
}

TEST(HistoryCommands, WithoutSelectionNothingChanges) {
    for (int selected : {-1, 0, 4, 99}) {
        auto history = MarkedHistory(3, selected);
        EXPECT_EQ(DeleteSelectedRun(*history, kBothLungs), DeletionOutcome::NothingSelected);
        EXPECT_FALSE(UseSelectedAsReference(*history));
        EXPECT_EQ(Marks(*history), (SlotValues{10, 11, 12, 13, 14}));
        EXPECT_EQ(RMains(*history), (SlotValues{90, 90, 90, 90, 90}));
        EXPECT_EQ(history->RunCount, 3);
        EXPECT_TRUE(HasSamples(history->Slots[4]));
    }
}

TEST(UseAsReference, ReexpressesTheListedRunsAgainstTheNewReference) {
    auto history = MarkedHistory(3, 2);
    SetRMains(*history, {150, 50, 200, 80, 60});
    for (auto& record : history->Slots)
        record.GlobalParamBlock[0] = 100;
    history->Slots[2].GlobalParamBlock[0] = 250;
    history->Slots[2].ParameterBlock[kBoth][12] = 7; // reserved column travels with the record

    EXPECT_TRUE(UseSelectedAsReference(*history));
    EXPECT_EQ(RMains(*history), (SlotValues{300, 25, 100, 40, 60}));
    EXPECT_EQ(history->Slots[0].GlobalParamBlock[0], 250.0f);
    EXPECT_EQ(history->Slots[1].GlobalParamBlock[0], 40.0f);
    EXPECT_EQ(history->Slots[2].GlobalParamBlock[0], 100.0f);
    EXPECT_EQ(history->Slots[4].GlobalParamBlock[0], 100.0f);

    // The reference now is the selected run, curves and indices included.
    EXPECT_EQ(Marks(*history)[0], 12.0f);
    EXPECT_EQ(history->Slots[0].ParameterBlock[kBoth][12], 7.0f);
    EXPECT_EQ(history->Slots[0].ParameterBlock[kBoth][1], 81.0f); // 90 x 90 / 100
    EXPECT_EQ(history->SelectedRun, 2);
}

TEST(UseAsReference, ZeroInTheSelectedRunIsNeverADivisor) {
    auto history = MarkedHistory(3, 2);
    SetRMains(*history, {120, 70, 0, 30, 60});
    history->Slots[2].GlobalParamBlock[5] = 0;
    history->Slots[1].GlobalParamBlock[5] = 55;
    UseSelectedAsReference(*history);
    EXPECT_EQ(RMains(*history), (SlotValues{0, 70, 0, 30, 60}));
    EXPECT_EQ(history->Slots[1].GlobalParamBlock[5], 55.0f);
    EXPECT_EQ(history->Slots[0].GlobalParamBlock[5], 0.0f);
}

TEST(UseAsReference, OnlyListedRunsAreReexpressed) {
    auto history = MarkedHistory(1, 1);
    SetRMains(*history, {100, 200, 50, 50, 50});
    UseSelectedAsReference(*history);
    EXPECT_EQ(RMains(*history), (SlotValues{200, 100, 50, 50, 50}));
}

TEST(UseAsReference, OddStoredValuesStayInsideSinglePrecision) {
    auto history = MarkedHistory(3, 2);
    SetRMains(*history, {kFloatMax, 1e-30f, kFloatMax, std::numeric_limits<float>::infinity(), 1});
    history->Slots[2].ParameterBlock[kBoth][1] = std::numeric_limits<float>::quiet_NaN();
    history->Slots[2].ParameterBlock[kBoth][2] = 1e-40f; // subnormal divisor
    EXPECT_TRUE(UseSelectedAsReference(*history));
    const SlotValues rMains = RMains(*history);
    EXPECT_EQ(rMains[0], kFloatMax);
    EXPECT_EQ(rMains[1], 0.0f);
    EXPECT_EQ(rMains[2], 100.0f);
    EXPECT_TRUE(std::isinf(rMains[3]));
    EXPECT_TRUE(std::isnan(history->Slots[1].ParameterBlock[kBoth][1]));
    EXPECT_EQ(history->Slots[1].ParameterBlock[kBoth][2], kFloatMax);
}

TEST(SelectRunRow, ListedRowSelectsTheRunAndItsFurtherPercentages) {
    auto history = MarkedHistory(2, 1);
    for (int entry = 0; entry < kGlobalParams; ++entry)
        history->Slots[2].GlobalParamBlock[entry] = 37.5f + entry;
    ParameterSet parameters;

    EXPECT_TRUE(SelectRunRow(*history, parameters, 2));
    EXPECT_EQ(history->SelectedRun, 2);
    EXPECT_EQ(parameters.GlobalParams[0], 37.5);
    EXPECT_EQ(parameters.GlobalParams[19], 56.5);
    EXPECT_EQ(parameters.At(0, 1), 100.0);

    for (int row : {0, 3, 4, -1, 17}) {
        EXPECT_FALSE(SelectRunRow(*history, parameters, row)) << row;
        EXPECT_EQ(history->SelectedRun, 2);
    }
}

} // namespace
} // namespace breathlab
