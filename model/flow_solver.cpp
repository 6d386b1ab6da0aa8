#include "flow_solver.h"

#include "elementary.h"
#include "regula_falsi.h"

#include <cmath>

namespace breathlab {

namespace {

// Balance of the node pressure P for an open segment: flow through the
// peripheral airway against flow through the segment. The segment law is the
// integral of a conductance G2*s^2/(c^2+s^2) over the transmural pressure s;
// the difference of two arctangents is written as one arctangent of a quotient,
// which stays accurate when the two angles are close.
struct OpenBalance {
    double G1A_plus_G2Pu, Gs, K, Pu, Pc, D, c, c2;
    double operator()(double P) const {
        return G1A_plus_G2Pu - Gs * P - K * elementary::Atan((Pu - P) * c / ((P - Pc) * D + c2));
    }
};

// Closed segment: its mouth-side end sits at the local pleural pressure Pc, so
// the flow no longer depends on the bronchial pressure (flow limitation).
struct ClosedBalance {
    double G1A_plus_G2Pc, Gs, K, Pc, c;
    double operator()(double P) const { return G1A_plus_G2Pc - Gs * P - K * elementary::Atan((Pc - P) / c); }
};

void Beep(const LungModel& m) {
    if (m.Hooks.beep) m.Hooks.beep(m.Hooks.context);
}

// Regula falsi from the bracket [a, b]. Returns false when the shared
// iteration count exceeds cap.
template <class Balance>
bool Iterate(const Balance& F, RegulaFalsiBracket bracket, int& iterations, int cap, double& P) {
    P = bracket.Estimate();
    double Fp = F(P);
    while (std::fabs(Fp) > kBalanceTolerance) {
        if (++iterations > cap) return false;
        bracket.Narrow(P, Fp);
        P = bracket.Estimate();
        Fp = F(P);
    }
    return true;
}

// Chosen once, when the program loads; plain variables rather than function
// statics, so that the three solver calls of every substep pay no guard.
const bool lanesAvailable = LobeLanesAvailable();
LobeSolver chosenLobeSolver = lanesAvailable ? SolveLobarFlowsInLanes : SolveLobarFlowsInTurns;

} // namespace

LobeSolver ActiveLobeSolver() { return chosenLobeSolver; }
void UseLobeSolver(LobeSolver solver) { chosenLobeSolver = solver; }

SubstepConductances PrepareLobarSolve(const LungModel& m) {
    SubstepConductances g;
    for (int j = 0; j < kLobeCount; ++j) {
        LobeConductances& l = g.lobes[j];
        l.A = m.AlveolarPressure[j];
        l.R1 = m.PeripheralResistance[j];
        l.c = m.SegmentCollapsibility[j].current;
        l.G1 = 1 / l.R1;
        l.G2 = 1 / m.SegmentResistance[j].current;
        l.Gs = l.G1 + l.G2;
        l.K = l.G2 * l.c;
        l.c2 = l.c * l.c;
        l.G1A = l.G1 * l.A;
    }
    // The columns only where the lanes can run: elsewhere they would cost
    // about 5 % more instructions for nothing.
    if (!lanesAvailable) return g;
    LobeColumns& c = g.columns;
    for (int lane = 0; lane < kLobeColumn; ++lane) {
        const int j = lane < kLobeCount ? lane : kLobeCount - 1;
        const LobeConductances& l = g.lobes[j];
        c.A[lane] = l.A;
        c.R1[lane] = l.R1;
        c.G1[lane] = l.G1;
        c.G2[lane] = l.G2;
        c.Gs[lane] = l.Gs;
        c.K[lane] = l.K;
        c.c[lane] = l.c;
        c.c2[lane] = l.c2;
        c.G1A[lane] = l.G1A;
        c.PleuralOffset[lane] = m.PleuralOffset[j].current;
    }
    return g;
}

void SolveLobarFlows(LungModel& m, SolverMode mode, double x, double leftTransmural,
                     double rightTransmural, double* probeFlows) {
    SolveLobarFlows(m, PrepareLobarSolve(m), mode, x, leftTransmural, rightTransmural, probeFlows);
}

void SolveLobarFlows(LungModel& m, const SubstepConductances& g, SolverMode mode, double x,
                     double leftTransmural, double rightTransmural, double* probeFlows) {
    chosenLobeSolver(m, g, mode, x, leftTransmural, rightTransmural, probeFlows);
}

void SolveLobarFlowsOneByOne(LungModel& m, const SubstepConductances& g, SolverMode mode, double x,
                             double leftTransmural, double rightTransmural, double* probeFlows) {
    int iterations = 0; // shared by all five lobes and both branches
    for (int j = 0; j < kLobeCount; ++j) {
        const auto& [A, R1, G1, G2, Gs, K, c, c2, G1A] = g.lobes[j];
        const double Pu = x + (j < 2 ? leftTransmural : rightTransmural);
        const double Pc = x + m.PleuralOffset[j].current;

        double P;
        if (Pu > Pc) {
            m.FlowLimited[j] = 0;
            const OpenBalance F{G1A + G2 * Pu, Gs, K, Pu, Pc, Pu - Pc, c, c2};
            double a = A;
            double b = (A + Pu) / 2;
            double Fa = F(a);
            const double Fb = F(b);
            if (Fa * Fb > 0) {
                // At P = Pu the arctangent term vanishes.
                a = Pu;
                Fa = G1A + G2 * Pu - Gs * Pu;
            }
            if (!Iterate(F, {a, Fa, b, Fb}, iterations, kOpenIterationCap, P)) {
                m.NumericalFailure = true;
                Beep(m);
                return;
            }
        } else {
            m.FlowLimited[j] = 1;
            const ClosedBalance F{G1A + G2 * Pc, Gs, K, Pc, c};
            const double Fa = F(A);
            const double Fb = G1A + G2 * Pc - Gs * Pc;
            if (Fa * Fb > 0) {
                if (std::fabs(Fa) < kBalanceTolerance) {
                    P = A;
                } else if (std::fabs(Fb) < kBalanceTolerance) {
                    P = Pc;
                } else {
                    m.NumericalFailure = true;
                    return;
                }
            } else if (!Iterate(F, {A, Fa, Pc, Fb}, iterations, kClosedIterationCap, P)) {
                m.NumericalFailure = true;
                Beep(m);
                return;
            }
        }

        const double Q = (P - A) * G1;
        if (mode == SolverMode::Commit) {
            m.LobeFlow[j] = Q;
            if (std::fabs(Q) > 0.001) m.EffectiveSegmentResistance[j] = (Pu - A) / Q - R1;
        } else {
            probeFlows[j] = Q;
        }
    }
}

} // namespace breathlab
