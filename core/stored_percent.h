// The percentages a history set can hold. Records keep them in single
// precision: a percentage beyond its largest value would become infinite,
// one below its smallest normal value would lose its digits or become 0,
// and 0 or less has no meaning as a share of normal. The sliders, --set,
// a share link and every file read obey the same bounds.
#pragma once

#include <cmath>
#include <limits>
#include <string>

namespace breathlab {

constexpr double kSmallestStoredPercent = std::numeric_limits<float>::min();
constexpr double kLargestStoredPercent = std::numeric_limits<float>::max();

inline bool IsStorablePercent(double percent) {
    return std::isfinite(percent) && percent >= kSmallestStoredPercent &&
           percent <= kLargestStoredPercent;
}

// "from 1.17549436e-38 to 3.40282346e+38", for messages: both texts are
// accepted themselves.
std::string StorablePercentRange();

} // namespace breathlab
