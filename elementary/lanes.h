// Several doubles side by side (SIMD lanes) and the arctangent of each lane.
// The lanes use the compilers' generic vector types; each lane goes through
// the same IEEE operations, in the same order, as the one-at-a-time code (no
// fused multiply-add: -ffp-contract=off), so a lane's result has the same
// bits as the scalar function's, whatever the instruction set.
//
// Every function here is static: a file that includes this one may compile it
// for a wider instruction set than the rest of the program, and no copy of it
// may stand in for another file's.
#pragma once

#include "elementary.h"

#include <cstdint>

#if defined(BREATHLAB_LANES_AVX512)
#include <immintrin.h>
#endif

namespace breathlab::elementary {

// Eight lanes: the model's five lobes fit in one group. Eight doubles are one
// AVX-512 register; with narrower registers (two lanes of SSE2, NEON or
// WebAssembly's SIMD128, measured there in groups of two, four and eight) the
// lanes cost more than they save, so the model uses them only where AVX-512
// is there (flow_solver_lanes.cpp) and elsewhere solves the lobes in turns.
inline constexpr int kLaneCount = 8;
using Lanes = double __attribute__((vector_size(kLaneCount * sizeof(double))));
// A lane mask: all bits set (true) or clear (false) per lane, as comparisons give it.
using LaneBits = decltype(Lanes{} < Lanes{});

// x - 0 is x for every x, -0 included (0 + -0 would be +0).
static inline Lanes Splat(double x) { return x - Lanes{}; }
static inline LaneBits SplatBits(std::int64_t x) { return x - LaneBits{}; }

// Reinterpretations between the two, as the compilers' vector casts do them.
static inline LaneBits Bits(Lanes x) { return (LaneBits)x; }
static inline Lanes FromBits(LaneBits x) { return (Lanes)x; }

// where ? a : b per lane, by bits, so that no lane's value is touched.
static inline LaneBits Select(LaneBits where, LaneBits a, LaneBits b) { return (where & a) | (~where & b); }
static inline Lanes Select(LaneBits where, Lanes a, Lanes b) { return FromBits(Select(where, Bits(a), Bits(b))); }

static inline bool Any(LaneBits m) {
#if defined(BREATHLAB_LANES_AVX512)
    // One mask test, instead of a round trip of the lanes through memory.
    return _mm512_test_epi64_mask((__m512i)m, (__m512i)m) != 0;
#else
    auto any = m[0];
    for (int k = 1; k < kLaneCount; ++k) any |= m[k];
    return any != 0;
#endif
}

namespace detail {

inline constexpr std::int64_t kSignBit = std::int64_t(1) << 63;

// The arctangents of the table's centres, followed by the leading terms of
// the other two paths: 0 below 1/16, pi/2 from 64 on.
inline constexpr int kAtanSmallEntry = 320, kAtanLargeEntry = 321;
struct AtanEntries {
    double hi[322], lo[322];
};
inline constexpr AtanEntries kAtanEntries = [] {
    AtanEntries e{};
    for (int i = 0; i < kAtanSmallEntry; ++i) {
        e.hi[i] = k::kAtanOfCentreHi[i];
        e.lo[i] = k::kAtanOfCentreLo[i];
    }
    e.hi[kAtanLargeEntry] = k::kHalfPiHi;
    e.lo[kAtanLargeEntry] = k::kHalfPiLo;
    return e;
}();

// Polynomial() term for term, of three and of five coefficients.
static inline Lanes Polynomial3(const double (&c)[3], Lanes w, Lanes w2) { return (c[0] + w * c[1]) + w2 * c[2]; }
static inline Lanes Polynomial5(const double (&c)[5], Lanes w, Lanes w2) {
    const Lanes w4 = w2 * w2;
    return ((c[0] + w * c[1]) + w2 * (c[2] + w * c[3])) + w4 * c[4];
}

} // namespace detail

// Atan of each lane. Every path of the scalar function is one formula here,
// hi + (lo + (u + u^3 P(u^2))), with per lane:
//   |x| < 1/128           u = |x|,                 hi = lo = 0, the tail polynomial
//   1/128 <= |x| < 1/16   u = |x|,                 hi = lo = 0, the direct polynomial
//   1/16 <= |x| < 64      u = (|x| - c)/(1 + |x| c), hi, lo = atan c from the table
//   |x| >= 64             u = -1/|x|,              hi, lo = pi/2
// Adding zeros changes nothing, u = -1/|x| turns pi/2 - (u + ...) into a sum,
// and each path is odd, so the sign of x is put on last; NaN gives x + x.
static inline Lanes Atan(Lanes x) {
    using namespace detail;
    const LaneBits bits = Bits(x);
    const LaneBits sign = bits & SplatBits(kSignBit);
    const LaneBits magnitudeBits = bits & ~SplatBits(kSignBit);
    const Lanes a = FromBits(magnitudeBits);
    const LaneBits small = a < 1.0 / 16;
    const LaneBits direct = small & (a >= 1.0 / 128);
    const LaneBits large = a >= 64;
    const LaneBits table = (a >= 1.0 / 16) & ~large; // NaN is in none of them

    // Below 1/16 u = |x| and the table's entry is zero: where every lane is
    // that small, neither the division nor the table is needed.
    Lanes u = a, hi{}, lo{};
    if (Any(~small)) {
        // The centre of the 32nd of a binade that holds |x|; 0 off the table, so
        // that u = |x| there ((|x| - 0) / (1 + 0) is |x| exactly).
        const LaneBits centreBits =
            (magnitudeBits & SplatBits(~((std::int64_t(1) << 47) - 1))) | SplatBits(std::int64_t(1) << 46);
        const Lanes centre = FromBits(centreBits & table);
        u = Select(large, Splat(-1), a - centre) / Select(large, a, 1 + a * centre);

        // The magnitude has no sign bit, so an unsigned shift (one SSE2 instruction) serves.
        using UnsignedBits = std::uint64_t __attribute__((vector_size(sizeof(LaneBits))));
        const LaneBits top = (LaneBits)((UnsignedBits)magnitudeBits >> 47);
        const LaneBits index = Select(table, top - SplatBits((1023 - 4) << 5), SplatBits(kAtanSmallEntry) - large);
        for (int lane = 0; lane < kLaneCount; ++lane) {
            hi[lane] = kAtanEntries.hi[index[lane]];
            lo[lane] = kAtanEntries.lo[index[lane]];
        }
    }

    const Lanes w = u * u, w2 = w * w;
    // The direct polynomial only where a lane needs it.
    const Lanes tail = Polynomial3(k::kAtanTail, w, w2);
    const Lanes p = Any(direct) ? Select(direct, Polynomial5(k::kAtanDirect, w, w2), tail) : tail;
    const Lanes r = hi + (lo + (u + u * w * p));
    return Select(x != x, x + x, FromBits(Bits(r) | sign));
}

} // namespace breathlab::elementary
