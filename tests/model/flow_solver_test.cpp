#include "flow_solver.h"

#include <gtest/gtest.h>

namespace breathlab {
namespace {

int beeps = 0;
void CountBeep(void*) { ++beeps; }

// Five identical lobes with normal-ish airway mechanics.
LungModel LobesWith(double alveolar, double peripheralR, double segmentR, double collapsibility) {
    LungModel m{};
    m.Hooks.beep = CountBeep;
    for (int j = 0; j < kLobeCount; ++j) {
        m.AlveolarPressure[j] = alveolar;
        m.PeripheralResistance[j] = peripheralR;
        m.SegmentResistance[j].current = segmentR;
        m.SegmentCollapsibility[j].current = collapsibility;
        m.EffectiveSegmentResistance[j] = -7; // marks "not written"
    }
    beeps = 0;
    return m;
}

TEST(SolveLobarFlows, OpenSegmentBalancesPeripheralAndSegmentFlow) {
    LungModel m = LobesWith(0.3, 0.5, 0.3, 0.4);
    SolveLobarFlows(m, SolverMode::Commit, -1.0, 0.5, 0.5); // Pu = -0.5 above Pc = -1.0
    ASSERT_FALSE(m.NumericalFailure);
    for (int j = 0; j < kLobeCount; ++j) {
        EXPECT_EQ(m.FlowLimited[j], 0);
        EXPECT_LT(m.LobeFlow[j], 0); // alveoli above the bronchus: expiration
        // The stored effective resistance reproduces the bronchus-alveoli drop.
        const double drop = -0.5 - 0.3;
        EXPECT_NEAR((m.EffectiveSegmentResistance[j] + 0.5) * m.LobeFlow[j], drop, 1e-9);
    }
}

TEST(SolveLobarFlows, EqualBronchialAndPleuralPressureTakesTheClosedBranch) {
    LungModel m = LobesWith(0.3, 0.5, 0.3, 0.4);
    m.PleuralOffset[2].current = 0.25;
    SolveLobarFlows(m, SolverMode::Commit, -1.0, 0.25, 0.25);
    ASSERT_FALSE(m.NumericalFailure);
    EXPECT_EQ(m.FlowLimited[0], 0);
    EXPECT_EQ(m.FlowLimited[2], 1);
}

TEST(SolveLobarFlows, BranchDependsOnTransmuralPressureNotOnPleuralPressure) {
    for (double x : {-5.0, -0.3, 0.0, 2.0}) {
        LungModel m = LobesWith(x + 0.2, 0.5, 0.3, 0.4);
        SolveLobarFlows(m, SolverMode::Commit, x, -0.1, 0.1);
        ASSERT_FALSE(m.NumericalFailure);
        EXPECT_EQ(m.FlowLimited[0], 1) << x; // left side: bronchus below local pleura
        EXPECT_EQ(m.FlowLimited[4], 0) << x;
    }
}

TEST(SolveLobarFlows, ClosedSegmentFlowDoesNotDependOnBronchialPressure) {
    LungModel a = LobesWith(0.3, 0.5, 0.3, 0.4);
    LungModel b = a;
    SolveLobarFlows(a, SolverMode::Commit, -1.0, -0.2, -0.2);
    SolveLobarFlows(b, SolverMode::Commit, -1.0, -0.9, -0.9);
    EXPECT_EQ(a.LobeFlow[0], b.LobeFlow[0]); // flow limitation
    EXPECT_EQ(a.FlowLimited[0], 1);
}

TEST(SolveLobarFlows, TinyFlowKeepsThePreviousEffectiveResistance) {
    LungModel m = LobesWith(0.0005, 0.5, 0.3, 0.4);
    SolveLobarFlows(m, SolverMode::Commit, -1.0, 1.0, 1.0); // Pu = 0, just below the alveoli
    ASSERT_FALSE(m.NumericalFailure);
    EXPECT_LE(std::abs(m.LobeFlow[0]), 0.001);
    EXPECT_EQ(m.EffectiveSegmentResistance[0], -7);
}

TEST(SolveLobarFlows, ProbeModeWritesOnlyProbeFlowsAndFlags) {
    LungModel m = LobesWith(0.3, 0.5, 0.3, 0.4);
    for (int j = 0; j < kLobeCount; ++j) m.LobeFlow[j] = 42;
    m.FlowLimited.fill(1);
    double probe[kLobeCount] = {};
    SolveLobarFlows(m, SolverMode::Probe, -1.0, 0.5, 0.5, probe);
    for (int j = 0; j < kLobeCount; ++j) {
        EXPECT_EQ(m.LobeFlow[j], 42);
        EXPECT_EQ(m.EffectiveSegmentResistance[j], -7);
        EXPECT_EQ(m.FlowLimited[j], 0);
        EXPECT_LT(probe[j], 0);
    }
}

TEST(SolveLobarFlows, ClosedBracketWithoutSignChangeFailsSilently) {
    // A negative peripheral resistance leaves no root between the alveolar
    // and the pleural pressure.
    LungModel m = LobesWith(0.3, -1.0, 0.3, 0.4);
    SolveLobarFlows(m, SolverMode::Commit, -1.0, -0.5, -0.5);
    EXPECT_TRUE(m.NumericalFailure);
    EXPECT_EQ(beeps, 0);
}

TEST(SolveLobarFlows, IterationCapFailsWithABeepAndLeavesLaterLobes) {
    // A very stiff segment: regula falsi crawls towards the root.
    LungModel m = LobesWith(0.3, 1.0, 1e-6, 0.4);
    for (int j = 0; j < kLobeCount; ++j) m.LobeFlow[j] = 42;
    SolveLobarFlows(m, SolverMode::Commit, -1.0, -0.5, -0.5);
    EXPECT_TRUE(m.NumericalFailure);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(m.LobeFlow[4], 42);
}

TEST(SolveLobarFlows, IterationsOfEarlierLobesCountAgainstLaterOnes) {
    auto slowLobes = [](int count) {
        LungModel m = LobesWith(0.3, 0.5, 0.3, 0.4);
        for (int j = kLobeCount - count; j < kLobeCount; ++j) {
            m.PeripheralResistance[j] = 1.0;
            m.SegmentResistance[j].current = 1e-5;
        }
        SolveLobarFlows(m, SolverMode::Commit, -1.0, -0.5, -0.5);
        return m.NumericalFailure;
    };
    EXPECT_FALSE(slowLobes(1)); // one slow lobe stays under the cap
    EXPECT_TRUE(slowLobes(5));  // five of them share it and exceed it
}

} // namespace
} // namespace breathlab
