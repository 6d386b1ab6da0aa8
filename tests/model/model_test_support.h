// Models and histories for tests: heap-allocated (a history is 621 KB).
#pragma once

#include "lung_model.h"
#include "result_record.h"
#include "simulation_run.h"

#include <algorithm>
#include <memory>

namespace breathlab::test {

inline std::unique_ptr<ResultHistory> NormalHistory() {
    auto h = std::make_unique<ResultHistory>();
    for (ResultRecord& r : *h)
        std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
    return h;
}

// A model after the start-up reset.
inline std::unique_ptr<LungModel> SettledModel(ResultHistory& history) {
    auto m = std::make_unique<LungModel>();
    ResetModel(*m, history);
    return m;
}

} // namespace breathlab::test
