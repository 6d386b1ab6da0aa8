// The project's value of each function that the tests hold against MPFR.
#pragma once

#include "elementary.h"
#include "mpfr_reference.h"

namespace breathlab::test {

inline double Evaluate(Function f, double x, double y = 0) {
    namespace el = breathlab::elementary;
    switch (f) {
    case Function::Atan: return el::Atan(x);
    case Function::Sin: return el::Sin(x);
    case Function::Cos: return el::Cos(x);
    case Function::Cbrt: return el::Cbrt(x);
    case Function::Pow: return el::Pow(x, y);
    }
    return 0;
}

} // namespace breathlab::test
