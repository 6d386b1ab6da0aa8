// The elementary functions of the model, computed the same way on every
// machine: plain double arithmetic in round-to-nearest, no fused multiply-add,
// no processor-specific code, no call into the C library. Each result is
// within 1 ulp of the exact value (the tests compare with MPFR); the same
// argument gives the same bits on x86-64, aarch64 and WebAssembly.
//
// Constants and polynomial coefficients come from derive_coefficients.py;
// the error budget of each function is explained beside it.
#pragma once

#include "elementary_constants.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace breathlab::elementary {

// A test build of the model defines BREATHLAB_ELEMENTARY_CAPTURE to collect
// every argument the model passes (0 Atan, 1 SinCos, 2 Cbrt).
#ifdef BREATHLAB_ELEMENTARY_CAPTURE
void CaptureArgument(int function, double x);
#define BREATHLAB_ELEMENTARY_SEEN(function, x) ::breathlab::elementary::CaptureArgument(function, x)
#else
#define BREATHLAB_ELEMENTARY_SEEN(function, x) static_cast<void>(0)
#endif

namespace detail {

namespace k = constants;

// Exact; compilers emit one instruction for it, never a library call.
inline double Abs(double x) { return std::fabs(x); }

// The magnitude of `magnitude` with the sign of `sign`.
inline double WithSign(double magnitude, double sign) {
    const std::uint64_t s = std::bit_cast<std::uint64_t>(sign) & (1ULL << 63);
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(magnitude) | s);
}

// Nearest integer (ties to even) of |x| < 2^51, by adding and removing 1.5 * 2^52.
inline double RoundToInteger(double x) {
    constexpr double kShifter = 6755399441055744.0;
    return (x + kShifter) - kShifter;
}

// x with its low `bits` significand bits cleared.
inline double Truncate(double x, int bits) {
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) & (~0ULL << bits));
}

// c[0] + c[1] w + c[2] w^2 + ... by Estrin's scheme: pairs, pairs of pairs and
// so on, unrolled at compile time. Its chain of dependent operations is about
// half as long as Horner's, and the model waits on these chains.
template <int N, int I, int Len>
inline double EstrinPart(const double (&c)[N], double w, double w2, double w4, double w8) {
    if constexpr (Len == 1)
        return c[I];
    else if constexpr (Len == 2)
        return c[I] + w * c[I + 1];
    else if constexpr (Len <= 4)
        return EstrinPart<N, I, 2>(c, w, w2, w4, w8) + w2 * EstrinPart<N, I + 2, Len - 2>(c, w, w2, w4, w8);
    else if constexpr (Len <= 8)
        return EstrinPart<N, I, 4>(c, w, w2, w4, w8) + w4 * EstrinPart<N, I + 4, Len - 4>(c, w, w2, w4, w8);
    else
        return EstrinPart<N, I, 8>(c, w, w2, w4, w8) + w8 * EstrinPart<N, I + 8, Len - 8>(c, w, w2, w4, w8);
}

template <int N> inline double Polynomial(const double (&c)[N], double w) {
    static_assert(N <= 16);
    const double w2 = w * w, w4 = w2 * w2, w8 = w4 * w4;
    return EstrinPart<N, 0, N>(c, w, w2, w4, w8);
}

// a * b exactly as hi + lo, by splitting both factors into halves of 26 bits
// (no fused multiply-add is needed). Valid while no product overflows.
inline void ExactProduct(double a, double b, double& hi, double& lo) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const double ta = kSplitter * a, ah = ta - (ta - a), al = a - ah;
    const double tb = kSplitter * b, bh = tb - (tb - b), bl = b - bh;
    hi = a * b;
    lo = ((ah * bh - hi) + ah * bl + al * bh) + al * bl;
}

// a + b exactly as hi + lo, for any order of magnitude.
inline void ExactSum(double a, double b, double& hi, double& lo) {
    hi = a + b;
    const double bv = hi - a;
    lo = (a - (hi - bv)) + (b - bv);
}

// 2^n as a double for a normal exponent, -1022 <= n <= 1023.
inline double PowerOfTwo(int n) { return std::bit_cast<double>(static_cast<std::uint64_t>(n + 1023) << 52); }

// --- Arctangent ----------------------------------------------------------
// Below 1/16 a polynomial of the argument alone (a short one below 1/128,
// where the tail polynomial of the table path holds). From 1/16 to 64 the top
// bits of the representation pick the 32nd of a binade that holds x and its
// centre c: atan x = atan c + atan u with u = (x - c)/(1 + xc), where x - c
// is exact and |u| <= c/64 / (1 + c^2) <= 1/128. Above 64,
// atan x = pi/2 - atan(1/x), 1/x <= 1/64. Either way one division. The
// rounding errors of u reach the result scaled by |u| / atan x <= 1/64, so
// the bound stays near 0.6 ulp.
inline double AtanTail(double u) { // atan u - u
    const double w = u * u;
    return u * w * Polynomial(k::kAtanTail, w);
}

inline double AtanOfSmall(double x) { // |x| < 1/16, either sign
    if (x == 0) return x; // keeps the sign of a negative zero
    if (Abs(x) < 1.0 / 128) return x + AtanTail(x);
    return x + x * (x * x) * Polynomial(k::kAtanDirect, x * x);
}

inline double AtanOfNonNegative(double x) { // x >= 1/16
    if (x < 64) {
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
        const int i = static_cast<int>((bits >> 47) - ((1023ULL - 4) << 5));
        const double c = std::bit_cast<double>((bits & ~((1ULL << 47) - 1)) | (1ULL << 46));
        const double u = (x - c) / (1 + x * c);
        return k::kAtanOfCentreHi[i] + (k::kAtanOfCentreLo[i] + (u + AtanTail(u)));
    }
    const double u = 1 / x; // 0 for infinity
    return k::kHalfPiHi + (k::kHalfPiLo - (u + AtanTail(u)));
}

// --- Sine and cosine -------------------------------------------------------
// The argument less a multiple n of pi/2, as hi + lo with |hi| <= pi/4.
struct Reduced {
    double hi, lo;
    int quadrant; // n mod 4
};

// pi/2 is held in three parts; n times each of the first two is exact for
// |n| < 2^20, and the subtractions are carried with their rounding errors,
// so the reduced argument keeps about 100 correct bits up to 2^20 * pi/2.
// Beyond that the reduction repeats on the remainder (see LargeReduction).
inline Reduced ReduceBySmallMultiple(double x) {
    const double n = RoundToInteger(x * k::kTwoOverPi);
    const double t = x - n * k::kHalfPiParts[0];
    double r, e;
    ExactSum(t, -(n * k::kHalfPiParts[1]), r, e);
    const double lo = e - n * k::kHalfPiParts[2];
    const double hi = r + lo;
    const long long q = static_cast<long long>(n);
    return {hi, (r - hi) + lo, static_cast<int>(q & 3)};
}

Reduced LargeReduction(double x);

inline Reduced Reduce(double x) {
    if (Abs(x) <= k::kQuarterPi) return {x, 0, 0};
    if (Abs(x) < 1.0e6) return ReduceBySmallMultiple(x);
    return LargeReduction(x);
}

// sin(hi + lo) = sin hi + lo cos hi; the leading hi is added last, so the
// rounding errors of the smaller terms (at most 0.08 of the result) stay far
// below half an ulp.
inline double SinKernel(double hi, double lo) {
    const double z = hi * hi;
    return hi + (hi * z * Polynomial(k::kSin, z) + lo * (1 - 0.5 * z));
}

// cos(hi + lo) = cos hi - lo sin hi; 1 - z/2 is carried with its rounding
// error. The rounding of z itself costs at most a quarter ulp.
inline double CosKernel(double hi, double lo) {
    const double z = hi * hi;
    const double half = 0.5 * z;
    const double w = 1 - half;
    return w + (((1 - w) - half) + (z * z * Polynomial(k::kCos, z) - hi * lo));
}

// --- Logarithm and exponential, carried in two doubles for pow ------------
// log x = e ln2 + log m with sqrt(1/2) <= m < sqrt(2), and
// log m = 2 artanh s, s = (m - 1)/(m + 1), |s| <= 0.1716. s is formed as a
// double-double quotient; the absolute error of the sum is about 2^-60.
inline void LogTwoPart(double x, double& hi, double& lo) {
    int e = 0;
    if (x < 0x1p-1022) { // subnormal: make it normal first
        x *= 0x1p54;
        e = -54;
    }
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    e += static_cast<int>(bits >> 52) - 1023;
    double m = std::bit_cast<double>((bits & ((1ULL << 52) - 1)) | (1023ULL << 52));
    if (m > k::kSqrtTwo) {
        m *= 0.5;
        e += 1;
    }
    const double num = m - 1;            // exact
    const double denHi = m + 1;
    const double denLo = m - (denHi - 1); // exact rounding error of m + 1
    const double sHi = num / denHi;
    double p, pe;
    ExactProduct(sHi, denHi, p, pe);
    const double sLo = (((num - p) - pe) - sHi * denLo) / denHi;
    const double w = sHi * sHi;
    const double tail = 2 * sLo * (1 + w) + sHi * w * Polynomial(k::kLogArtanh, w);
    double ah, al;
    ExactSum(e * k::kLn2Hi, 2 * sHi, ah, al);
    al += e * k::kLn2Lo + tail;
    hi = ah + al;
    lo = (ah - hi) + al;
}

// exp(hi + lo) = 2^m 2^(j/32) exp(r), |r| <= ln2/64. The table value is carried
// in two doubles, so the only sizable error is the final rounding.
inline double ExpTwoPart(double hi, double lo) {
    if (hi > 709.8) return std::numeric_limits<double>::infinity();
    if (hi < -708.3) return 0; // results below the normal range are not needed
    const double n = RoundToInteger(hi * k::kThirtyTwoOverLn2);
    const int ni = static_cast<int>(n);
    const int j = ni & 31;
    const int m = (ni - j) / 32;
    const double r = ((hi - n * k::kLn2Over32Hi) - n * k::kLn2Over32Lo) + lo;
    const double p = r + r * r * Polynomial(k::kExpm1, r);
    const double s = k::kTwoToJ32Hi[j] + (k::kTwoToJ32Lo[j] + k::kTwoToJ32Hi[j] * p);
    // Two factors, so that 2^m itself never leaves the normal range.
    const int m1 = m / 2;
    return s * PowerOfTwo(m1) * PowerOfTwo(m - m1);
}

} // namespace detail

// Arctangent, odd, atan(+-inf) = +-pi/2 rounded.
inline double Atan(double x) {
    BREATHLAB_ELEMENTARY_SEEN(0, x);
    if (detail::Abs(x) < 1.0 / 16) return detail::AtanOfSmall(x); // odd polynomials: no sign handling
    if (x != x) return x + x;
    return detail::WithSign(detail::AtanOfNonNegative(detail::Abs(x)), x);
}

// Sine and cosine of the same argument, sharing the reduction.
inline void SinCos(double x, double& s, double& c) {
    BREATHLAB_ELEMENTARY_SEEN(1, x);
    if (!(detail::Abs(x) <= std::numeric_limits<double>::max())) {
        s = c = x - x; // NaN for infinities and NaN
        return;
    }
    if (x == 0) { // keeps the sign of a negative zero
        s = x;
        c = 1;
        return;
    }
    const detail::Reduced r = detail::Reduce(x);
    const double sr = detail::SinKernel(r.hi, r.lo), cr = detail::CosKernel(r.hi, r.lo);
    switch (r.quadrant) {
    case 0: s = sr; c = cr; break;
    case 1: s = cr; c = -sr; break;
    case 2: s = -sr; c = -cr; break;
    default: s = -cr; c = sr; break;
    }
}

inline double Sin(double x) {
    double s, c;
    SinCos(x, s, c);
    return s;
}

inline double Cos(double x) {
    double s, c;
    SinCos(x, s, c);
    return c;
}

// Cube root. x = f 2^(3q) with 1 <= f < 8; a polynomial start good to 2^-24,
// cut to 21 bits so that t*t is exact, then one step
// t + t (r - t)/(2t + r) with r = f/t^2, whose error is cubic in that of t
// (about 2^-60 here); only r's rounding and the final addition remain.
inline double Cbrt(double x) {
    BREATHLAB_ELEMENTARY_SEEN(2, x);
    if (x == 0 || !(detail::Abs(x) <= std::numeric_limits<double>::max())) return x + x;
    double a = detail::Abs(x);
    int scale = 0;
    if (a < 0x1p-1022) {
        a *= 0x1p54;
        scale = -18;
    }
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
    const int e = static_cast<int>(bits >> 52) - 1023;
    const int q = (e >= 0 ? e : e - 2) / 3; // floor(e / 3)
    const int rem = e - 3 * q;
    const double m = std::bit_cast<double>((bits & ((1ULL << 52) - 1)) | (1023ULL << 52));
    const double f = m * detail::PowerOfTwo(rem);
    const double start = detail::Polynomial(detail::k::kCbrtStart, m) * detail::k::kCbrtOfPowerOfTwo[rem];
    const double t = detail::Truncate(start, 32);
    const double r = f / (t * t);
    const double root = t + t * (r - t) / (2 * t + r);
    return detail::WithSign(root * detail::PowerOfTwo(q + scale), x);
}

// x^y for a positive base (the ratios of a sweep's log-spaced grid), through
// exp(y log x) with log x carried in two doubles, whose absolute error of
// about 2^-61 is multiplied by y: within 1 ulp for |y| <= 16, which holds the
// grid's exponents 0..1. A base of 0 or infinity gives the limits; a negative
// base gives NaN (a negative number has no real power in general). Results
// below the normal range are returned as 0.
inline double Pow(double x, double y) {
    if (y == 0 || x == 1) return 1;
    if (y == 1) return x;
    if (x != x || y != y) return x + y;
    if (x < 0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0) return y > 0 ? 0 : std::numeric_limits<double>::infinity();
    if (x > std::numeric_limits<double>::max())
        return y > 0 ? std::numeric_limits<double>::infinity() : 0;
    if (detail::Abs(y) > 0x1p900) // far beyond any finite nonzero result
        return (x > 1) == (y > 0) ? std::numeric_limits<double>::infinity() : 0;
    double lh, ll;
    detail::LogTwoPart(x, lh, ll);
    double ph, pl;
    detail::ExactProduct(y, lh, ph, pl);
    if (!(detail::Abs(ph) < 1000)) return ph > 0 ? std::numeric_limits<double>::infinity() : 0;
    pl += y * ll;
    const double zh = ph + pl;
    return detail::ExpTwoPart(zh, (ph - zh) + pl);
}

} // namespace breathlab::elementary
