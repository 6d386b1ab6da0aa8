// One simulated examination: relaxation, FRC, six quiet breaths, and the forced
// manoeuvre (expiration to RV, deep inspiration, forced expiration, final inspiration).
#pragma once

#include "lung_model.h"
#include "result_record.h"

namespace breathlab {

// Initial values and 2.5 s of settling. Also sets every parameter percentage
// (columns 0..7 of every region row) of the five history slots to 100; this is
// the start-up reset.
void ResetModel(LungModel& m, ResultHistory& history);

// The reset after a failed run: the model state only. The history's parameter
// blocks hold the user's reference and stored runs and must survive a failure.
void ResetModelState(LungModel& m);

// Runs one examination into history slot 1, from the percentages of slots 1
// and 0. Writes slot 1's traces, indices and RunStatus; always returns.
void RunManoeuvre(LungModel& m, ResultHistory& history);

} // namespace breathlab
