#include "mpfr_reference.h"

#include <limits>

namespace breathlab::test {

namespace {

struct Number {
    mpfr_t v;
    Number() { mpfr_init2(v, 128); }
    ~Number() { mpfr_clear(v); }
};

void Exact(Function f, mpfr_t out, double x, double y) {
    Number a, b;
    mpfr_set_d(a.v, x, MPFR_RNDN);
    mpfr_set_d(b.v, y, MPFR_RNDN);
    switch (f) {
    case Function::Atan: mpfr_atan(out, a.v, MPFR_RNDN); break;
    case Function::Sin: mpfr_sin(out, a.v, MPFR_RNDN); break;
    case Function::Cos: mpfr_cos(out, a.v, MPFR_RNDN); break;
    case Function::Cbrt: mpfr_cbrt(out, a.v, MPFR_RNDN); break;
    case Function::Pow: mpfr_pow(out, a.v, b.v, MPFR_RNDN); break;
    }
}

} // namespace

const char* Name(Function f) {
    switch (f) {
    case Function::Atan: return "atan";
    case Function::Sin: return "sin";
    case Function::Cos: return "cos";
    case Function::Cbrt: return "cbrt";
    case Function::Pow: return "pow";
    }
    return "?";
}

double UlpError(Function f, double result, double x, double y) {
    Number exact, diff;
    Exact(f, exact.v, x, y);
    if (mpfr_nan_p(exact.v)) return std::isnan(result) ? 0 : std::numeric_limits<double>::infinity();
    if (std::isnan(result)) return std::numeric_limits<double>::infinity();
    // Beyond the largest double the rounded value is infinite.
    const double rounded = mpfr_get_d(exact.v, MPFR_RNDN);
    if (std::isinf(rounded) || std::isinf(result))
        return rounded == result ? 0 : std::numeric_limits<double>::infinity();
    if (mpfr_zero_p(exact.v)) return result == 0 ? 0 : std::numeric_limits<double>::infinity();
    // The spacing of doubles in the exact value's binade, never below the
    // subnormal spacing 2^-1074.
    long exponent = mpfr_get_exp(exact.v) - 1; // exact value in [2^e, 2^(e+1))
    if (exponent < -1022) exponent = -1022;
    mpfr_set_d(diff.v, result, MPFR_RNDN);
    mpfr_sub(diff.v, diff.v, exact.v, MPFR_RNDN);
    mpfr_abs(diff.v, diff.v, MPFR_RNDN);
    mpfr_mul_2si(diff.v, diff.v, 52 - exponent, MPFR_RNDN);
    return mpfr_get_d(diff.v, MPFR_RNDU);
}

} // namespace breathlab::test
