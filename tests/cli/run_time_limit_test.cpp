// A run can be bounded to its first model seconds (the fuzzing harness does);
// it then ends there, unfinished, with the history's percentages unchanged.
#include "parameter_record.h"
#include "simulation_run.h"

#include <gtest/gtest.h>

#include <cmath>
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

// A run whose percentages break the solver ends in a numerical failure; the
// model is reset afterwards (Time back at the settled 2.5 s) unless the
// harness that will discard it says not to.
TEST(RunTimeLimit, TheResetAfterAFailureCanBeLeftOut) {
    for (bool reset : {true, false}) {
        auto model = std::make_unique<LungModel>();
        auto history = std::make_unique<ResultHistory>();
        for (ResultRecord& r : *history)
            std::fill(std::begin(r.GlobalParamBlock), std::end(r.GlobalParamBlock), 100.0f);
        ResetModel(*model, *history);
        (*history)[1].ParameterBlock[2][7] = NAN; // Cm of both lungs
        model->RunTimeLimit = 0.05;
        model->ResetAfterFailure = reset;
        RunManoeuvre(*model, *history);
        EXPECT_EQ((*history)[1].RunStatus, -1);
        EXPECT_TRUE(model->NumericalFailure || reset);
        if (reset)
            EXPECT_GT(model->Time, 2.5);
        else
            EXPECT_LT(model->Time, 0.0515);
    }
}

} // namespace
} // namespace breathlab
