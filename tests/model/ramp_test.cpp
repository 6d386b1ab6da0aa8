#include "model_test_support.h"
#include "step_model.h"

#include <gtest/gtest.h>

namespace breathlab {
namespace {

using test::NormalHistory;
using test::SettledModel;

TEST(RampedParameter, EqualTargetGetsTheSentinelAndNeverMoves) {
    RampedParameter p{0.5, 0.5, 123};
    p.beginRamp(kNoRampNegative);
    EXPECT_EQ(p.rampStart, kNoRampNegative);
    EXPECT_FALSE(p.ramp(kNoRampNegative, 1, 0.5));
    EXPECT_EQ(p.current, 0.5);
}

TEST(RampedParameter, ZeroCurrentRampsOnlyUnderTheNegativeSentinel) {
    RampedParameter offset{0, 0.05, 0};
    offset.beginRamp(kNoRampNegative);
    EXPECT_TRUE(offset.ramp(kNoRampNegative, 1, 0.5));
    EXPECT_DOUBLE_EQ(offset.current, 0.025);

    // A parameter whose "no ramp" mark is 0 cannot ramp away from 0.
    RampedParameter volume{0, 0.05, 0};
    volume.beginRamp(kNoRampZero);
    EXPECT_FALSE(volume.ramp(kNoRampZero, 1, 0.5));
    EXPECT_EQ(volume.current, 0);
}

TEST(StepModelRamps, NothingMovesWhenEveryTargetEqualsItsCurrentValue) {
    auto h = NormalHistory();
    auto m = SettledModel(*h);
    m->RampActive = true;
    m->LobeGroup.pending = m->AirwayGroup.pending = m->ChestWallGroup.pending = true;
    m->MusclePressure.target = m->MusclePressure.current;
    for (RampedParameter* p : {&m->LeftBronchusNominalVolume, &m->RightBronchusNominalVolume,
                               &m->LeftBronchusCompliance, &m->RightBronchusCompliance})
        p->target = p->current;
    const LungModel before = *m;
    StepModel(*m);
    ASSERT_FALSE(m->NumericalFailure);
    for (int j = 0; j < kLobeCount; ++j) {
        EXPECT_EQ(m->LobeMaxVolume[j].current, before.LobeMaxVolume[j].current);
        EXPECT_EQ(m->SegmentResistance[j].current, before.SegmentResistance[j].current);
        EXPECT_EQ(m->TissueResistance[j].current, before.TissueResistance[j].current);
    }
    EXPECT_EQ(m->ChestWallStiffness.current, before.ChestWallStiffness.current);
    EXPECT_EQ(m->TrachealInertance.current, before.TrachealInertance.current);
    EXPECT_NE(m->TotalVolume, before.TotalVolume); // it did integrate
    EXPECT_DOUBLE_EQ(m->Time, before.Time + 0.001);
}

TEST(StepModelRamps, MusclePressureTargetIsStoredExactlyAtTheEnd) {
    auto h = NormalHistory();
    auto m = SettledModel(*h);
    m->AccuracyLevel = 4; // 15 substeps: k * (1/15) does not end exactly on 1
    m->MusclePressure.target = -0.7654321;
    StepModel(*m);
    ASSERT_FALSE(m->NumericalFailure);
    EXPECT_EQ(m->MusclePressure.current, -0.7654321);
}

TEST(StepModelRamps, PleuralOffsetRampsFromZeroWithinTheMillisecond) {
    auto h = NormalHistory();
    auto m = SettledModel(*h);
    m->RampActive = true;
    m->ChestWallGroup.pending = true;
    m->PleuralOffset[4].target = 0.1;
    ASSERT_EQ(m->PleuralOffset[4].current, 0);
    StepModel(*m);
    ASSERT_FALSE(m->NumericalFailure);
    // The last substep already used the ramped offset.
    EXPECT_NEAR(m->LocalPleuralPressure[4] - m->PleuralPressure, 0.1, 1e-12);
    EXPECT_EQ(m->PleuralOffset[4].current, 0.1);
    EXPECT_FALSE(m->ChestWallGroup.pending);
}

TEST(StepModelRamps, LobeVolumeLimitsKeepTheLobeGroupPending) {
    auto h = NormalHistory();
    auto m = SettledModel(*h);
    m->RampActive = true;
    m->RampCountdown = 0;
    m->LobeGroup.pending = true;
    m->LobeResidualVolume[0].target = m->LobeVolume[0] + 0.2; // above the lobe's volume
    m->LobeMaxVolume[1].target = m->LobeVolume[1] - 0.2;      // below it
    StepModel(*m);
    ASSERT_FALSE(m->NumericalFailure);
    EXPECT_EQ(m->LobeResidualVolume[0].current, m->LobeVolume[0] - 0.001);
    EXPECT_EQ(m->LobeMaxVolume[1].current, m->LobeVolume[1] + 0.01);
    EXPECT_TRUE(m->LobeGroup.pending);
    // The countdown has run out, but a pending lobe group keeps the ramp active.
    EXPECT_LT(m->RampCountdown, 0);
    EXPECT_TRUE(m->RampActive);
}

TEST(StepModelRamps, RampEndsWhenCountdownRunsOutAndNothingIsPending) {
    auto h = NormalHistory();
    auto m = SettledModel(*h);
    m->RampActive = true;
    m->RampCountdown = 1;
    m->ChestWallGroup.pending = true;
    m->ChestWallResistance.target = 0.05;
    StepModel(*m);
    EXPECT_TRUE(m->RampActive);
    EXPECT_EQ(m->ChestWallResistance.current, 0.05);
    StepModel(*m);
    EXPECT_FALSE(m->RampActive);
}

} // namespace
} // namespace breathlab
