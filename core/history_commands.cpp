#include "history_commands.h"

#include "parameter_record.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace breathlab {

namespace {

constexpr int kOverflowSlot = kHistorySlots - 1;
constexpr float kAsReference = 100.0f;

int ListedRuns(const RunHistory& history) {
    return std::clamp(history.RunCount, 0, kMaxListedRuns);
}

bool HasSelectedRun(const RunHistory& history) {
    return history.SelectedRun >= 1 && history.SelectedRun <= kMaxListedRuns;
}

// Re-expresses one percentage entry: `reference` (of normal) and `selected`
// (of the reference) give the new reference value; each listed run's value
// becomes a percentage of the selected run's. The arithmetic starts from the
// stored single values; the product of two singles is exact in double, so
// only the stored result is rounded. Returns the new reference value.
float ReexpressEntry(RunHistory& history, float reference, float& selected, auto valueOfSlot) {
    const double divisor = selected;
    const float newReference = ToStoredSingle(double(reference) * divisor / 100.0);
    if (divisor == 0.0) return newReference;
    for (int slot = 1; slot <= ListedRuns(history); ++slot) {
        if (slot == history.SelectedRun) continue;
        float& value = valueOfSlot(history.Slots[slot]);
        value = ToStoredSingle(100.0 * double(value) / divisor);
    }
    selected = ToStoredSingle(100.0 * divisor / divisor);
    return newReference;
}

} // namespace

std::unique_ptr<ResultRecord> PrepareWorkingSlot(RunHistory& history,
                                                 const ParameterSet& parameters) {
    ResultRecord& working = history.Slots[1];
    auto previousNewest = std::make_unique<ResultRecord>(working);
    ClearRunTraces(working);
    StoreParameterSet(working, parameters);
    return previousNewest;
}

void StoreFinishedRun(RunHistory& history, const ResultRecord& previousNewest) {
    history.Slots[4] = history.Slots[3];
    history.Slots[3] = history.Slots[2];
    history.Slots[2] = previousNewest;
    history.SelectedRun = 1;
    history.RunCount = std::min(ListedRuns(history) + 1, kMaxListedRuns);
}

namespace {

// A percentage of `from`'s value, as a percentage of `to`'s value.
float ValueAgainst(float value, float from, float to) {
    const double ofNormal = double(value) * double(from) / 100.0;
    return ToStoredSingle(to == 0.0f ? ofNormal : 100.0 * ofNormal / double(to));
}

} // namespace

void AddRunAsNewest(RunHistory& history, const ResultRecord& run, const ResultRecord& itsReference) {
    constexpr int kReexpressedGlobals = 16; // entries 17..20 keep their meaning
    const ResultRecord& reference = history.Slots[0];
    auto added = std::make_unique<ResultRecord>(run);
    for (int row = 0; row < kRegionRows; ++row)
        for (int k = 0; k < kParameterCount; ++k)
            added->ParameterBlock[row][k] =
                ValueAgainst(run.ParameterBlock[row][k], itsReference.ParameterBlock[row][k],
                             reference.ParameterBlock[row][k]);
    for (int j = 0; j < kReexpressedGlobals; ++j)
        added->GlobalParamBlock[j] = ValueAgainst(
            run.GlobalParamBlock[j], itsReference.GlobalParamBlock[j], reference.GlobalParamBlock[j]);
    auto previousNewest = std::make_unique<ResultRecord>(history.Slots[1]);
    history.Slots[1] = *added;
    StoreFinishedRun(history, *previousNewest);
}

DeletionOutcome DeleteSelectedRun(RunHistory& history, int currentRegion) {
    if (!HasSelectedRun(history)) return DeletionOutcome::NothingSelected;
    for (int slot = history.SelectedRun; slot < kOverflowSlot; ++slot)
        history.Slots[slot] = history.Slots[slot + 1];

    // The overflow slot now repeats the last slot; its percentages of the
    // edited region read 100 again, as the reference's own.
    const int regionRow = RegionRow(currentRegion);
    if (regionRow >= 0 && regionRow < kRegionRows)
        std::fill_n(history.Slots[kOverflowSlot].ParameterBlock[regionRow], kParameterCount,
                    kAsReference);

    history.RunCount = std::max(ListedRuns(history) - 1, 0);
    for (int slot = history.RunCount + 1; slot < kHistorySlots; ++slot)
        ClearSamples(history.Slots[slot]);

    if (history.RunCount > 0) {
        history.SelectedRun = 1;
        return DeletionOutcome::FirstRunSelected;
    }
    history.SelectedRun = -1;
    return DeletionOutcome::NoRunLeft;
}

bool UseSelectedAsReference(RunHistory& history) {
    if (!HasSelectedRun(history)) return false;
    const int s = history.SelectedRun;
    ResultRecord& reference = history.Slots[0];
    ResultRecord& selected = history.Slots[s];

    float newGlobals[kGlobalParams];
    for (int c = 0; c < kGlobalParams; ++c)
        newGlobals[c] =
            ReexpressEntry(history, reference.GlobalParamBlock[c], selected.GlobalParamBlock[c],
                           [c](ResultRecord& run) -> float& { return run.GlobalParamBlock[c]; });

    float newParameters[kRegionRows][kParameterCount];
    for (int r = 0; r < kRegionRows; ++r)
        for (int c = 0; c < kParameterCount; ++c)
            newParameters[r][c] = ReexpressEntry(
                history, reference.ParameterBlock[r][c], selected.ParameterBlock[r][c],
                [r, c](ResultRecord& run) -> float& { return run.ParameterBlock[r][c]; });

    reference = selected;
    std::copy(std::begin(newGlobals), std::end(newGlobals), reference.GlobalParamBlock);
    for (int r = 0; r < kRegionRows; ++r)
        std::copy_n(newParameters[r], kParameterCount, reference.ParameterBlock[r]);
    return true;
}

bool SelectRunRow(RunHistory& history, ParameterSet& parameters, int row) {
    if (row <= 0 || row > ListedRuns(history)) return false;
    history.SelectedRun = row;
    const ResultRecord& run = history.Slots[row];
    for (int entry = 0; entry < kGlobalParams; ++entry)
        parameters.GlobalParams[entry] = run.GlobalParamBlock[entry];
    return true;
}

bool IsSlotOccupied(const ResultRecord& record) {
    return record.SampleVolume[0] != 0.0f;
}

void CountRunsAfterOpen(RunHistory& history) {
    history.SelectedRun = -1;
    history.RunCount = 0;
    for (int slot = 1; slot < kHistorySlots; ++slot) {
        if (IsSlotOccupied(history.Slots[slot])) {
            history.RunCount = slot;
            history.SelectedRun = 1;
        }
    }
    history.RunCount = std::min(history.RunCount, kMaxListedRuns);
}

// run x reference / 100 from the stored singles: their product is exact in
// double, so the result is rounded once, when it is stored, as "Use as
// reference" rounds its quotients.
static float ValueAgainstNormal(float run, float reference) {
    return ToStoredSingle(double(run) * double(reference) / 100.0);
}

void ReexpressRunsAgainstNormal(RunHistory& history) {
    constexpr int kReexpressedGlobals = 16; // entries 17..20 keep their meaning
    const ResultRecord& reference = history.Slots[0];
    const int listed = std::clamp(history.RunCount, 0, kHistorySlots - 1);
    for (int slot = 1; slot <= listed; ++slot) {
        ResultRecord& run = history.Slots[slot];
        for (int row = 0; row < kRegionRows; ++row)
            for (int k = 0; k < kParameterCount; ++k)
                run.ParameterBlock[row][k] =
                    ValueAgainstNormal(run.ParameterBlock[row][k], reference.ParameterBlock[row][k]);
        for (int j = 0; j < kReexpressedGlobals; ++j)
            run.GlobalParamBlock[j] =
                ValueAgainstNormal(run.GlobalParamBlock[j], reference.GlobalParamBlock[j]);
    }
}

void RestoreDefaultReference(RunHistory& history, const ResultRecord& defaultReference) {
    ReexpressRunsAgainstNormal(history);
    history.Slots[0] = defaultReference;
}

} // namespace breathlab
