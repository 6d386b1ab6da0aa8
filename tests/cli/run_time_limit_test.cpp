// A run can be bounded to its first model seconds (the fuzzing harness does);
// it then ends there, unfinished, with the history's percentages unchanged.
#include "parameter_record.h"
#include "simulation_run.h"

#include <gtest/gtest.h>

#include <memory>

namespace breathlab {
namespace {

TEST(RunTimeLimit, ARunEndsUnfinishedAtItsLimit) {
    auto model = std::make_unique<LungModel>();
    EXPECT_EQ(model->RunTimeLimit, 110);
    auto history = std::make_unique<ResultHistory>();
    for (ResultRecord& r : *history)
        std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
    ResetModel(*model, *history);
    model->RunTimeLimit = 0.75;
    RunManoeuvre(*model, *history);
    EXPECT_EQ((*history)[1].RunStatus, -1);
    EXPECT_GT(model->Time, 0.75);
    EXPECT_LT(model->Time, 0.7515);
    EXPECT_EQ(model->ManoeuvrePhase, 0);
    EXPECT_EQ((*history)[1].FEV1, 0);
}

} // namespace
} // namespace breathlab
