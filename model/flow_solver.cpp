#include "flow_solver.h"

#include "elementary.h"

#include <cmath>

namespace breathlab {

namespace {

constexpr double kBalanceTolerance = 0.0001; // L/s
constexpr int kOpenIterationCap = 100000;
constexpr int kClosedIterationCap = 10000;

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

// One lobe's balance, its bracket and the first regula falsi point. These
// depend on nothing but the lobe's own values, so they are worked out for all
// five lobes before any lobe iterates: the arctangents of different lobes then
// overlap in the processor instead of waiting for one another.
struct LobeStart {
    bool closed;
    bool bracketed; // a closed segment whose ends share the balance's sign is not
    OpenBalance open;
    ClosedBalance shut;
    double Pu, Pc, a, Fa, b, Fb, P, Fp;
};

LobeStart StartLobe(const LobeConductances& l, double Pu, double Pc) {
    LobeStart s{};
    s.Pu = Pu;
    s.Pc = Pc;
    s.closed = !(Pu > Pc);
    if (!s.closed) {
        s.open = OpenBalance{l.G1A + l.G2 * Pu, l.Gs, l.K, Pu, Pc, Pu - Pc, l.c, l.c2};
        s.a = l.A;
        s.b = (l.A + Pu) / 2;
        s.Fa = s.open(s.a);
        s.Fb = s.open(s.b);
        if (s.Fa * s.Fb > 0) {
            // At P = Pu the arctangent term vanishes.
            s.a = Pu;
            s.Fa = l.G1A + l.G2 * Pu - l.Gs * Pu;
        }
        s.bracketed = true;
    } else {
        s.shut = ClosedBalance{l.G1A + l.G2 * Pc, l.Gs, l.K, Pc, l.c};
        s.a = l.A;
        s.Fa = s.shut(l.A);
        s.b = Pc;
        s.Fb = l.G1A + l.G2 * Pc - l.Gs * Pc;
        s.bracketed = !(s.Fa * s.Fb > 0);
    }
    if (s.bracketed) {
        s.P = s.b - (s.b - s.a) * s.Fb / (s.Fb - s.Fa);
        s.Fp = s.closed ? s.shut(s.P) : s.open(s.P);
    }
    return s;
}

// Regula falsi as the model defines it, from the first point of the start:
// the end replaced is chosen by the sign of F(P) against F(b). Returns false
// when the shared iteration count exceeds cap.
template <class Balance>
bool Iterate(const Balance& F, const LobeStart& s, int& iterations, int cap, double& P) {
    double a = s.a, Fa = s.Fa, b = s.b, Fb = s.Fb;
    P = s.P;
    double Fp = s.Fp;
    while (std::fabs(Fp) > kBalanceTolerance) {
        if (++iterations > cap) return false;
        if (Fp * Fb < 0) {
            a = P;
            Fa = Fp;
        } else {
            b = P;
            Fb = Fp;
        }
        P = b - (b - a) * Fb / (Fb - Fa);
        Fp = F(P);
    }
    return true;
}

} // namespace

SubstepConductances PrepareLobarSolve(const LungModel& m) {
    SubstepConductances g;
    for (int j = 0; j < kLobeCount; ++j) {
        LobeConductances& l = g[j];
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
    return g;
}

void SolveLobarFlows(LungModel& m, SolverMode mode, double x, double leftTransmural,
                     double rightTransmural, double* probeFlows) {
    SolveLobarFlows(m, PrepareLobarSolve(m), mode, x, leftTransmural, rightTransmural, probeFlows);
}

void SolveLobarFlows(LungModel& m, const SubstepConductances& g, SolverMode mode, double x,
                     double leftTransmural, double rightTransmural, double* probeFlows) {
    LobeStart starts[kLobeCount];
    for (int j = 0; j < kLobeCount; ++j) {
        const double Pu = x + (j < 2 ? leftTransmural : rightTransmural);
        starts[j] = StartLobe(g[j], Pu, x + m.PleuralOffset[j].current);
    }

    int iterations = 0; // shared by all five lobes and both branches
    for (int j = 0; j < kLobeCount; ++j) {
        const LobeStart& s = starts[j];
        const double A = g[j].A, R1 = g[j].R1, G1 = g[j].G1, Pu = s.Pu;
        double P;
        m.FlowLimited[j] = s.closed ? 1 : 0;
        if (!s.closed) {
            if (!Iterate(s.open, s, iterations, kOpenIterationCap, P)) {
                m.NumericalFailure = true;
                Beep(m);
                return;
            }
        } else if (!s.bracketed) {
            if (std::fabs(s.Fa) < kBalanceTolerance) {
                P = A;
            } else if (std::fabs(s.Fb) < kBalanceTolerance) {
                P = s.Pc;
            } else {
                m.NumericalFailure = true;
                return;
            }
        } else if (!Iterate(s.shut, s, iterations, kClosedIterationCap, P)) {
            m.NumericalFailure = true;
            Beep(m);
            return;
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
