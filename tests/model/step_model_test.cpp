#include "model_test_support.h"
#include "step_model.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace breathlab {
namespace {

using test::NormalHistory;
using test::SettledModel;

class StepModelChecks : public ::testing::Test {
protected:
    void SetUp() override {
        history = NormalHistory();
        model = SettledModel(*history);
        model->AccuracyLevel = 1;
    }
    std::unique_ptr<ResultHistory> history;
    std::unique_ptr<LungModel> model;
};

TEST_F(StepModelChecks, SettledModelStepsWithoutFailure) {
    for (int i = 0; i < 100; ++i) StepModel(*model);
    EXPECT_FALSE(model->NumericalFailure);
    EXPECT_TRUE(std::isfinite(model->TotalVolume));
}

TEST_F(StepModelChecks, RecoilBelowItsFloorFailsAtTheFirstSubstep) {
    // At 17 % of the lobe's maximal volume the recoil law gives 0 kPa.
    model->LobeVolume[2] = 0.17 * model->LobeMaxVolume[2].current;
    const double start = model->Time;
    StepModel(*model);
    EXPECT_TRUE(model->NumericalFailure);
    EXPECT_EQ(model->SubstepIndex, 1);
    EXPECT_DOUBLE_EQ(model->Time, start + 0.0005); // stopped after the first of two substeps
}

TEST_F(StepModelChecks, FailureLeavesTheRampsUnfinished) {
    model->MusclePressure.target = 1.0;
    model->LobeVolume[0] = 6.5; // more than a lobe can hold
    StepModel(*model);
    EXPECT_TRUE(model->NumericalFailure);
    EXPECT_NE(model->MusclePressure.current, 1.0);
}

TEST_F(StepModelChecks, NotANumberInTheStateIsAFailure) {
    model->CompressionVolume[3] = std::numeric_limits<double>::quiet_NaN();
    StepModel(*model);
    EXPECT_TRUE(model->NumericalFailure);
}

TEST_F(StepModelChecks, InfiniteMusclePressureIsAFailure) {
    model->MusclePressure.target = std::numeric_limits<double>::infinity();
    StepModel(*model);
    EXPECT_TRUE(model->NumericalFailure);
}

TEST_F(StepModelChecks, EmptiedCentralCompartmentStaysFinite) {
    // Below 0.1 % of its nominal volume the tube law and the damping use floors.
    model->LeftBronchusVolume = 1e-9;
    StepModel(*model);
    EXPECT_TRUE(std::isfinite(model->LeftBronchusPressure));
}

TEST_F(StepModelChecks, LobeAtResidualVolumeGetsLargeFiniteResistance) {
    model->LobeVolume[1] = model->LobeResidualVolume[1].current;
    StepModel(*model);
    EXPECT_GT(model->PeripheralResistance[1], 1e6);
    EXPECT_TRUE(std::isfinite(model->PeripheralResistance[1]));
}

} // namespace
} // namespace breathlab
