// Rounding to the nearest integer with halves going to the even neighbour
// (2.5 -> 2, 3.5 -> 4), used wherever the program turns a number into a
// slider position, a percentage or a pixel. std::round would send halves
// away from zero.
#pragma once

#include <cmath>

namespace breathlab {

inline long RoundHalfEven(double x) {
    // nearbyint honours the current rounding mode, which the program never
    // changes from round-to-nearest-even.
    return static_cast<long>(std::nearbyint(x));
}

} // namespace breathlab
