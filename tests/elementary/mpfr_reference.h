// Exact references for the elementary functions from MPFR, and the distance
// of a double result from them in units in the last place.
#pragma once

#include <cmath>
#include <gmp.h>
#include <mpfr.h>

namespace breathlab::test {

enum class Function { Atan, Sin, Cos, Cbrt, Pow };

const char* Name(Function f);

// |result - f(x[, y])| in ulps of the exact value's binade (the double
// spacing there), from a 128-bit evaluation. A NaN result is 0 ulps from a
// NaN reference and infinitely far from anything else.
double UlpError(Function f, double result, double x, double y = 0);

} // namespace breathlab::test
