// The remembered runs and which of them the results table lists and selects.
#pragma once

#include "result_record.h"

namespace breathlab {

struct RunHistory {
    ResultHistory Slots;    // 0 reference, 1 newest (working slot), 2..3 older, 4 overflow
    int SelectedRun = -1;   // 1..3, or -1 when no run row is selected
    int RunCount = 0;       // runs listed in the results table: slots 1..RunCount
    bool RunInProgress = false;
};

// The results table has a settings row, three run rows and the reference row.
constexpr int kMaxListedRuns = 3;

} // namespace breathlab
