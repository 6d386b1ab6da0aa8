// The lobes' node pressures searched in turns: one regula falsi step of each
// lobe that has not converged, then the next round. Each lobe goes through
// the same operations as in the one-by-one solver (flow_solver.cpp), so every
// result has the same bits; but consecutive steps now belong to different
// lobes and do not wait on each other, so the processor overlaps the five
// chains of divisions that the one-by-one solver works through one after the
// other. Where the SIMD lanes are missing (WebAssembly, processors without
// AVX-512) this is the fast way; the shared iteration cap is applied
// afterwards, lobe by lobe, as in the lanes.
#include "flow_solver.h"

#include "elementary.h"
#include "regula_falsi.h"

#include <cmath>

namespace breathlab {

namespace {

// Balance of a lobe's node pressure P: the one-by-one solver's OpenBalance
// while the segment is open (upstream end U the bronchus), its ClosedBalance
// once it has closed at its mouth-side end (U the local pleura Pc).
struct LobeBalance {
    double G1A_plus_G2U, Gs, K, U, Pc, D, c, c2;
    bool open;
    double operator()(double P) const {
        const double ratio = open ? (U - P) * c / ((P - Pc) * D + c2) : (U - P) / c;
        return G1A_plus_G2U - Gs * P - K * elementary::Atan(ratio);
    }
    double AtUpstreamEnd() const { return G1A_plus_G2U - Gs * U; } // the arctangent term vanishes
};

struct LobeSearch {
    LobeBalance F;
    double Pu; // the bronchial end of the segment
    RegulaFalsiBracket bracket;
    double P, Fp;
    int iterations = 0, cap = 0;
    bool searching = false, noRoot = false;

    // The next estimate; the lobe searches on while its balance misses the tolerance.
    void FalsePosition() {
        P = bracket.Estimate();
        Fp = F(P);
        searching = std::fabs(Fp) > kBalanceTolerance;
    }
    // One step of the one-by-one solver's Iterate. A lobe that alone uses more
    // iterations than its branch's cap stops: it fails whatever the others used.
    void Step() {
        if (++iterations > cap) {
            searching = false;
            return;
        }
        bracket.Narrow(P, Fp);
        FalsePosition();
    }
};

// Brackets the lobe's root as the one-by-one solver does; `searching` tells
// whether the lobe needs the first estimate.
void Bracket(LobeSearch& s, double A) {
    const LobeBalance& F = s.F;
    RegulaFalsiBracket& r = s.bracket;
    if (F.open) {
        s.cap = kOpenIterationCap;
        r.a = A;
        r.b = (A + s.Pu) / 2;
        r.Fa = F(r.a);
        r.Fb = F(r.b);
        if (r.Fa * r.Fb > 0) {
            r.a = s.Pu;
            r.Fa = F.AtUpstreamEnd();
        }
    } else {
        s.cap = kClosedIterationCap;
        r.a = A;
        r.Fa = F(A);
        r.b = F.Pc;
        r.Fb = F.AtUpstreamEnd();
        if (r.Fa * r.Fb > 0) { // no sign change: an end near enough to a root, the alveolar end first
            s.noRoot = !(std::fabs(r.Fa) < kBalanceTolerance) && !(std::fabs(r.Fb) < kBalanceTolerance);
            s.P = std::fabs(r.Fa) < kBalanceTolerance ? A : F.Pc;
            return;
        }
    }
    s.searching = true;
}

void Beep(const LungModel& m) {
    if (m.Hooks.beep) m.Hooks.beep(m.Hooks.context);
}

} // namespace

void SolveLobarFlowsInTurns(LungModel& m, const SubstepConductances& g, SolverMode mode, double x,
                            double leftTransmural, double rightTransmural, double* probeFlows) {
    LobeSearch searches[kLobeCount];
    for (int j = 0; j < kLobeCount; ++j) {
        const auto& [A, R1, G1, G2, Gs, K, c, c2, G1A] = g.lobes[j];
        const double Pu = x + (j < 2 ? leftTransmural : rightTransmural); // lobes 1 and 2 hang on the left bronchus
        const double Pc = x + m.PleuralOffset[j].current;
        const bool open = Pu > Pc;
        const double U = open ? Pu : Pc;
        searches[j].F = {G1A + G2 * U, Gs, K, U, Pc, Pu - Pc, c, c2, open};
        searches[j].Pu = Pu;
        Bracket(searches[j], A);
    }
    // The first estimates in turns as well, after all the brackets.
    for (LobeSearch& s : searches)
        if (s.searching) s.FalsePosition();
    for (bool any = true; any;) {
        any = false;
        for (LobeSearch& s : searches) {
            if (!s.searching) continue;
            s.Step();
            any |= s.searching;
        }
    }

    // The lobes in order, as one after the other: a lobe's iterations count
    // against the cap together with those of the lobes before it, and a
    // failing lobe leaves the later ones untouched.
    int iterations = 0;
    for (int j = 0; j < kLobeCount; ++j) {
        const LobeSearch& s = searches[j];
        m.FlowLimited[j] = s.F.open ? 0 : 1;
        if (s.noRoot) {
            m.NumericalFailure = true;
            return;
        }
        // A lobe that needed no step never looks at the count.
        iterations += s.iterations;
        if (s.iterations > 0 && iterations > s.cap) {
            m.NumericalFailure = true;
            Beep(m);
            return;
        }
        const LobeConductances& l = g.lobes[j];
        const double Q = (s.P - l.A) * l.G1; // positive into the lobe
        if (mode == SolverMode::Commit) {
            m.LobeFlow[j] = Q;
            if (std::fabs(Q) > 0.001) m.EffectiveSegmentResistance[j] = (s.Pu - l.A) / Q - l.R1;
        } else {
            probeFlows[j] = Q;
        }
    }
}

} // namespace breathlab
