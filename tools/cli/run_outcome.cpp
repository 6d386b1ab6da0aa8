#include "run_outcome.h"

#include <cmath>

namespace breathlab {

namespace {

const char* ImpossibleIndices(const ResultRecord& r) {
    for (float value : {r.FEV1, r.FVCEX, r.FEV1PercentFVC, r.PEF, r.MEF75, r.MEF50, r.MEF25,
                        r.ERV, r.FlowAtFev1, r.FRC, r.TLC, r.FET})
        if (!std::isfinite(value)) return "an index is not a finite number";
    if (!(r.TLC > r.FRC)) return "TLC is not above FRC";
    if (!(r.FVCEX > 0)) return "FVC is not above 0";
    if (r.FVCEX > r.TLC) return "FVC is above TLC";
    if (r.FEV1 < 0) return "FEV1 is below 0";
    if (r.FEV1 > r.FVCEX) return "FEV1 is above FVC";
    return nullptr;
}

} // namespace

RunOutcome JudgeRun(const ResultRecord& record) {
    RunOutcome outcome;
    outcome.Status = record.RunStatus;
    if (outcome.Status != 1 && outcome.Status != 0) outcome.Status = -1;
    if (outcome.Completed()) {
        outcome.Problem = ImpossibleIndices(record);
        if (outcome.Problem) outcome.Status = -1;
    }
    return outcome;
}

} // namespace breathlab
