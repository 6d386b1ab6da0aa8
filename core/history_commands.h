// The commands that change the run history: storing a new run, deleting the
// selected run, promoting it to reference, and selecting a run row. Only the
// data side lives here; the window refreshes its tables, plots and sliders
// from what these return.
#pragma once

#include <memory>

#include "parameter_set.h"
#include "run_history.h"

namespace breathlab {

// Before a run: keeps a copy of the newest run (slot 1), clears slot 1's time,
// volume and sample traces, and stores the working parameter set in slot 1 in
// single precision. The copy is a 124 KB record, hence on the heap; hand it
// back to StoreFinishedRun once the run has returned.
std::unique_ptr<ResultRecord> PrepareWorkingSlot(RunHistory& history,
                                                 const ParameterSet& parameters);

// After a run: pushes the older runs down (3 -> 4, 2 -> 3, the kept copy ->
// 2), selects the new run in slot 1 and lists it (at most three runs listed).
void StoreFinishedRun(RunHistory& history, const ResultRecord& previousNewest);

// A run from elsewhere (a case's file) joins the listed runs as the newest, as
// START's run does, so that it can be compared with the runs already there:
// the older runs move down, it is listed and selected. Its percentages, stored
// against `itsReference`, are re-expressed against this history's reference
// (an entry whose reference value is 0 keeps its value against normal).
void AddRunAsNewest(RunHistory& history, const ResultRecord& run, const ResultRecord& itsReference);

enum class DeletionOutcome {
    NothingSelected,  // no run row selected: nothing changed
    FirstRunSelected, // runs remain: row 1 is selected; select it in the table
    NoRunLeft,        // the last listed run went: nothing is selected
};

// Removes the selected run: the runs below it move up, the overflow slot's run
// comes back as the last slot with its `currentRegion` percentages reset to
// 100, and every slot no longer listed loses its samples so that it draws no
// flow-volume curve.
DeletionOutcome DeleteSelectedRun(RunHistory& history, int currentRegion);

// Makes the selected run the new reference and re-expresses the listed runs'
// percentages relative to it; the selected run then reads 100 wherever it was
// not zero. A zero percentage of the selected run is never a divisor: that
// entry of the other runs stays as it was. The overflow slot is left alone.
// Returns false, changing nothing, when no run is selected.
bool UseSelectedAsReference(RunHistory& history);

// A row of the results table became current: a listed run row (1..RunCount)
// becomes the selected run and its 20 further percentages become the working
// ones. Returns whether a run was selected; any other row changes nothing.
bool SelectRunRow(RunHistory& history, ParameterSet& parameters, int row);

// A run slot holds a run when the first sample of its volume trace is not 0.
bool IsSlotOccupied(const ResultRecord& record);

// After a history has been loaded: runs are listed up to the last occupied
// slot (at most three), and the newest run is selected when any slot is
// occupied, -1 otherwise. Slots 2 and 4 occupied give RunCount 3, SelectedRun 1.
void CountRunsAfterOpen(RunHistory& history);

// Re-expresses the percentages of the listed runs against normal values:
// every ParameterBlock value of parameters 1..8 and GlobalParamBlock entries
// 1..16 of slots 1..RunCount are multiplied by the reference's value / 100.
void ReexpressRunsAgainstNormal(RunHistory& history);

// "ref.Default" once the default history has been read: the listed runs are
// re-expressed against normal and `defaultReference` becomes slot 0.
void RestoreDefaultReference(RunHistory& history, const ResultRecord& defaultReference);

} // namespace breathlab
