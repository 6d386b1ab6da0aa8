// What the command line reports of a run. The model marks a run it could not
// finish (RunStatus 0 or -1), but some settings far outside the physiological
// range (G1 and G3 near zero, for example) let it finish with volumes no lung
// can have. Such a run is reported as failed too, so that no impossible index
// reaches a table of results.
#pragma once

#include "result_record.h"

namespace breathlab {

struct RunOutcome {
    float Status = 1;              // as RunStatus: 1 completed, 0 dead, -1 error
    const char* Problem = nullptr; // why a run the model completed is refused
    bool Completed() const { return Status == 1; }
};

// The model's status, or -1 with the reason when the indices of a completed
// run are impossible: one not finite, TLC not above FRC, FVC not above 0 or
// above TLC, FEV1 below 0 or above FVC.
RunOutcome JudgeRun(const ResultRecord& record);

// Exit code of `run` when a run did not complete.
constexpr int kExitRunIncomplete = 3;

} // namespace breathlab
