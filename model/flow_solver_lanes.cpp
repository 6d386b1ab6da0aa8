// The lobes' node pressures side by side in SIMD lanes, one lobe per lane.
// Each lane goes through the same operations as the one-by-one solver
// (flow_solver.cpp), so every result has the same bits; only the order in
// which the lobes are worked on differs, and the iteration cap shared by the
// lobes is applied afterwards, lobe by lobe, as if they had been solved in turn.
#include "flow_solver.h"

#include "elementary.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__)

namespace breathlab {
bool LobeLanesAvailable() {
    __builtin_cpu_init(); // may run before the constructors that would do it
    return __builtin_cpu_supports("avx512f");
}
} // namespace breathlab

// Only this file's own functions and the static ones of lanes.h, included
// below, are compiled for AVX-512; the program calls them only where the
// processor has it.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f"))), apply_to = function)
#else
#pragma GCC target("avx512f")
#endif

#include "lanes.h"

namespace breathlab {

namespace {

using elementary::Lanes;
using elementary::LaneBits;
using elementary::Select;
using elementary::Splat;

// The caps as doubles, like the lanes' iteration counts.
constexpr double kOpenCap = kOpenIterationCap;
constexpr double kClosedCap = kClosedIterationCap;

Lanes Load(const double (&column)[kLobeColumn]) {
    Lanes v;
    std::memcpy(&v, column, sizeof v);
    return v;
}

Lanes Abs(Lanes x) { return elementary::FromBits(elementary::Bits(x) & ~elementary::SplatBits(elementary::detail::kSignBit)); }

// Balance of each lobe's node pressure P: flow through the peripheral airway
// against flow through the collapsible segment, whose upstream end U is the
// bronchus while the segment is open and the local pleura Pc once it has
// closed at its mouth-side end. The same quotients as the one-by-one solver's.
struct LobeBalances {
    Lanes G1A_plus_G2U, Gs, K, U, Pc, D, c, c2;
    LaneBits open;
    Lanes operator()(Lanes P) const {
        const Lanes numerator = Select(open, (U - P) * c, U - P);
        const Lanes denominator = Select(open, (P - Pc) * D + c2, c);
        return G1A_plus_G2U - Gs * P - K * elementary::Atan(numerator / denominator);
    }
    // At P = U the arctangent term vanishes.
    Lanes AtUpstreamEnd() const { return G1A_plus_G2U - Gs * U; }
};

Lanes FalsePosition(Lanes a, Lanes Fa, Lanes b, Lanes Fb) { return b - (b - a) * Fb / (Fb - Fa); }

struct LobeSearch {
    Lanes a, Fa, b, Fb, P, Fp;
    Lanes iterations; // per lobe; the cap counts them over the lobes in order
    LaneBits noRoot;  // closed segment without a sign change and no end near a root
};

// Regula falsi in every lane: the end replaced is chosen by the sign of F(P)
// against F(b). A lobe that meets the tolerance drops out, its lane masked
// off; so does one that alone uses more iterations than its branch's cap,
// since it fails whatever the other lobes used.
void Iterate(const LobeBalances& F, LobeSearch& s, LaneBits active, Lanes cap) {
    active &= Abs(s.Fp) > kBalanceTolerance;
    while (elementary::Any(active)) {
        s.iterations += elementary::FromBits(active & elementary::Bits(Splat(1)));
        active &= ~(s.iterations > cap);
        const LaneBits towardsA = s.Fp * s.Fb < 0;
        const LaneBits moveA = active & towardsA, moveB = active & ~towardsA;
        s.a = Select(moveA, s.P, s.a);
        s.Fa = Select(moveA, s.Fp, s.Fa);
        s.b = Select(moveB, s.P, s.b);
        s.Fb = Select(moveB, s.Fp, s.Fb);
        s.P = Select(active, FalsePosition(s.a, s.Fa, s.b, s.Fb), s.P);
        s.Fp = Select(active, F(s.P), s.Fp);
        active &= Abs(s.Fp) > kBalanceTolerance;
    }
}

// Brackets each lobe's root as the one-by-one solver does, then searches it.
LobeSearch Search(const LobeBalances& F, Lanes A, Lanes Pu) {
    const LaneBits open = F.open;
    LobeSearch s{};
    s.a = A;
    s.Fa = F(A);
    s.b = Select(open, (A + Pu) / 2, F.Pc);
    s.Fb = Select(open, F(s.b), F.AtUpstreamEnd());
    const LaneBits sameSign = s.Fa * s.Fb > 0;
    // An open segment without a sign change is bracketed from the bronchus instead.
    s.a = Select(open & sameSign, Pu, s.a);
    s.Fa = Select(open & sameSign, F.AtUpstreamEnd(), s.Fa);
    // A closed one takes an end that is near enough to a root, the alveolar end first.
    const LaneBits settled = ~open & sameSign;
    const LaneBits alveolarEnd = Abs(s.Fa) < kBalanceTolerance;
    const LaneBits pleuralEnd = Abs(s.Fb) < kBalanceTolerance;
    s.noRoot = settled & ~alveolarEnd & ~pleuralEnd;

    s.P = Select(settled, Select(alveolarEnd, A, F.Pc), FalsePosition(s.a, s.Fa, s.b, s.Fb));
    s.Fp = F(s.P);
    Iterate(F, s, ~settled, Select(open, Splat(kOpenCap), Splat(kClosedCap)));
    return s;
}

void Beep(const LungModel& m) {
    if (m.Hooks.beep) m.Hooks.beep(m.Hooks.context);
}

} // namespace

void SolveLobarFlowsInLanes(LungModel& m, const SubstepConductances& g, SolverMode mode, double x,
                            double leftTransmural, double rightTransmural, double* probeFlows) {
    const LobeColumns& c = g.columns;
    const Lanes A = Load(c.A);
    Lanes transmural = Splat(rightTransmural);
    transmural[0] = transmural[1] = leftTransmural; // lobes 1 and 2 hang on the left bronchus
    const Lanes Pu = Splat(x) + transmural;
    const Lanes Pc = Splat(x) + Load(c.PleuralOffset);
    const LaneBits open = Pu > Pc;
    const Lanes U = Select(open, Pu, Pc);
    const LobeBalances F{Load(c.G1A) + Load(c.G2) * U, Load(c.Gs), Load(c.K), U, Pc, Pu - Pc,
                         Load(c.c), Load(c.c2), open};
    const LobeSearch s = Search(F, A, Pu);
    const Lanes Q = (s.P - A) * Load(c.G1); // positive into the lobe
    const Lanes effectiveResistance = (Pu - A) / Q - Load(c.R1);

    // The lobes in order, as one after the other: a lobe's iterations count
    // against the cap together with those of the lobes before it, and a
    // failing lobe leaves the later ones untouched.
    double iterations = 0;
    for (int j = 0; j < kLobeCount; ++j) {
        m.FlowLimited[j] = open[j] ? 0 : 1;
        if (s.noRoot[j]) {
            m.NumericalFailure = true;
            return;
        }
        if (s.iterations[j] > 0) {
            iterations += s.iterations[j];
            if (iterations > (open[j] ? kOpenCap : kClosedCap)) {
                m.NumericalFailure = true;
                Beep(m);
                return;
            }
        }
        if (mode == SolverMode::Commit) {
            m.LobeFlow[j] = Q[j];
            if (std::fabs(Q[j]) > 0.001) m.EffectiveSegmentResistance[j] = effectiveResistance[j];
        } else {
            probeFlows[j] = Q[j];
        }
    }
}

} // namespace breathlab

#if defined(__clang__)
#pragma clang attribute pop
#endif

#else // other processors: the lobes one by one

namespace breathlab {

bool LobeLanesAvailable() { return false; }

void SolveLobarFlowsInLanes(LungModel& m, const SubstepConductances& g, SolverMode mode, double x,
                            double leftTransmural, double rightTransmural, double* probeFlows) {
    SolveLobarFlowsOneByOne(m, g, mode, x, leftTransmural, rightTransmural, probeFlows);
}

} // namespace breathlab

#endif
