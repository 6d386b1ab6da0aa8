// How a stored run ended. The record keeps the status as a single-precision
// number (1, 0 or -1); a value read from a damaged file may be anything, so
// the status is always looked at through RunStatusCode.
#pragma once

#include <cmath>
#include <optional>

#include "rounding.h"

namespace breathlab {

constexpr int kRunCompleted = 1;
constexpr int kRunDead = 0; // the simulated subject could not inspire
constexpr int kRunError = -1;

// The status rounded to a whole number; no value when it is not finite or far
// from the three codes (rounding such a value to an integer would overflow).
inline std::optional<int> RunStatusCode(float status) {
    if (!std::isfinite(status) || std::fabs(status) > 1000.0f) return std::nullopt;
    return static_cast<int>(RoundHalfEven(status));
}

inline bool RunCompleted(float status) {
    return RunStatusCode(status) == kRunCompleted;
}

} // namespace breathlab
