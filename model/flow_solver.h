// Airflow into each lobe for a trial pleural pressure, with expiratory flow
// limitation in the collapsible middle airways.
#pragma once

#include "lung_model.h"

namespace breathlab {

enum class SolverMode { Commit = 1, Probe = 2 };

// The balance of a lobe's node pressure counts as met within this flow (L/s);
// iterations are counted over the lobes of one call, against the cap of the
// lobe's branch. Both are part of the model's behaviour.
constexpr double kBalanceTolerance = 0.0001;
constexpr int kOpenIterationCap = 100000;
constexpr int kClosedIterationCap = 10000;

// Finds each lobe's node pressure between the collapsible segment and the
// peripheral airway by regula falsi. Commit writes LobeFlow and
// EffectiveSegmentResistance; Probe writes the flows to probeFlows instead.
// Both write FlowLimited. On failure NumericalFailure is set and later lobes
// are left unprocessed; the caller must look at it.
//   pleural: trial common pleural pressure x (kPa)
//   leftTransmural, rightTransmural: transmural pressures of the central compartments
void SolveLobarFlows(LungModel& m, SolverMode mode, double pleural, double leftTransmural,
                     double rightTransmural, double* probeFlows = nullptr);

// What the lobe solves of one substep share: the lobe's alveolar pressure,
// resistances, collapsibility and pleural offset do not move within the
// substep, so their conductances are worked out once for its three solver
// calls: per lobe, and, where the processor can run the SIMD lanes, as
// columns of eight for them (the entries beyond the fifth lobe repeat it).
struct LobeConductances {
    double A, R1, G1, G2, Gs, K, c, c2, G1A;
};
constexpr int kLobeColumn = 8;
struct LobeColumns {
    alignas(64) double A[kLobeColumn], R1[kLobeColumn], G1[kLobeColumn], G2[kLobeColumn],
        Gs[kLobeColumn], K[kLobeColumn], c[kLobeColumn], c2[kLobeColumn], G1A[kLobeColumn],
        PleuralOffset[kLobeColumn];
};
struct SubstepConductances {
    std::array<LobeConductances, kLobeCount> lobes;
    LobeColumns columns;
};

SubstepConductances PrepareLobarSolve(const LungModel& m);

// The same solve with the conductances of the current substep: in SIMD
// lanes where the processor has AVX-512, otherwise the lobes in turns (also
// in WebAssembly, whose two-lane registers cost more than they save). All
// ways give the same bits.
void SolveLobarFlows(LungModel& m, const SubstepConductances& g, SolverMode mode, double pleural,
                     double leftTransmural, double rightTransmural, double* probeFlows = nullptr);

// The three ways. All give the same bits; the lanes need AVX-512. The lobes
// one by one is the plain statement of the solve; in turns, a step of each
// lobe in every round, it overlaps the lobes' chains of divisions.
void SolveLobarFlowsOneByOne(LungModel& m, const SubstepConductances& g, SolverMode mode, double pleural,
                             double leftTransmural, double rightTransmural, double* probeFlows = nullptr);
void SolveLobarFlowsInTurns(LungModel& m, const SubstepConductances& g, SolverMode mode, double pleural,
                            double leftTransmural, double rightTransmural, double* probeFlows = nullptr);
bool LobeLanesAvailable();
void SolveLobarFlowsInLanes(LungModel& m, const SubstepConductances& g, SolverMode mode, double pleural,
                            double leftTransmural, double rightTransmural, double* probeFlows = nullptr);

// The way SolveLobarFlows takes, for the whole process: the lanes where the
// processor has them, else the lobes in turns. The benchmark and the tests set another before a run
// (not while one is under way on another thread).
using LobeSolver = void (*)(LungModel& m, const SubstepConductances& g, SolverMode mode, double pleural,
                            double leftTransmural, double rightTransmural, double* probeFlows);
LobeSolver ActiveLobeSolver();
void UseLobeSolver(LobeSolver solver);

} // namespace breathlab
